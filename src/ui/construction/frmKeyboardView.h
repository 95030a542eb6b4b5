// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "model/keys/clsKeyboardMap.h"
#include "ui/shell/clsAppContext.h"

class offPictureList;

namespace Ui {
class frmKeyboardView;
}

// Keyboard View: the binds on a picture of the keyboard and mouse, beside the
// construction screen (modeless). It follows every change of the binds (the
// builder tells it) and the colour style; clicking a key picks it in the
// construction screen's key list through the handler that screen gives, but
// only while that screen selects a key: while a bind is built the picture is
// read-only and its status line says so. Save Picture writes it as a PNG
// file. It remembers its size and place; it is deleted when closed.
class frmKeyboardView : public QDialog {
    Q_OBJECT
public:
    // A key picked, as the definition file spells it.
    using picker = std::function<void(const std::string& key)>;

    frmKeyboardView(clsAppContext& ctx, picker pick, QWidget* parent = nullptr);
    ~frmKeyboardView() override;

    // The key whose bind the construction screen builds; empty while it
    // selects a key (the picture picks).
    void setBuilding(const std::string& key);
    void applyColorStyle();

    const clsKeyboardMap& map() const { return map_; }

    static inline const std::string settingsSection = "KeyboardView";
    static inline const std::string settingsKey = "Geometry";

    // Where a window (its frame) of size wanted, least at its smallest, goes
    // beside owner without covering it: right of it, left, above or below
    // (where the construction screen grows while a bind is built, so last).
    // A side where it keeps its size comes first; else the side where it
    // shrinks least. Empty when no side has room for least.
    static QRect besideRect(const QRect& owner, const QRect& screen, const QSize& wanted, const QSize& least);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void bindsChanged();
    void pickPlace(int place);
    void pickKey(const std::string& key, const std::string& title);
    void cmdSavePicture_Click();
    void showStatus(const QString& text);
    void showState();
    void placeWindow();
    void rememberPlace();

    clsAppContext& ctx_;
    picker pick_;
    clsKeyboardMap map_;
    offPictureList* offPicture_ = nullptr;
    std::size_t listener_ = 0;
    std::string building_;

    // The controls, designed in frmKeyboardView.ui.
    std::unique_ptr<Ui::frmKeyboardView> ui;
};
