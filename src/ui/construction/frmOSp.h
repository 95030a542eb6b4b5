// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <memory>
#include <string>

#include "ui/shell/clsAppContext.h"

namespace Ui {
class frmOSp;
}

// Picks one OSP token and adds its text to the bind being built, at its
// front or its back. A fresh dialog is made for every opening. Its controls
// are designed in frmOSp.ui.
class frmOSp : public QDialog {
    Q_OBJECT
public:
    frmOSp(clsAppContext& ctx, QWidget* parent = nullptr);
    ~frmOSp() override;

    // The key whose bind takes the token, the bind's kind ("say" or
    // "say_team"), and "True" to put the token in front.
    void set_Properties(const std::string& a_key, const std::string& a_kind, const std::string& a_front);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void applyColorStyle();
    void cmdOk_Click();
    void cmdCancel_Click();

    clsAppContext& ctx_;
    std::string bindKey;
    clsBindKind bindKind = clsBindKind::none;
    bool toFront = false;
    // The controls, designed in frmOSp.ui.
    std::unique_ptr<Ui::frmOSp> ui;
};
