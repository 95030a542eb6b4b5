// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/shell/frmStart.h"
#include "ui_frmStart.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLayout>
#include <QPixmap>
#include <algorithm>
#include <filesystem>

#include "model/cfgfile/clsCfgImport.h"
#include "model/cfgfile/clsCfgOpen.h"
#include "model/cfgfile/clsOpenReport.h"
#include "model/definitions/clsHandOverNote.h"
#include "model/text/clsText.h"
#include "platform/breakableText.h"
#include "platform/qtText.h"
#include "ui/construction/frmConstruct.h"
#include "ui/help/helpWindowHolder.h"
#include "ui/shell/clsAppContext.h"
#include "ui/shell/definitionFiles.h"
#include "ui/shell/draftKeeper.h"
#include "ui/shell/draftOwner.h"
#include "ui/styles/frmColorStyle.h"
#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/fitCaption.h"
#include "ui/widgets/twips.h"

// The built-in pictures live in this static library: make sure the linker
// keeps them and Qt knows them.
static void loadBuiltInResources() { Q_INIT_RESOURCE(brenvolt); }

namespace {}  // namespace

frmStart::frmStart(platformServices& services, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmStart>()) {
    loadBuiltInResources();
    ui->setupUi(this);
    // The window keeps the size of its client area plus the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The face the controls were laid out for, set on each control: a
    // painted control does not take its parent's.
    useDesignFont(centralWidget());
    connect(ui->cmdContinue, &QPushButton::clicked, this, &frmStart::cmdContinue_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmStart::cmdCancel_Click);
    // Enter on a file (or a double click) picks it and goes on, as Create new Bind does.
    connect(ui->fileInput, &QListWidget::itemActivated, this, [this](QListWidgetItem* file) {
        file->setSelected(true);
        cmdContinue_Click();
    });
    connect(ui->mnuNew, &QAction::triggered, this, &frmStart::mnuNew_Click);
    connect(ui->mnuOpen, &QAction::triggered, this, &frmStart::mnuOpen_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmStart::mnuExit_Click);
    connect(ui->mnuColorStyle, &QAction::triggered, this, &frmStart::mnuColorStyle_Click);
    connect(ui->mnuHelp, &QAction::triggered, this, &frmStart::mnuHelp_Click);
    // mnuLoad stays greyed for the whole run: nothing makes it available.
    // The program-wide objects: the bind builder, the key-press filters and
    // the colour style catalogue, made in this order.
    ctx_ = std::make_unique<clsAppContext>(services);
    help_ = std::make_unique<helpWindowHolder>(*ctx_);
    // Unsaved binds are kept in the per-user data folder, in a draft of this run's own.
    draftOwner_ = std::make_unique<draftOwner>(ctx_->draft, services.locks);
    draftOwner_->claim(services.folder.folders().userDataFolder);
    drafts_ = std::make_unique<draftKeeper>(*ctx_);
    Form_Load();
}

// The construction screen and the help window go before the objects they use.
frmStart::~frmStart() {
    drafts_.reset();
    help_.reset();
    construct_.reset();
    draftOwner_.reset();
}

// Start-up, before the screen is first shown.
void frmStart::Form_Load() {
    const QString picturePath = toQString(ctx_->stuffFolder()) + QStringLiteral("/front.jpg");
    showIntroLayout();
    setWindowTitle(QStringLiteral("Soldier of Fortune 2") + QStringLiteral(" Brenvolt ") + QStringLiteral("v.1.00"));
    loadIntroPicture(picturePath);
    ui->picIntro->show();
    ctx_->colorStyles.registerStandardStyles();
    ctx_->currentColorStyle = clsColorStyleManager::readRememberedStyle(ctx_->platform.settings);
    applyColorStyle();
}

// A missing or unreadable picture file leaves the built-in picture in place
// (which is only decoded when it is needed).
void frmStart::loadIntroPicture(const QString& path) {
    QPixmap picture;
    if (!picture.load(path)) picture.load(QStringLiteral(":/intro.png"));
    ui->picIntro->setPixmap(picture);
}

void frmStart::mnuNew_Click() {
    listInputFiles();
    ui->fileInput->show();
    ui->lblInput->show();
    ui->cmdCancel->show();
    ui->cmdContinue->show();
    ui->cmdContinue->setText(tr("Create new Bind"));
    fitCaptions();
    setWindowHeight(newBindHeight);
    ui->picIntro->hide();
    // Arrow keys and Enter pick a file at once.
    ui->fileInput->setFocus();
}

// The ordinary files of the definition folders by name; a missing folder
// lists none. With no file at all the list says where files go, in an entry
// that cannot be picked.
void frmStart::listInputFiles() {
    const std::vector<std::string> folders = ctx_->definitionFolders();
    fillDefinitionList(ui->fileInput, definitionFiles(folders), ctx_->platform.folder);
    if (ui->fileInput->count() > 0) return;
    std::vector<std::string> shown;
    for (const std::string& folder : folders) shown.push_back(ctx_->platform.folder.nativePath(folder));
    auto* hint = new QListWidgetItem(breakableText(toQString(clsDefinitionList::noFilesHint(shown))), ui->fileInput);
    hint->setFlags(Qt::NoItemFlags);
}

// A returning player opens a cfg file straight away: the construction
// screen opens with the definition file used last (the first listed when
// that one is gone), then opens the file as its own Open Cfg File does.
void frmStart::mnuOpen_Click() {
    IMessageBox& messages = ctx_->platform.messages;
    const std::string path = ctx_->platform.fileDialog.openFile(tr("Open Cfg File").toStdString(), ctx_->outputFolder(),
                                                                tr("Cfg files (*.cfg)").toStdString());
    if (path.empty()) return;
    std::string bytes;
    std::size_t size = 0;
    if (const clsImportProblem problem = clsCfgImport::readFile(path, clsCfgImport::largestFile, bytes, size);
        problem != clsImportProblem::none) {
        messages.show(tr("Cannot Open File").toStdString(),
                      tr("The file %1 cannot be opened: %2.")
                          .arg(toQString(ctx_->platform.folder.nativePath(path)),
                               toQString(clsOpenReport::problem(problem, size)))
                          .toStdString(),
                      msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    const std::vector<clsDefinitionList::entry> files = definitionFiles(ctx_->definitionFolders());
    if (files.empty()) {
        mnuNew_Click();  // the list says where definition files go
        return;
    }
    const std::string last = ctx_->platform.settings.read(clsCfgBuilder::settingsApp, lastDefinitionsSection,
                                                          lastDefinitionsKey, std::string());
    const auto used = std::find_if(files.begin(), files.end(), [&](const auto& f) { return f.name == last; });
    const clsDefinitionList::entry& file = used != files.end() ? *used : files.front();
    if (!handOver(file.path, file.name)) {
        mnuNew_Click();
        return;
    }
    construct_->openCfg(path);
}

void frmStart::cmdContinue_Click() {
    const QList<QListWidgetItem*> picked = ui->fileInput->selectedItems();
    if (picked.isEmpty()) {
        ctx_->platform.messages.show(tr("No Input File Selected").toStdString(),
                                     tr("Select an input file to load!").toStdString(), msgIcon::Exclamation,
                                     msgButtons::Ok);
        return;
    }
    handOver(definitionPath(picked.front()), picked.front()->text().toStdString());
}

// Reads the definition file and shows the construction screen, with the
// binds of a draft to restore; false when the file cannot be read.
bool frmStart::handOver(const std::string& path, const std::string& fileName) {
    if (!ctx_->builder.read_info(QFile::encodeName(toQString(path)).toStdString())) {
        // The file vanished or cannot be read since the list was filled.
        ctx_->platform.messages.show(
            tr("Cannot Read File").toStdString(),
            tr("The input file %1 cannot be read. It may have been moved, renamed or deleted, or you may not have "
               "permission to read it.")
                    .arg(toQString(ctx_->platform.folder.nativePath(path)))
                    .toStdString() +
                "\r\n" + tr("Pick another file.").toStdString(),
            msgIcon::Exclamation, msgButtons::Ok);
        listInputFiles();
        return false;
    }
    ctx_->draft.setDefinitions(fileName);
    ctx_->platform.settings.write(clsCfgBuilder::settingsApp, lastDefinitionsSection, lastDefinitionsKey, fileName);
    hide();
    const bool restoring = pendingDraft_.has_value();
    const std::string restored = restoring ? restoreDraft() : std::string();
    if (!construct_) construct_ = std::make_unique<frmConstruct>(*ctx_, *help_);
    // Restored binds show as after Done: the first bound key with its type.
    if (restoring) construct_->showFirstBind();
    construct_->show();
    tellAfterHandOver(fileName);
    if (!restored.empty())
        ctx_->platform.messages.show(tr("Binds Restored").toStdString(), restored, msgIcon::Information,
                                     msgButtons::Ok);
    return true;
}

void frmStart::offerDraft() {
    if (construct_) return;
    std::optional<clsDraftInfo> draft;
    for (;;) {
        draft = draftOwner_->nextOffer();
        if (!draft) return;
        const std::size_t binds = draft->binds;
        const std::string question =
            draft->opened.empty() || !std::filesystem::exists(clsDraft::sidecarPath(draft->path))
                ? clsText::format(
                      clsText::translate("frmStart", "Restore the %n bind you had not saved (made %1 with %2)?",
                                         "Restore the %n binds you had not saved (made %1 with %2)?", binds),
                      {draft->made, draft->definitions})
                : clsText::format(clsText::translate("frmStart",
                                                     "Restore the changes to %1 you had not saved, %n bind (made %2 "
                                                     "with %3)?",
                                                     "Restore the changes to %1 you had not saved, %n binds (made %2 "
                                                     "with %3)?",
                                                     binds),
                                  {draft->opened, draft->made, draft->definitions});
        // Yes is the default: Enter keeps the work; only No deletes it.
        const msgAnswer answer = ctx_->platform.messages.show(tr("Restore?").toStdString(), question, msgIcon::Question,
                                                              msgButtons::YesNo, msgAnswer::Yes);
        if (answer == msgAnswer::Yes) break;
        if (answer != msgAnswer::No) {
            // Closed without an answer: the draft waits for the next start.
            draftOwner_->leave();
            return;
        }
        draftOwner_->decline();
    }
    draftOwner_->adopt();
    pendingDraft_ = draft;
    for (const clsDefinitionList::entry& file : definitionFiles(ctx_->definitionFolders()))
        if (file.name == draft->definitions) {
            if (!handOver(file.path, file.name)) mnuNew_Click();
            return;
        }
    ctx_->platform.messages.show(
        tr("Definition File Missing").toStdString(),
        (ctx_->definitionFolders().size() == 1
             ? tr("The definition file %1, with which these binds were made, is no longer in the definition folder.")
             : tr("The definition file %1, with which these binds were made, is no longer in the definition "
                  "folders."))
                .arg(toQString(draft->definitions))
                .toStdString() +
            "\r\n" +
            tr("Pick a definition file and press \"Create new Bind\": your binds come back with it. Keys it does not "
               "list are added to its key list.")
                .toStdString(),
        msgIcon::Exclamation, msgButtons::Ok);
    mnuNew_Click();
}

// The draft's binds into the builder, before the construction screen fills
// its lists. Restored with the file it was made with, the draft on disk
// already holds them; with another file, it is written again. Answers what
// the player should hear: keys added or binds left out, else nothing.
std::string frmStart::restoreDraft() {
    const clsDraftInfo draft = *pendingDraft_;
    pendingDraft_.reset();
    clsDraftRestore r = clsCfgOpen::restoreDraft(ctx_->builder, draft.path, draft.opened);
    if (r.opened)
        ctx_->openDocument(std::move(*r.opened));
    else
        ctx_->openedCfg = draft.opened;
    const clsCfgImport& read = r.read;
    const clsOpenResult& restored = r.restored;
    if ((restored.opened > 0 || read.bindings.empty()) && draft.definitions == ctx_->draft.definitions())
        ctx_->draft.keep();
    if (restored.refused.empty() && restored.addedKeys.empty() && read.skipped.empty()) return {};
    return clsOpenReport::opened(tr("the draft of your unsaved binds").toStdString(), read, restored);
}

// After the hand-over: one message when the file lists no keys or its
// reading left entries out, so the player knows why the lists lack them.
void frmStart::tellAfterHandOver(const std::string& fileName) {
    const auto note =
        clsHandOverNote::build(fileName, static_cast<std::size_t>(ctx_->builder.getGroup(clsGroupToken::key).count()),
                               ctx_->builder.get_left_out());
    if (note) ctx_->platform.messages.show(note->title, note->text, msgIcon::Exclamation, msgButtons::Ok);
}

void frmStart::cmdCancel_Click() { showIntroLayout(); }

void frmStart::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) && ui->cmdCancel->isVisible()) {
        cmdCancel_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmStart::mnuExit_Click() {
    ctx_->builder.SaveSettings(ctx_->platform.settings, ctx_->currentColorStyle);
    ctx_->platform.exit.endProgram();
}

void frmStart::mnuColorStyle_Click() {
    {
        frmColorStyle dialog(*ctx_, this);
        dialog.exec();
    }
    applyColorStyle();
}

void frmStart::mnuHelp_Click() { help_->showModal(this); }

void frmStart::showIntroLayout() {
    ui->fileInput->hide();
    ui->lblInput->hide();
    ui->cmdContinue->hide();
    ui->cmdCancel->hide();
    setWindowHeight(introHeight);
    ui->picIntro->show();
}

void frmStart::applyColorStyle() {
    stylePainter paint(ctx_->colorStyles, ctx_->currentColorStyle);
    paint.form(this);
    paint.buttons({ui->cmdContinue, ui->cmdCancel});
    paint.labels({ui->lblInput});
    paint.boxes({ui->fileInput});
}

// The painted faces decide how much room the captions have; the captions
// are seen only in the new-bind layout.
void frmStart::fitCaptions() {
    ::fitCaptions(centralWidget()->font(), {ui->cmdContinue, ui->cmdCancel});
    fitCaption(ui->lblInput);
}

void frmStart::setWindowHeight(int heightTwips) {
    centralWidget()->setFixedSize(twips(clientWidth), twips(heightTwips - menuBarTwips));
}

// Closing the window before the hand-over ends the program; the style in use
// is not stored that way.
void frmStart::closeEvent(QCloseEvent* event) {
    if (!ctx_->platform.exit.ending()) ctx_->platform.exit.endProgram();
    event->accept();
}
