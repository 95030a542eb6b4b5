// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "ui/help/helpWindowHolder.h"
#include "ui/shell/clsAppContext.h"
#include "ui/widgets/twipsLayout.h"

class chatPreviewBar;
class frmKeyboardView;

namespace Ui {
class frmConstruct;
}

// The working window: pick a key and a bind type, then build the key's chat
// text piece by piece (the text frame, textBindFrame) or pick one radio
// command.
//
// Three states: selecting a key (only the two top frames), building text
// (fraTextBind shown) and building radio (fraRadio shown). Every bind lives
// in the builder; this window only reads and changes it through ctx.builder.
// Control names are the object names; the controls, menus and tab order are
// designed in frmConstruct.ui.
class frmConstruct : public QMainWindow {
    Q_OBJECT
public:
    frmConstruct(clsAppContext& ctx, helpWindowHolder& help, QWidget* parent = nullptr);
    ~frmConstruct() override;

    // Opens the cfg file at path as File / Open Cfg File does, telling the
    // player what it read; false when nothing was opened.
    bool openCfg(const std::string& path);
    // The key-selection state showing the first bound key with its bind type.
    void showFirstBind();

protected:
    // The close box asks like File / Exit; it closes without asking while
    // the program is ending.
    void closeEvent(QCloseEvent* event) override;
    // Escape acts as the Cancel of the build frame shown.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the form leaves to the code: faces, the chat preview strip, the
    // text frame's part in the window.
    void completeDesign();

    // Load and the screen's states.
    void Form_Load();
    void setupControls();
    void resetScreen();
    void fitToTextBind();
    void fitToRadioBind();
    void applyColorStyle();

    // Key selection and the radio frame.
    void cboKeys_Click();
    void cmdPressKey_Click();
    void optPublicBind_Click();
    void optTeamBind_Click();
    void optRadio_Click();
    void cmdContinue_Click();
    void cmdClear_Click();
    void cmdRadioAdd_Click();
    void cmdRadioCancel_Click();

    // Menus.
    void mnuSave_Click();
    void mnuOpen_Click();
    void mnuReset_Click();
    void mnuExit_Click();
    void mnuReview_Click();
    void mnuKeyboard_Click();
    void mnuColorStyle_Click();
    void mnuHelp_Click();

    // Helpers.
    void fillKeyList();
    bool confirmExit();
    void bindTypeClicked();
    bool askYesNo(const std::string& title, const std::string& text, bool warning = false);
    void showBindOf(const std::string& key);
    // Picks the key in the key list as picking it there does; false when the list lacks it.
    bool pickKey(const std::string& name);
    bool anyBindTypePicked() const;
    // Height of the whole window as the original platform counts it
    // (caption, menu bar and borders included).
    void setWindowHeight(int windowTwips);

    clsAppContext& ctx_;
    helpWindowHolder& help_;

    std::string currentKey;
    twipsLayout layout_;
    // Under the text frame: the chat line as the game will show it.
    chatPreviewBar* chatPreview = nullptr;
    // Extra / Keyboard View, while it is open.
    QPointer<frmKeyboardView> keyboardView_;

    // The controls, designed in frmConstruct.ui.
    std::unique_ptr<Ui::frmConstruct> ui;
};
