// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <memory>
#include <string>

#include "ui/shell/clsAppContext.h"

namespace Ui {
class frmColorStyle;
}

// Lets the user pick a colour style: a pick repaints this dialog alone as a
// preview; OK makes the last pick the program's style, Cancel keeps the old
// one. The opener repaints itself afterwards. A fresh dialog is made for
// every opening. Its controls are designed in frmColorStyle.ui; the style
// list opens as a scrolling list of 20 names, like every drop-down list.
class frmColorStyle : public QDialog {
    Q_OBJECT
public:
    frmColorStyle(clsAppContext& ctx, QWidget* parent = nullptr);
    ~frmColorStyle() override;

private:
    void Form_Load();
    void applyColorStyle(const std::string& styleName);
    void cboColorStyle_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

    clsAppContext& ctx_;
    std::string pendingStyle;  // picked, not yet confirmed
    // The controls, designed in frmColorStyle.ui.
    std::unique_ptr<Ui::frmColorStyle> ui;
};
