// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <QString>
#include <memory>
#include <string>

#include "ui/shell/clsAppContext.h"

namespace Ui {
class frmPressKey;
}

// Takes the next key press, mouse button or wheel step over its capture area
// and answers the game's name for it (clsKeyNames). Escape, Cancel and the
// close box cancel. A fresh dialog is made for every opening; its controls
// are designed in frmPressKey.ui.
class frmPressKey : public QDialog {
    Q_OBJECT
public:
    frmPressKey(clsAppContext& ctx, QWidget* parent = nullptr);
    ~frmPressKey() override;

    // After exec() answered Accepted: the game's name of what was pressed
    // (empty when the game has none) and how the toolkit names it, for
    // telling the player.
    const std::string& pressedName() const { return name_; }
    const QString& pressedText() const { return shown_; }
    // The key pressed is the one that opens the game's console (no name).
    bool pressedConsoleKey() const { return consoleKey_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyColorStyle();
    void take(const std::string& name, const QString& shown);

    clsAppContext& ctx_;
    std::string name_;
    QString shown_;
    bool consoleKey_ = false;
    // The controls, designed in frmPressKey.ui.
    std::unique_ptr<Ui::frmPressKey> ui;
};
