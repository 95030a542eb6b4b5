// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <memory>

#include "ui/shell/clsAppContext.h"

class QWidget;
class frmHelp;

// The one help window of the run: made (text and colours set) at its first
// opening, afterwards only shown again, keeping the style it had then.
class helpWindowHolder {
public:
    explicit helpWindowHolder(clsAppContext& ctx);
    ~helpWindowHolder();
    helpWindowHolder(const helpWindowHolder&) = delete;
    helpWindowHolder& operator=(const helpWindowHolder&) = delete;

    // Shows the help window modally over the opener.
    void showModal(QWidget* opener);
    frmHelp* window() const { return window_.get(); }

private:
    clsAppContext& ctx_;
    std::unique_ptr<frmHelp> window_;
};
