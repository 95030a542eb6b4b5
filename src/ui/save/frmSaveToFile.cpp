// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/save/frmSaveToFile.h"
#include "ui_frmSaveToFile.h"

#include <QFileInfo>

#include "model/text/clsText.h"
#include "platform/qtText.h"
#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/fitCaption.h"
#include "ui/widgets/keyPressFilter.h"

frmSaveToFile::frmSaveToFile(clsAppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), ui(std::make_unique<Ui::frmSaveToFile>()) {
    ui->setupUi(this);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmSaveToFile::cmdSave_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmSaveToFile::cmdBack_Click);
    // Letters and digits only: the program adds ".cfg", and the file always
    // lands in the output folder. Enter in the name saves (Save is the
    // dialog's default button).
    const clsInputHandler& filters = ctx_.inputHandler;
    boxRules name{[&filters](char c, std::string_view, std::string_view) {
                      return filters.filterFileName(static_cast<unsigned char>(c)) != 0;
                  },
                  [&filters](std::string_view text) { return filters.cleanFileName(text); }};
    name.enterSubmits = true;
    filterBox(ui->txtFilename, ctx_.platform.beep, std::move(name));

    // After a cfg file was opened, its name is offered, as far as a name
    // here may hold it: "my-binds.cfg" offers "mybinds", which saves a new
    // file beside the opened one rather than replacing a file of another
    // name (a name of no letter or digit offers nothing).
    if (!ctx_.openedCfg.empty()) {
        const QString opened = toQString(ctx_.openedCfg);
        const QString name = opened.endsWith(QStringLiteral(".cfg"), Qt::CaseInsensitive) ? opened.chopped(4) : opened;
        ui->txtFilename->setText(toQString(ctx_.inputHandler.cleanFileName(name.toStdString())));
    }
    useDesignFont(this);
    // "Save and Quit" comes first in the tab order and holds the focus.
    ui->cmdSave->setFocus();
    Form_Load();
}

frmSaveToFile::~frmSaveToFile() = default;

void frmSaveToFile::Form_Load() {
    setWindowTitle(tr("Save File"));
    applyColorStyle();
}

void frmSaveToFile::cmdSave_Click() {
    const std::string typedName = ui->txtFilename->text().toStdString();
    if (typedName.empty()) {
        ctx_.platform.messages.show(tr("Missing Information").toStdString(), tr("A file needs a name...").toStdString(),
                                    msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    const std::string fileName = typedName + ".cfg";
    const std::string folder = ctx_.outputFolder();

    const bool replacing = QFileInfo::exists(toQString(folder + "/" + fileName));
    if (replacing &&
        ctx_.platform.messages.show(tr("File Already Exists!").toStdString(),
                                    tr("Do you want to replace the file %1?").arg(toQString(fileName)).toStdString(),
                                    msgIcon::Question, msgButtons::YesNo, msgAnswer::No) != msgAnswer::Yes) {
        ui->txtFilename->clear();
        return;
    }
    if (!confirmSize(fileName)) return;

    const clsWriteResult written = writeCfgFile(fileName, folder);
    if (!written.ok) {
        // Nothing was written and an earlier file is untouched: the user may
        // try another name or go back.
        ctx_.platform.messages.show(tr("Save Failed").toStdString(),
                                    tr("The file %1 could not be saved.")
                                            .arg(toQString(ctx_.platform.folder.nativePath(folder + "/" + fileName)))
                                            .toStdString() +
                                        "\r\n" + written.reason,
                                    msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    // The work is saved: its draft is no longer needed.
    ctx_.draft.discard();
    if (replacing) {
        ctx_.builder.SaveSettings(ctx_.platform.settings, ctx_.currentColorStyle);
        showSaved(fileName);
    } else {
        showSaved(fileName);
        ctx_.builder.SaveSettings(ctx_.platform.settings, ctx_.currentColorStyle);
    }
    ctx_.platform.fileBrowser.openFolder(folder + "/");
    ctx_.platform.exit.endProgram();
    accept();
}

// A file the game's console would not run is written only when the user
// wants it anyway.
bool frmSaveToFile::confirmSize(const std::string& fileName) {
    const std::size_t size = ctx_.document.contents(ctx_.builder, fileName, ctx_.clock()).size();
    if (size <= largestRunnableFile) return true;
    return ctx_.platform.messages.show(
               tr("File Too Large").toStdString(),
               tr("The file %1 would be %2 bytes, but the game's console runs at most %3 bytes in one exec (its "
                  "command buffer holds %4 bytes, one of them for the line end it adds). A larger file is not run "
                  "at all.")
                       .arg(toQString(fileName), toQString(clsText::number(size)),
                            toQString(clsText::number(largestRunnableFile)), toQString(clsText::number(consoleBuffer)))
                       .toStdString() +
                   "\r\n\r\n" + tr("Save it anyway?").toStdString(),
               msgIcon::Exclamation, msgButtons::YesNo, msgAnswer::No) == msgAnswer::Yes;
}

clsWriteResult frmSaveToFile::writeCfgFile(const std::string& fileName, const std::string& folder) {
    return clsCfgFile::writeAtomically(folder, fileName, ctx_.document.contents(ctx_.builder, fileName, ctx_.clock()));
}

void frmSaveToFile::showSaved(const std::string& fileName) {
    ctx_.platform.messages.show(
        tr("File Saved!").toStdString(),
        tr("Your file is done and can be found at: %1")
                .arg(toQString(ctx_.platform.folder.nativePath(ctx_.outputFolder())))
                .toStdString() +
            "\r\n" + tr("Copy this file to the Soldier Of Fortune 2\\base\\mp folder.").toStdString() + "\r\n" +
            tr("In the game open console with the '~' button and type: 'exec %1' to set all your binds.")
                .arg(toQString(fileName))
                .toStdString(),
        msgIcon::Information, msgButtons::Ok);
}

void frmSaveToFile::cmdBack_Click() {
    QDialog::reject();
    if (QWidget* constructionScreen = parentWidget()) constructionScreen->show();
}

void frmSaveToFile::reject() {
    if (ctx_.platform.exit.ending()) {
        QDialog::reject();
        return;
    }
    cmdBack_Click();
}

void frmSaveToFile::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({ui->cmdSave, ui->cmdBack});
    paint.labels({ui->lblFilename});
    paint.boxes({ui->txtFilename});
    // The painted faces decide how much room the captions have.
    fitCaptions(font(), {ui->cmdSave, ui->cmdBack});
    fitCaption(ui->lblFilename);
}
