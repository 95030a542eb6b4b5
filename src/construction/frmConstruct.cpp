#include "construction/frmConstruct.h"
#include "construction/chatPreviewBar.h"
#include "construction/clsChatPreview.h"
#include "widgets/fitCaption.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QAbstractListModel>
#include <filesystem>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <vector>

#include "bindmodel/clsbind.h"
#include "cfgoutput/clsCfgDocument.h"
#include "cfgoutput/clsCfgImport.h"
#include "cfgoutput/clsOpenReport.h"
#include "cfgoutput/frmSaveToFile.h"
#include "construction/clsKeyNames.h"
#include "construction/frmPressKey.h"
#include "construction/frmReview.h"
#include "construction/keyPressFilter.h"
#include "styles/frmColorStyle.h"
#include "styles/stylePainter.h"
#include "ui/construction/frmKeyboardView.h"
#include "widgets/qtListControl.h"
#include "widgets/twips.h"

namespace {

// Design client width of the window.
constexpr int clientWidth = 9300;
// What the original platform's caption, menu bar and borders take of a
// window height.
constexpr int windowFrame = 780;

// The layout is measured for an 8 point sans serif face (11 pixels at 15
// twips a pixel); a wider default face would cut the captions. Set on every
// control, since a painted control does not take its parent's face.
QFont controlFace(QFont face) {
    face.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans")});
    face.setPixelSize(11);
    return face;
}

// The key list's entries: the keys' bytes, shown decoded. A definition file
// may list tens of thousands of keys; keeping the bytes and decoding only
// the rows a list shows keeps loading them to one pass over the texts.
// Each entry answers its bytes as item data, as comboListControl's entries
// do, so pickedText reads the picked key back exactly.
class byteListModel : public QAbstractListModel {
public:
    explicit byteListModel(QObject* parent) : QAbstractListModel(parent) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(entries_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) return {};
        const std::string& e = entries_[static_cast<std::size_t>(index.row())];
        if (role == Qt::DisplayRole || role == Qt::EditRole) return showText(e);
        if (role == Qt::UserRole) return QByteArray(e.data(), static_cast<qsizetype>(e.size()));
        return {};
    }
    void setEntries(std::vector<std::string> entries) {
        beginResetModel();
        entries_ = std::move(entries);
        endResetModel();
    }

private:
    std::vector<std::string> entries_;
};

// Lets the builder fill a list backed by a byteListModel, in insertion
// order; the entries reach the list in one step at flush.
class bulkComboFill : public clsListControl {
public:
    explicit bulkComboFill(QComboBox* box) : box_(box) {
        model_ = dynamic_cast<byteListModel*>(box_->model());
        if (!model_) {
            model_ = new byteListModel(box_);
            box_->setModel(model_);
        }
    }
    void clear() override { entries_.clear(); }
    void addItem(const std::string& entry) override { entries_.push_back(entry); }
    // Puts the gathered entries into the list; nothing is picked afterwards.
    void flush() {
        model_->setEntries(std::move(entries_));
        entries_.clear();
        box_->setCurrentIndex(-1);
    }

private:
    QComboBox* box_;
    byteListModel* model_ = nullptr;
    std::vector<std::string> entries_;
};

}  // namespace

frmConstruct::frmConstruct(clsAppContext& ctx, helpWindowHolder& help, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), help_(help) {
    setupUi(this);
    completeDesign();

    connect(cboKeys, &QComboBox::activated, this, [this] { cboKeys_Click(); });
    connect(cmdPressKey, &QPushButton::clicked, this, [this] { cmdPressKey_Click(); });
    connect(optPublicBind, &QRadioButton::clicked, this, [this] { optPublicBind_Click(); });
    connect(optTeamBind, &QRadioButton::clicked, this, [this] { optTeamBind_Click(); });
    connect(optRadio, &QRadioButton::clicked, this, [this] { optRadio_Click(); });
    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(cmdRadioAdd, &QPushButton::clicked, this, [this] { cmdRadioAdd_Click(); });
    connect(cmdRadioCancel, &QPushButton::clicked, this, [this] { cmdRadioCancel_Click(); });
    connect(cboColors, &QComboBox::activated, this, [this] { cboColors_Click(); });
    connect(chkAddToFront, &QCheckBox::clicked, this, [this] { chkAddToFront_Click(); });
    connect(cmdTextAdd, &QPushButton::clicked, this, [this] { cmdTextAdd_Click(); });
    connect(cmdTextUndo, &QPushButton::clicked, this, [this] { cmdTextUndo_Click(); });
    connect(cmdTextDone, &QPushButton::clicked, this, [this] { cmdTextDone_Click(); });
    connect(cmdTextCancel, &QPushButton::clicked, this, [this] { cmdTextCancel_Click(); });
    connect(cmdTextOsp, &QPushButton::clicked, this, [this] { cmdTextOsp_Click(); });
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    connect(mnuReset, &QAction::triggered, this, [this] { mnuReset_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuReview, &QAction::triggered, this, [this] { mnuReview_Click(); });
    connect(mnuKeyboard, &QAction::triggered, this, [this] { mnuKeyboard_Click(); });
    connect(mnuColorStyle, &QAction::triggered, this, [this] { mnuColorStyle_Click(); });
    connect(mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });

    Form_Load();
}

frmConstruct::~frmConstruct() = default;

void frmConstruct::completeDesign() {
    lblColor[0] = lblColor0;
    cboColor[0] = cboColor0;
    // Typed, pasted and dropped text alike: letters, digits, space and the
    // chat punctuation, never ";" nor the start of a console comment.
    const clsInputHandler& filters = ctx_.inputHandler;
    // What it refuses is named, with why, in the line over it until the
    // next character it takes.
    filterBox(txtText, ctx_.platform.beep,
              boxRules{[&filters](char c, std::string_view before, std::string_view after) {
                           return filters.chatCharFits(c, before, after);
                       },
                       [&filters](std::string_view text) { return filters.cleanChatText(text); },
                       [this](const QString& removed) { showRefused(removed); }, [this] { showRefused({}); }});
    chatPreview = new chatPreviewBar(centralWidget());
    chatPreview->hide();
    QWidget* client = centralWidget();
    client->setFont(controlFace(client->font()));
    for (QWidget* w : client->findChildren<QWidget*>()) w->setFont(controlFace(w->font()));
}

// Colour row k as a copy of row 0: same kinds, caption, faces, place and
// size (set-up moves it down), joined to the tab order after row k-1.
void frmConstruct::createColorRow(int k) {
    const QString row = QString::number(k);
    lblColor[k] = new QLabel(fraTextBind);
    lblColor[k]->setObjectName(QStringLiteral("lblColor") + row);
    lblColor[k]->setTextFormat(lblColor[0]->textFormat());
    lblColor[k]->setText(lblColor[0]->text());
    const QRect label0 = twipsOf(lblColor[0]);
    place(lblColor[k], label0.x(), label0.y(), label0.width(), label0.height());
    cboColor[k] = new QComboBox(fraTextBind);
    cboColor[k]->setObjectName(QStringLiteral("cboColor") + row);
    cboColor[k]->setSizeAdjustPolicy(cboColor[0]->sizeAdjustPolicy());
    cboColor[k]->setMaxVisibleItems(cboColor[0]->maxVisibleItems());
    cboColor[k]->setIconSize(cboColor[0]->iconSize());
    const QRect combo0 = twipsOf(cboColor[0]);
    place(cboColor[k], combo0.x(), combo0.y(), combo0.width(), combo0.height());
    QWidget::setTabOrder(cboColor[k - 1], cboColor[k]);
    lblColor[k]->setFont(lblColor[0]->font());
    cboColor[k]->setFont(cboColor[0]->font());
}

// ---- Load and the screen's states -----------------------------------------

void frmConstruct::Form_Load() {
    setupControls();
    applyColorStyle();
    fillKeyList();
    setWindowTitle(QStringLiteral("Make your SoF2 Binds"));
}

// The key list from the key group; the key shown stays shown (keys are
// only ever added at the end).
void frmConstruct::fillKeyList() {
    const int shown = cboKeys->currentIndex();
    bulkComboFill keys(cboKeys);
    ctx_.builder.fillCombo(keys, "key:");
    keys.flush();
    if (shown >= 0 && shown < cboKeys->count()) cboKeys->setCurrentIndex(shown);
}

namespace {
// A number as the screen writes it into captions and lists: one leading
// space where a sign would go.
QString signed16(int n) { return QStringLiteral(" ") + QString::number(n); }
QString rowCaption(int row) { return QStringLiteral("Pattern Color #") + signed16(row) + QStringLiteral(":"); }
}  // namespace

void frmConstruct::setupControls() {
    learnSwatches();
    // Stacked controls stand 150 apart; a label sits 60 below the top of the
    // control it names.
    setTopOf(cboColors, topOf(txtText) + heightOf(txtText) + 150);
    setTopOf(lblColors, topOf(cboColors) + 60);
    setTopOf(cboSwitch, topOf(cboColors));
    setTopOf(lblSwitch, topOf(cboSwitch) + 60);

    setTopOf(cboColor[0], topOf(cboColors) + heightOf(cboColors) + 150);
    setTopOf(lblColor[0], topOf(cboColor[0]) + 60);
    fillColorRow(0);
    lblColor[0]->setText(rowCaption(1));
    cboColors->addItem(signed16(1));

    // The two build frames share one place under the top frames.
    setTopOf(fraTextBind, topOf(fraSelect) + heightOf(fraSelect) + 150);
    setTopOf(fraRadio, topOf(fraSelect) + heightOf(fraSelect) + 150);

    comboListControl radio(cboRadio, true);
    ctx_.builder.fillCombo(radio, "radio:");

    for (int k = 1; k < colorRows; ++k) {
        createColorRow(k);
        setTopOf(cboColor[k], topOf(cboColor[k - 1]) + heightOf(cboColor[k - 1]) + 150);
        setTopOf(lblColor[k], topOf(cboColor[k]) + 60);
        lblColor[k]->setText(rowCaption(k + 1));
        cboColors->addItem(signed16(k + 1));
    }

    resetScreen();
}

void frmConstruct::resetScreen() {
    fraTextBind->hide();
    fraRadio->hide();
    // The text frame shows only the text line and the pattern lists.
    setHeightOf(fraTextBind, topOf(cboColors) + heightOf(cboColors) + 150);
    setWindowHeight(topOf(fraSelect) + heightOf(fraSelect) + 150 + 800);

    cboColors->clear();
    cboSwitch->clear();
    for (int k = 0; k < colorRows; ++k) {
        lblColor[k]->hide();
        cboColor[k]->hide();
        fillColorRow(k);
        cboColors->addItem(signed16(k + 1));
    }
    for (int w = 1; w <= 10; ++w) cboSwitch->addItem(signed16(w));
    // A list that gets entries picks the first; these show nothing picked.
    cboColors->setCurrentIndex(-1);
    cboSwitch->setCurrentIndex(-1);

    for (QPushButton* b : {cmdTextAdd, cmdTextUndo, cmdTextDone, cmdTextCancel, cmdTextOsp}) b->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdContinue, optTeamBind, optPublicBind, optRadio, cboKeys, cmdPressKey})
        w->setEnabled(true);

    txtText->clear();
    showRefused({});
    txtOutput->clear();
    chatPreview->clear();
    chatPreview->hide();

    // The kind and description beside the key list describe the key the
    // list shows.
    const bool keyShown = cboKeys->currentIndex() >= 0;
    if (keyShown) showBindOf(pickedText(cboKeys));

    const bool ready = keyShown && anyBindTypePicked();
    cmdContinue->setVisible(ready);
    cmdClear->setVisible(ready);
    // Back at the key list, where the next bind starts (the frame that had
    // the focus is hidden now).
    cboKeys->setFocus();
    if (keyboardView_) keyboardView_->setBuilding({});
}

void frmConstruct::fitToTextBind() {
    placeChatPreview();
    setWindowHeight(textBindWindowHeight());
}

void frmConstruct::fitToRadioBind() { setWindowHeight(topOf(fraRadio) + heightOf(fraRadio) + 800 + 150); }

// The chat preview stands 150 under the text frame and adds its height.
int frmConstruct::textBindWindowHeight() const {
    return topOf(fraTextBind) + heightOf(fraTextBind) + 150 + chatPreviewBar::heightTwips() + 800 + 150;
}

void frmConstruct::placeChatPreview() {
    place(chatPreview, 240, topOf(fraTextBind) + heightOf(fraTextBind) + 150, 8895, chatPreviewBar::heightTwips());
}

void frmConstruct::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({cmdContinue, cmdClear, cmdTextAdd, cmdTextUndo, cmdTextDone, cmdTextCancel, cmdTextOsp, cmdPressKey});
    // The buttons are narrow: keep their whole width for the caption.
    for (QPushButton* b :
         {cmdContinue, cmdClear, cmdTextAdd, cmdTextUndo, cmdTextDone, cmdTextCancel, cmdTextOsp, cmdPressKey})
        b->setStyleSheet(b->styleSheet() + QStringLiteral(" QPushButton#%1 { padding: 1px 0px; }").arg(b->objectName()));
    // One face for the window; a row whose caption would be cut shrinks together.
    const QFont face = controlFace(font());
    fitCaptions(face, {cmdClear, cmdContinue});
    fitCaptions(face, {cmdTextAdd, cmdTextUndo, cmdTextDone, cmdTextCancel, cmdTextOsp});
    fitCaptions(face, {cmdRadioAdd, cmdRadioCancel});
    fitCaptions(face, {cmdPressKey});
    paint.labels({lblKeys, lblKind, lblDesc, lblText, lblRefused, lblColors, lblOutput, lblSwitch, lblRadio});
    paint.boxes({cboKeys, txtKind, txtDesc, txtText, cboColors, txtOutput, cboSwitch, cboRadio});
    // Every colour row, shown or not.
    for (int k = 0; k < colorRows; ++k) {
        paint.label(lblColor[k]);
        paint.box(cboColor[k]);
    }
    paint.framesAndOptions(
        {fraSelect, fraBindType, fraTextBind, fraRadio, optPublicBind, optTeamBind, optRadio, chkAddToFront});
    if (keyboardView_) keyboardView_->applyColorStyle();
}

// ---- Key selection and the radio frame -------------------------------------

void frmConstruct::cboKeys_Click() {
    if (anyBindTypePicked()) cmdContinue->show();
    showBindOf(pickedText(cboKeys));
}

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
    if (consoleKey) {
        ctx_.platform.messages.show("Console Key",
                                    "The key " + shown + " opens the game's console, so the game never runs a bind "
                                    "of it. Pick another key.",
                                    msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    if (name.empty()) {
        ctx_.platform.messages.show("Key Not Known",
                                    "The game has no name for " + (shown.empty() ? "this key" : "the key " + shown) +
                                        ", so it cannot be bound. Pick another key.",
                                    msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    const int row = keyRow(name);
    if (row < 0) {
        ctx_.platform.messages.show("Key Not Listed",
                                    "The key " + name + " is not in the key list of this definition file, so it "
                                    "cannot be bound now. To bind it, add the line key:" + name +
                                        " to the file with a text editor and load the file again at the next start.",
                                    msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    cboKeys->setCurrentIndex(row);
    cboKeys_Click();
    // On to the next step: Continue when a bind type is picked, else the types.
    if (cmdContinue->isVisible())
        cmdContinue->setFocus();
    else
        optPublicBind->setFocus();
}

// The row of the key list that names the key (the first, whatever the case
// of its letters); -1 when none does.
int frmConstruct::keyRow(const std::string& name) const {
    // The key of that spelling, else the one the game takes it for ("f1" is F1, "A" is not "a").
    const QAbstractItemModel* keys = cboKeys->model();
    int same = -1;
    for (int row = 0; row < keys->rowCount(); ++row) {
        const std::string key = keys->index(row, 0).data(Qt::UserRole).toByteArray().toStdString();
        if (key == name) return row;
        if (same < 0 && clsKeyNames::sameKey(key, name)) same = row;
    }
    return same;
}

void frmConstruct::optPublicBind_Click() { bindTypeClicked(); }
void frmConstruct::optTeamBind_Click() { bindTypeClicked(); }
void frmConstruct::optRadio_Click() { bindTypeClicked(); }

void frmConstruct::bindTypeClicked() {
    if (cboKeys->currentIndex() >= 0) cmdContinue->show();
}

void frmConstruct::cmdContinue_Click() {
    // Continue is offered only with a key and a type picked.
    if (cboKeys->currentIndex() < 0 || !anyBindTypePicked()) return;
    if (optTeamBind->isChecked() || optPublicBind->isChecked()) {
        fitToTextBind();
        fraTextBind->show();
        chatPreview->clear();
        chatPreview->show();
        txtText->setFocus();
    } else if (optRadio->isChecked()) {
        fitToRadioBind();
        fraRadio->show();
        cboRadio->setFocus();
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdContinue, optPublicBind, optTeamBind, optRadio, cboKeys, cmdPressKey})
        w->setEnabled(false);
    currentKey = pickedText(cboKeys);
    currentKind = optPublicBind->isChecked() ? "say" : optTeamBind->isChecked() ? "say_team" : "radio:";
    if (keyboardView_) keyboardView_->setBuilding(currentKey);
}

// Clear acts on the key the list shows, which is the key the question
// names and the player looks at (while a bind is built the list shows the
// key being built). With no key shown there is nothing to clear.
void frmConstruct::cmdClear_Click() {
    if (cboKeys->currentIndex() < 0) return;
    const std::string key = pickedText(cboKeys);
    if (!askYesNo("Clear?", "Are you sure you want to CLEAR button: '" + key + "' of any binds?")) return;
    ctx_.builder.remove_entire_bind(key);
    resetScreen();
}

void frmConstruct::cmdRadioAdd_Click() {
    if (cboRadio->currentIndex() < 0) return;
    const std::string entry = pickedText(cboRadio);
    const std::string value = ctx_.builder.get_value("radio:", entry);
    if (!ctx_.builder.add_radio_code(currentKey, value, entry)) {
        // The radio frame stays: another command can be picked.
        tellRefusal();
        return;
    }
    resetScreen();
}

void frmConstruct::cmdRadioCancel_Click() { resetScreen(); }

// ---- Menus -----------------------------------------------------------------

void frmConstruct::mnuSave_Click() {
    QPointer<frmSaveToFile> dialog = new frmSaveToFile(ctx_, this);
    hide();
    dialog->exec();
    delete dialog;
    // Back shows this screen again and a save ends the program; however
    // else the dialog went away, the user keeps a window.
    if (!ctx_.platform.exit.ending() && !isVisible()) show();
}

void frmConstruct::mnuOpen_Click() {
    const std::string path =
        ctx_.platform.fileDialog.openFile("Open Cfg File", ctx_.outputFolder(), "Cfg files (*.cfg)");
    if (!path.empty()) openCfg(path);
}

// Reads a cfg file as the game's console would and makes its binds the
// binds of this run: all of them or, when the player keeps the binds made
// so far or none can be taken, none. The file is kept byte for byte, so that
// saving changes only the binds. A file without binds opens too: the binds
// made so far stay, and saving adds them to it.
bool frmConstruct::openCfg(const std::string& path) {
    IMessageBox& messages = ctx_.platform.messages;
    const std::string title = "Open Cfg File";
    const std::string name = std::filesystem::path(path).filename().string();
    std::string bytes;
    std::size_t size = 0;
    clsImportProblem problem = clsCfgImport::readFile(path, clsCfgImport::largestFile, bytes, size);
    clsCfgDocument document;
    if (problem == clsImportProblem::none) {
        document = clsCfgDocument(name, std::move(bytes));
        problem = document.read().problem;
    }
    if (problem != clsImportProblem::none) {
        messages.show("Cannot Open File",
                      "The file " + ctx_.platform.folder.nativePath(path) + " cannot be opened: " +
                          clsOpenReport::problem(problem, size) + ".\r\nNothing was changed.",
                      msgIcon::Exclamation, msgButtons::Ok);
        return false;
    }
    const clsCfgImport& read = document.read();
    const std::string keeps = "\r\n\r\nWhen you save, everything else in " + name +
                              " stays as it is: only the binds you change are written.";
    if (read.bindings.empty()) {
        const std::size_t made = ctx_.builder.bound_count();
        ctx_.openDocument(std::move(document));
        messages.show(title,
                      name + " holds no binds yet" +
                          (made == 0 ? std::string(".")
                                     : ": the " + std::string(made == 1 ? "bind" : std::to_string(made) + " binds") +
                                           " you have made are added to it when you save.") +
                          clsOpenReport::leftOut(read, {}) + keeps,
                      msgIcon::Information, msgButtons::Ok);
        return true;
    }
    if (const std::size_t made = ctx_.builder.bound_count();
        made > 0 && messages.show(title,
                                  "Replace " + std::string(made == 1 ? "the bind" : "all " + std::to_string(made) + " binds") +
                                      " you have made with the binds of " + name + "?",
                                  msgIcon::Question, msgButtons::YesNo, msgAnswer::No) != msgAnswer::Yes)
        return false;
    const clsOpenResult opened = ctx_.builder.open_binds(read.binds());
    if (opened.opened == 0) {
        messages.show(title, clsOpenReport::nothingOpened(name, read, opened), msgIcon::Exclamation, msgButtons::Ok);
        return false;
    }
    document.leaveAlone(opened.refused);
    const std::string report = clsOpenReport::opened(name, read, opened) + keeps;
    ctx_.openDocument(std::move(document));
    if (!opened.addedKeys.empty()) fillKeyList();
    showFirstBind();
    messages.show(title, report, msgIcon::Information, msgButtons::Ok);
    return true;
}

// The key-selection state as after Done: the first bound key and its bind
// type picked, so that its bind shows and Clear and Continue are at hand.
void frmConstruct::showFirstBind() {
    ctx_.builder.go_to_first_bind();
    const clsbind& first = ctx_.builder.get_next_bind();
    if (!first.key.empty()) {
        if (const int row = keyRow(first.key); row >= 0) cboKeys->setCurrentIndex(row);
        QRadioButton* type = first.kind == "say" ? optPublicBind : first.kind == "say_team" ? optTeamBind : optRadio;
        type->setChecked(true);
    }
    resetScreen();
}

void frmConstruct::mnuReset_Click() {
    if (!askYesNo("RESET?", "Are you sure you want to DELETE all made binds?")) return;
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
    return askYesNo("Exit?", "Are you sure you want to exit? Any unsaved information will be lost!", true);
}

void frmConstruct::mnuReview_Click() {
    QPointer<frmReview> review = new frmReview(ctx_, this);
    review->exec();
    delete review;
}

// The binds on the keyboard, beside this screen. A key clicked there is
// picked as if from the key list, only while this screen selects a key.
void frmConstruct::mnuKeyboard_Click() {
    if (!keyboardView_) {
        keyboardView_ = new frmKeyboardView(ctx_, [this](const std::string& key) {
            const int row = keyRow(key);
            if (row < 0 || !cboKeys->isEnabled()) return;
            cboKeys->setCurrentIndex(row);
            cboKeys_Click();
        }, this);
        keyboardView_->setBuilding(cboKeys->isEnabled() ? std::string() : currentKey);
    }
    keyboardView_->show();
    keyboardView_->raise();
    keyboardView_->activateWindow();
}

void frmConstruct::mnuColorStyle_Click() {
    QPointer<frmColorStyle> styles = new frmColorStyle(ctx_, this);
    styles->exec();
    delete styles;
    applyColorStyle();
}

void frmConstruct::mnuHelp_Click() { help_.showModal(this); }

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
    if (event->matches(QKeySequence::Cancel) && (fraTextBind->isVisible() || fraRadio->isVisible())) {
        if (fraTextBind->isVisible())
            cmdTextCancel_Click();
        else
            cmdRadioCancel_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---- Helpers ---------------------------------------------------------------

// Every question of this screen deletes or loses binds on Yes: No is what
// Enter answers, so one stray key press loses nothing.
bool frmConstruct::askYesNo(const std::string& title, const std::string& text, bool warning) {
    return ctx_.platform.messages.show(title, text, warning ? msgIcon::Exclamation : msgIcon::None, msgButtons::YesNo,
                                       msgAnswer::No) == msgAnswer::Yes;
}

void frmConstruct::showBindOf(const std::string& key) {
    txtKind->setText(showText(ctx_.builder.get_bindKind(key)));
    txtDesc->setText(showText(ctx_.builder.get_binddesc(key)));
}

// The line over the text box: what the box took out of what was typed or
// pasted, and why; nothing when removed is empty. A line too long for the
// frame ends in "…" and shows whole as its tool tip.
void frmConstruct::showRefused(const QString& removed) {
    const QString line = QString::fromStdString(clsInputHandler::refusalLine(removed.toStdU32String()));
    lblRefused->setToolTip(line);
    lblRefused->setText(lblRefused->fontMetrics().elidedText(line, Qt::ElideRight, lblRefused->width()));
}

// Each colour's swatch by its name: the colour of the first entry of that
// name, as get_value finds it. The definitions stay the same while the
// screen lives, so one walk of the group serves every fill.
void frmConstruct::learnSwatches() {
    colorSwatch_.clear();
    clsGroup& colors = ctx_.builder.getGroup("color:");
    colors.get_front();
    while (colors.has_next()) {
        const clsItem& item = colors.get_next();
        const QByteArray name(item.Description.data(), static_cast<qsizetype>(item.Description.size()));
        if (!colorSwatch_.contains(name)) colorSwatch_.insert(name, clsChatPreview::swatchIndex(item.value));
    }
}

// A square of the game colour with a grey edge, so that black and white
// show on any box colour.
QIcon frmConstruct::swatchIcon(int index) {
    QIcon& icon = swatchIcons_[static_cast<std::size_t>(index & 7)];
    if (icon.isNull()) {
        const clsChatColor c = clsChatPreview::rgb(index);
        QPixmap square(12, 12);
        square.fill(QColor(c.red, c.green, c.blue));
        QPainter edge(&square);
        edge.setPen(QColor(0x80, 0x80, 0x80));
        edge.drawRect(0, 0, 11, 11);
        edge.end();
        icon = QIcon(square);
    }
    return icon;
}

// Colour row k lists the colours by name, each with the swatch of its code.
void frmConstruct::fillColorRow(int k) {
    comboListControl row(cboColor[k], true);
    ctx_.builder.fillCombo(row, "color:");
    for (int i = 0; i < cboColor[k]->count(); ++i) {
        const int index = colorSwatch_.value(cboColor[k]->itemData(i).toByteArray(), -1);
        if (index >= 0) cboColor[k]->setItemIcon(i, swatchIcon(index));
    }
}

bool frmConstruct::anyBindTypePicked() const {
    return optPublicBind->isChecked() || optTeamBind->isChecked() || optRadio->isChecked();
}

void frmConstruct::place(QWidget* w, int left, int t, int width, int h) {
    twipsLayout_[w] = QRect(left, t, width, h);
    w->setGeometry(twipsRect(left, t, width, h));
}

QRect frmConstruct::twipsOf(const QWidget* w) const {
    const auto placed = twipsLayout_.constFind(w);
    return placed != twipsLayout_.cend() ? *placed : pixelsToTwips(w->geometry());
}

int frmConstruct::topOf(const QWidget* w) const { return twipsOf(w).y(); }
int frmConstruct::heightOf(const QWidget* w) const { return twipsOf(w).height(); }

void frmConstruct::setTopOf(QWidget* w, int t) {
    const QRect r = twipsOf(w);
    place(w, r.x(), t, r.width(), r.height());
}

void frmConstruct::setHeightOf(QWidget* w, int h) {
    const QRect r = twipsOf(w);
    place(w, r.x(), r.y(), r.width(), h);
}

void frmConstruct::setWindowHeight(int windowTwips) {
    const int width = twips(clientWidth);
    const int client = twips(windowTwips - windowFrame);
    centralWidget()->setFixedSize(width, client);
    int bar = menuBar()->heightForWidth(width);
    if (bar < 0) bar = menuBar()->sizeHint().height();
    setFixedSize(width, bar + client);
}
