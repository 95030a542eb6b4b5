// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <memory>

#include "ui/shell/clsAppContext.h"

namespace Ui {
class frmReview;
}

// Shows every bound key with its kind and plain text, as the builder lists
// them. A fresh window is made for every opening, so it shows the binds as
// they are at that moment. Its controls are designed in frmReview.ui.
class frmReview : public QDialog {
    Q_OBJECT
public:
    frmReview(clsAppContext& ctx, QWidget* parent = nullptr);
    ~frmReview() override;

private:
    void Form_Load();
    void applyColorStyle();
    void cmdOk_Click();

    clsAppContext& ctx_;
    // The controls, designed in frmReview.ui.
    std::unique_ptr<Ui::frmReview> ui;
};
