// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <memory>

#include "ui/shell/clsAppContext.h"

namespace Ui {
class frmHelp;
}

// The read-only help page. Its text and colours are set once, when it is
// made; afterwards it is only hidden and shown again (see helpWindowHolder).
// Its controls are designed in frmHelp.ui.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    frmHelp(clsAppContext& ctx, QWidget* parent = nullptr);
    ~frmHelp() override;

private:
    void Form_Load();
    void fillHelpText();
    void applyColorStyle();
    void cmdOk_Click();

    clsAppContext& ctx_;
    // The controls, designed in frmHelp.ui.
    std::unique_ptr<Ui::frmHelp> ui;
};
