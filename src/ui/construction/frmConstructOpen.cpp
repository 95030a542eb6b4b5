// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The construction screen's File / Open Cfg File: a cfg file's binds made
// the binds of this run, the file kept for saving.
#include <QComboBox>
#include <QRadioButton>
#include <filesystem>

#include "model/binds/clsbind.h"
#include "model/cfgfile/clsCfgOpen.h"
#include "model/cfgfile/clsOpenReport.h"
#include "platform/qtText.h"
#include "ui/construction/frmConstruct.h"
#include "ui/widgets/qtListControl.h"
#include "ui_frmConstruct.h"

void frmConstruct::mnuOpen_Click() {
    const std::string path = ctx_.platform.fileDialog.openFile(tr("Open Cfg File").toStdString(), ctx_.outputFolder(),
                                                               tr("Cfg files (*.cfg)").toStdString());
    if (!path.empty()) openCfg(path);
}

// Reads a cfg file as the game's console would and makes its binds the
// binds of this run: all of them or, when the player keeps the binds made
// so far or none can be taken, none. The file is kept byte for byte, so that
// saving changes only the binds. A file without binds opens too: the binds
// made so far stay, and saving adds them to it.
bool frmConstruct::openCfg(const std::string& path) {
    IMessageBox& messages = ctx_.platform.messages;
    const std::string title = tr("Open Cfg File").toStdString();
    const std::string name = std::filesystem::path(path).filename().string();
    clsCfgRead file = clsCfgOpen::read(path, name);
    if (file.problem != clsImportProblem::none) {
        messages.show(tr("Cannot Open File").toStdString(),
                      clsOpenReport::cannotOpen(ctx_.platform.folder.nativePath(path), file.problem, file.size),
                      msgIcon::Exclamation, msgButtons::Ok);
        return false;
    }
    clsCfgDocument& document = file.document;
    const clsCfgImport& read = document.read();
    const std::size_t made = ctx_.builder.bound_count();
    if (read.bindings.empty()) {
        // Told before the document is handed over: the report reads it.
        const std::string report = clsOpenReport::noBindsYet(name, made, read);
        ctx_.openDocument(std::move(document));
        messages.show(title, report, msgIcon::Information, msgButtons::Ok);
        return true;
    }
    if (made > 0 && messages.show(title, clsOpenReport::replaceQuestion(name, made), msgIcon::Question,
                                  msgButtons::YesNo, msgAnswer::No) != msgAnswer::Yes)
        return false;
    const clsOpenResult opened = clsCfgOpen::open(ctx_.builder, document);
    if (opened.opened == 0) {
        messages.show(title, clsOpenReport::nothingOpened(name, read, opened), msgIcon::Exclamation, msgButtons::Ok);
        return false;
    }
    const std::string report = clsOpenReport::opened(name, read, opened) + clsOpenReport::savingKeeps(name);
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
        if (const int row = keyRow(ui->cboKeys, first.key); row >= 0) ui->cboKeys->setCurrentIndex(row);
        QRadioButton* type = first.kind == clsBindKind::say       ? ui->optPublicBind
                             : first.kind == clsBindKind::sayTeam ? ui->optTeamBind
                                                                  : ui->optRadio;
        type->setChecked(true);
    }
    resetScreen();
}
