// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/frmConstruct.h"
#include "ui_frmConstruct.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "model/binds/clsbind.h"
#include "model/cfgfile/clsCfgDocument.h"
#include "model/cfgfile/clsCfgImport.h"
#include "model/cfgfile/clsCfgOpen.h"
#include "model/cfgfile/clsOpenReport.h"
#include "model/console/clsBindLine.h"
#include "model/keys/clsKeyNames.h"
#include "platform/qtText.h"
#include "ui/construction/chatPreviewBar.h"
#include "ui/construction/frmKeyboardView.h"
#include "ui/construction/frmPressKey.h"
#include "ui/construction/frmReview.h"
#include "ui/save/frmSaveToFile.h"
#include "ui/styles/frmColorStyle.h"
#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/execFresh.h"
#include "ui/widgets/fitCaption.h"
#include "ui/widgets/qtListControl.h"

namespace {
// Design client width of the window.
constexpr int clientWidth = 9300;
// What the original platform's caption, menu bar and borders take of a
// window height.
constexpr int windowFrame = 780;
}  // namespace

frmConstruct::frmConstruct(clsAppContext& ctx, helpWindowHolder& help, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), help_(help), ui(std::make_unique<Ui::frmConstruct>()) {
    ui->setupUi(this);
    completeDesign();

    connect(ui->cboKeys, &QComboBox::activated, this, [this] { cboKeys_Click(); });
    connect(ui->cmdPressKey, &QPushButton::clicked, this, [this] { cmdPressKey_Click(); });
    connect(ui->optPublicBind, &QRadioButton::clicked, this, [this] { optPublicBind_Click(); });
    connect(ui->optTeamBind, &QRadioButton::clicked, this, [this] { optTeamBind_Click(); });
    connect(ui->optRadio, &QRadioButton::clicked, this, [this] { optRadio_Click(); });
    connect(ui->cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(ui->cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(ui->cmdRadioAdd, &QPushButton::clicked, this, [this] { cmdRadioAdd_Click(); });
    connect(ui->cmdRadioCancel, &QPushButton::clicked, this, [this] { cmdRadioCancel_Click(); });
    connect(ui->fraTextBind, &textBindFrame::finished, this, [this] { resetScreen(); });
    connect(ui->fraTextBind, &textBindFrame::resized, this, [this] { fitToTextBind(); });
    connect(ui->mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(ui->mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    connect(ui->mnuReset, &QAction::triggered, this, [this] { mnuReset_Click(); });
    connect(ui->mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(ui->mnuReview, &QAction::triggered, this, [this] { mnuReview_Click(); });
    connect(ui->mnuKeyboard, &QAction::triggered, this, [this] { mnuKeyboard_Click(); });
    connect(ui->mnuColorStyle, &QAction::triggered, this, [this] { mnuColorStyle_Click(); });
    connect(ui->mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });

    Form_Load();
}

frmConstruct::~frmConstruct() = default;

void frmConstruct::completeDesign() {
    chatPreview = new chatPreviewBar(centralWidget());
    chatPreview->hide();
    QWidget* client = centralWidget();
    client->setFont(controlFace(client->font()));
    for (QWidget* w : client->findChildren<QWidget*>()) w->setFont(controlFace(w->font()));
}

// ---- Load and the screen's states -----------------------------------------

void frmConstruct::Form_Load() {
    setupControls();
    applyColorStyle();
    fillKeyList();
    setWindowTitle(tr("Make your SoF2 Binds"));
}

// The key list from the key group; the key shown stays shown (keys are
// only ever added at the end).
void frmConstruct::fillKeyList() {
    const int shown = ui->cboKeys->currentIndex();
    bulkComboFill keys(ui->cboKeys);
    ctx_.builder.fillCombo(keys, clsGroupToken::key);
    keys.flush();
    if (shown >= 0 && shown < ui->cboKeys->count()) ui->cboKeys->setCurrentIndex(shown);
}

void frmConstruct::setupControls() {
    ui->fraTextBind->setUp(ctx_, layout_, chatPreview);
    // The two build frames share one place under the top frames, 150 apart.
    const int buildTop = layout_.topOf(ui->fraSelect) + layout_.heightOf(ui->fraSelect) + 150;
    layout_.setTopOf(ui->fraTextBind, buildTop);
    layout_.setTopOf(ui->fraRadio, buildTop);

    comboListControl radio(ui->cboRadio, true);
    ctx_.builder.fillCombo(radio, clsGroupToken::radio);

    // Tab order: the key selection, the text frame, the radio frame.
    QWidget* previous = ui->cmdContinue;
    for (QWidget* w : ui->fraTextBind->tabChain()) QWidget::setTabOrder(std::exchange(previous, w), w);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->cboRadio, ui->cmdRadioAdd, ui->cmdRadioCancel})
        QWidget::setTabOrder(std::exchange(previous, w), w);

    resetScreen();
}

void frmConstruct::resetScreen() {
    ui->fraTextBind->reset();
    ui->fraRadio->hide();
    setWindowHeight(layout_.topOf(ui->fraSelect) + layout_.heightOf(ui->fraSelect) + 150 + 800);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->cmdContinue, ui->optTeamBind, ui->optPublicBind, ui->optRadio,
                                                      ui->cboKeys, ui->cmdPressKey})
        w->setEnabled(true);

    // The kind and description beside the key list describe the key the
    // list shows.
    const bool keyShown = ui->cboKeys->currentIndex() >= 0;
    if (keyShown) showBindOf(pickedText(ui->cboKeys));

    const bool ready = keyShown && anyBindTypePicked();
    ui->cmdContinue->setVisible(ready);
    ui->cmdClear->setVisible(ready);
    // Back at the key list, where the next bind starts (the frame that had
    // the focus is hidden now).
    ui->cboKeys->setFocus();
    if (keyboardView_) keyboardView_->setBuilding({});
}

// The chat preview stands 150 under the text frame and adds its height.
void frmConstruct::fitToTextBind() {
    const int previewTop = layout_.topOf(ui->fraTextBind) + layout_.heightOf(ui->fraTextBind) + 150;
    layout_.place(chatPreview, 240, previewTop, 8895, chatPreviewBar::heightTwips());
    setWindowHeight(previewTop + chatPreviewBar::heightTwips() + 800 + 150);
}

void frmConstruct::fitToRadioBind() {
    setWindowHeight(layout_.topOf(ui->fraRadio) + layout_.heightOf(ui->fraRadio) + 800 + 150);
}

void frmConstruct::setWindowHeight(int windowTwips) { fitMainWindow(this, clientWidth, windowTwips, windowFrame); }

// ---- Key selection and the radio frame -------------------------------------

void frmConstruct::cboKeys_Click() {
    if (anyBindTypePicked()) ui->cmdContinue->show();
    showBindOf(pickedText(ui->cboKeys));
}

bool frmConstruct::pickKey(const std::string& name) {
    const int row = keyRow(ui->cboKeys, name);
    if (row < 0) return false;
    ui->cboKeys->setCurrentIndex(row);
    cboKeys_Click();
    return true;
}

// The model's "not bound" answer is shown in the player's language.
void frmConstruct::showBindOf(const std::string& key) {
    const auto shown = [](const std::string& text) {
        return text == clsScheme::notBound ? tr("This key is not bound yet...") : toQString(text);
    };
    ui->txtKind->setText(shown(ctx_.builder.get_bindKind(key)));
    ui->txtDesc->setText(shown(ctx_.builder.get_binddesc(key)));
}

void frmConstruct::optPublicBind_Click() { bindTypeClicked(); }

void frmConstruct::optTeamBind_Click() { bindTypeClicked(); }

void frmConstruct::optRadio_Click() { bindTypeClicked(); }

void frmConstruct::bindTypeClicked() {
    if (ui->cboKeys->currentIndex() >= 0) ui->cmdContinue->show();
}

bool frmConstruct::anyBindTypePicked() const {
    return ui->optPublicBind->isChecked() || ui->optTeamBind->isChecked() || ui->optRadio->isChecked();
}

void frmConstruct::cmdContinue_Click() {
    // Continue is offered only with a key and a type picked.
    if (ui->cboKeys->currentIndex() < 0 || !anyBindTypePicked()) return;
    currentKey = pickedText(ui->cboKeys);
    if (ui->optTeamBind->isChecked() || ui->optPublicBind->isChecked()) {
        fitToTextBind();
        ui->fraTextBind->start(currentKey, ui->optPublicBind->isChecked() ? clsBindKind::say : clsBindKind::sayTeam);
    } else if (ui->optRadio->isChecked()) {
        fitToRadioBind();
        ui->fraRadio->show();
        ui->cboRadio->setFocus();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{ui->cmdContinue, ui->optPublicBind, ui->optTeamBind, ui->optRadio,
                                                      ui->cboKeys, ui->cmdPressKey})
        w->setEnabled(false);
    if (keyboardView_) keyboardView_->setBuilding(currentKey);
}

void frmConstruct::cmdRadioAdd_Click() {
    if (ui->cboRadio->currentIndex() < 0) return;
    const std::string entry = pickedText(ui->cboRadio);
    const std::string value = ctx_.builder.get_value(clsGroupToken::radio, entry);
    if (!ctx_.builder.add_radio_code(currentKey, value, entry)) {
        // The radio frame stays: another command can be picked.
        const clsRefusal r = clsBindLine::refusal(ctx_.builder.get_refusal(), true);
        ctx_.platform.messages.show(r.title, r.text, msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    resetScreen();
}

void frmConstruct::cmdRadioCancel_Click() { resetScreen(); }

// Clear acts on the key the list shows, which is the key the question
// names and the player looks at (while a bind is built the list shows the
// key being built). With no key shown there is nothing to clear.
void frmConstruct::cmdClear_Click() {
    if (ui->cboKeys->currentIndex() < 0) return;
    const std::string key = pickedText(ui->cboKeys);
    if (!askYesNo(tr("Clear?").toStdString(),
                  tr("Are you sure you want to CLEAR button: '%1' of any binds?").arg(toQString(key)).toStdString()))
        return;
    ctx_.builder.remove_entire_bind(key);
    resetScreen();
}

// ---- Menus -----------------------------------------------------------------

void frmConstruct::mnuReset_Click() {
    if (!askYesNo(tr("RESET?").toStdString(), tr("Are you sure you want to DELETE all made binds?").toStdString()))
        return;
    ctx_.builder.Reset_Binds();
    resetScreen();
}

// A confirmed Exit gives the unsaved binds up: their draft goes too.
void frmConstruct::mnuExit_Click() {
    if (!confirmExit()) return;
    ctx_.draft.discard();
    ctx_.builder.SaveSettings(ctx_.platform.settings, ctx_.currentColorStyle);
    ctx_.platform.exit.endProgram();
}

bool frmConstruct::confirmExit() {
    return askYesNo(tr("Exit?").toStdString(),
                    tr("Are you sure you want to exit? Any unsaved information will be lost!").toStdString(), true);
}

void frmConstruct::mnuSave_Click() {
    QPointer<frmSaveToFile> dialog = new frmSaveToFile(ctx_, this);
    hide();
    dialog->exec();
    delete dialog;
    // Back shows this screen again and a save ends the program; however
    // else the dialog went away, the user keeps a window.
    if (!ctx_.platform.exit.ending() && !isVisible()) show();
}

void frmConstruct::mnuReview_Click() { execFresh<frmReview>(ctx_, this); }

// The binds on the keyboard, beside this screen: a key clicked there is
// picked as from the key list, only while this screen selects a key.
void frmConstruct::mnuKeyboard_Click() {
    if (!keyboardView_)
        keyboardView_ = new frmKeyboardView(
            ctx_, [this](const std::string& key) { ui->cboKeys->isEnabled() && pickKey(key); }, this);
    keyboardView_->setBuilding(ui->cboKeys->isEnabled() ? std::string() : currentKey);
    keyboardView_->show();
    keyboardView_->raise();
    keyboardView_->activateWindow();
}

void frmConstruct::mnuColorStyle_Click() {
    execFresh<frmColorStyle>(ctx_, this);
    applyColorStyle();
}

void frmConstruct::mnuHelp_Click() { help_.showModal(this); }

// Every question of this screen deletes or loses binds on Yes: No is what
// Enter answers, so one stray key press loses nothing.
bool frmConstruct::askYesNo(const std::string& title, const std::string& text, bool warning) {
    return ctx_.platform.messages.show(title, text, warning ? msgIcon::Exclamation : msgIcon::None, msgButtons::YesNo,
                                       msgAnswer::No) == msgAnswer::Yes;
}

void frmConstruct::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({ui->cmdContinue, ui->cmdClear, ui->cmdPressKey});
    // The buttons are narrow: keep their whole width for the caption.
    for (QPushButton* b : {ui->cmdContinue, ui->cmdClear, ui->cmdPressKey})
        b->setStyleSheet(b->styleSheet() +
                         QStringLiteral(" QPushButton#%1 { padding: 1px 0px; }").arg(b->objectName()));
    // One face for the window; a row whose caption would be cut shrinks together.
    const QFont face = controlFace(font());
    fitCaptions(face, {ui->cmdClear, ui->cmdContinue});
    ui->fraTextBind->paint(paint, face);
    fitCaptions(face, {ui->cmdRadioAdd, ui->cmdRadioCancel});
    fitCaptions(face, {ui->cmdPressKey});
    paint.labels({ui->lblKeys, ui->lblKind, ui->lblDesc, ui->lblRadio});
    paint.boxes({ui->cboKeys, ui->txtKind, ui->txtDesc, ui->cboRadio});
    paint.framesAndOptions(
        {ui->fraSelect, ui->fraBindType, ui->fraRadio, ui->optPublicBind, ui->optTeamBind, ui->optRadio});
    if (keyboardView_) keyboardView_->applyColorStyle();
}

// ---- Press Key, Open Cfg File, the close box and Escape --------------------

// Picks the key the player presses (or clicks, or turns the wheel) in the
// key list, as picking it in the list does; the console key, a key the game
// has no name for, or one that the definition file does not list, is named
// in a message.
void frmConstruct::cmdPressKey_Click() {
    QPointer<frmPressKey> capture = new frmPressKey(ctx_, this);
    const bool pressed = capture->exec() == QDialog::Accepted && capture;
    const std::string name = pressed ? capture->pressedName() : std::string();
    const std::string shown = pressed ? capture->pressedText().toStdString() : std::string();
    const bool consoleKey = pressed && capture->pressedConsoleKey();
    delete capture;
    if (!pressed) return;
    const bool listed = !name.empty() && keyRow(ui->cboKeys, name) >= 0;
    if (const std::optional<clsRefusal> problem = clsKeyNames::pressRefusal(consoleKey, name, shown, listed)) {
        ctx_.platform.messages.show(problem->title, problem->text, msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    pickKey(name);
    // On to the next step: Continue when a bind type is picked, else the types.
    if (ui->cmdContinue->isVisible())
        ui->cmdContinue->setFocus();
    else
        ui->optPublicBind->setFocus();
}

void frmConstruct::closeEvent(QCloseEvent* event) {
    if (ctx_.platform.exit.ending()) {
        event->accept();
        return;
    }
    // The close box asks as Exit does, but a window closed that way keeps
    // its unsaved binds as a draft, written at once, for the next start.
    event->ignore();
    if (!confirmExit()) return;
    ctx_.writeDraft();
    ctx_.builder.SaveSettings(ctx_.platform.settings, ctx_.currentColorStyle);
    ctx_.platform.exit.endProgram();
    event->accept();
}

void frmConstruct::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) && (ui->fraTextBind->isVisible() || ui->fraRadio->isVisible())) {
        if (ui->fraTextBind->isVisible())
            ui->fraTextBind->cmdTextCancel_Click();
        else
            cmdRadioCancel_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
