#pragma once
#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <array>
#include <cstdint>
#include <string>

#include "help/helpWindowHolder.h"
#include "ui_frmConstruct.h"
#include "widgets/clsAppContext.h"

class chatPreviewBar;
class frmKeyboardView;

// The working window: pick a key and a bind type, then build the key's chat
// text piece by piece (the text frame) or pick one radio command.
//
// Three states: selecting a key (only the two top frames), building text
// (fraTextBind shown) and building radio (fraRadio shown). Every bind lives
// in the builder; this window only reads and changes it through ctx.builder.
//
// Control names are the object names; the controls, menus and tab order are
// designed in frmConstruct.ui. The eight colour rows are
// "cboColor0".."cboColor7" and "lblColor0".."lblColor7" (row k is captioned
// "Pattern Color # k+1:"): Qt needs a unique name per control. The form holds
// row 0; set-up makes rows 1 to 7 as its copies.
class frmConstruct : public QMainWindow, private Ui::frmConstruct {
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
    static constexpr int colorRows = 8;

    // What the form leaves to the code: faces, the text line's filter, the
    // chat preview strip and the copies of colour row 0.
    void completeDesign();
    void createColorRow(int k);

    // Load and the screen's states.
    void Form_Load();
    void setupControls();
    void resetScreen();
    void fitToTextBind();
    void fitToRadioBind();
    void showPatternColors(std::int16_t n);
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

    // The text frame (frmConstructText.cpp).
    void cboColors_Click();
    void chkAddToFront_Click();
    void cmdTextAdd_Click();
    void cmdTextUndo_Click();
    void cmdTextDone_Click();
    void cmdTextCancel_Click();
    void cmdTextOsp_Click();

    // Helpers.
    void fillKeyList();
    bool confirmExit();
    void bindTypeClicked();
    bool askYesNo(const std::string& title, const std::string& text, bool warning = false);
    void showBindOf(const std::string& key);
    void showBindCode();
    void tellRefusal();
    void showRefused(const QString& removed);
    void placeChatPreview();
    void fillColorRow(int k);
    void learnSwatches();
    QIcon swatchIcon(int index);
    static std::int16_t pickedNumber(const QComboBox* list);
    bool anyBindTypePicked() const;
    int keyRow(const std::string& name) const;

    // Layout in twips, kept per control so that the run-time rules read as
    // "top of this = top of that + height of that + 150". A control the
    // screen has not placed yet stands where the form put it.
    void place(QWidget* w, int left, int top, int width, int height);
    QRect twipsOf(const QWidget* w) const;
    int topOf(const QWidget* w) const;
    int heightOf(const QWidget* w) const;
    void setTopOf(QWidget* w, int t);
    void setHeightOf(QWidget* w, int h);
    // Height of the whole window as the original platform counts it
    // (caption, menu bar and borders included).
    void setWindowHeight(int windowTwips);
    // The window height that shows fraTextBind down to its bottom edge. Anything
    // placed under the frame adds its height here.
    int textBindWindowHeight() const;

    clsAppContext& ctx_;
    helpWindowHolder& help_;

    std::string currentKey;
    std::string currentKind;
    std::int16_t colorCount = 0;
    bool addToFront = false;

    QHash<const QWidget*, QRect> twipsLayout_;
    // The swatch (game colour 0 to 7, -1 none) of each colour name.
    QHash<QByteArray, int> colorSwatch_;
    std::array<QIcon, 8> swatchIcons_;

    // Colour row 0 (lblColor0, cboColor0) and set-up's copies of it.
    std::array<QLabel*, colorRows> lblColor{};
    std::array<QComboBox*, colorRows> cboColor{};
    // Under the text frame: the chat line as the game will show it.
    chatPreviewBar* chatPreview = nullptr;
    // Extra / Keyboard View, while it is open.
    QPointer<frmKeyboardView> keyboardView_;
};
