// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/shell/commandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgFile.h"
#include "model/cfgfile/clsCfgImport.h"
#include "model/cfgfile/clsCfgOpen.h"
#include "model/cfgfile/clsKeyEdit.h"
#include "model/cfgfile/clsOpenReport.h"
#include "model/text/clsText.h"

#include "platform/IProgramFolder.h"
#include "platform/qtText.h"
#include "ui/shell/definitionFiles.h"

namespace {
const char* const terminalOptions[] = {"-h",        "-?",       "--help", "--help-all", "-v",
                                       "--version", "--review", "--bind", "--clear",    "--list-definitions"};
}  // namespace

bool commandLine::answersInTerminal(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : terminalOptions)
            if (std::strcmp(argv[i], option) == 0) return true;
        for (const char* option : {"--review=", "--bind=", "--clear="})
            if (std::strncmp(argv[i], option, std::strlen(option)) == 0) return true;
    }
    return false;
}

commandLine::commandLine(const QCoreApplication& app)
    : listDefinitions_(QStringLiteral("list-definitions"),
                       tr("Prints the folders the program uses and the definition files the start screen lists, "
                          "then ends. Makes the per-user folders of an installed program.")),
      review_(QStringLiteral("review"),
              tr("Prints the review listing of the binds that opening FILE.cfg would make (with no definition file "
                 "loaded), then ends. Exit code 1 when the file cannot be read."),
              QStringLiteral("FILE.cfg")),
      bind_(QStringLiteral("bind"),
            tr("brenvolt --bind KEY BINDING FILE.cfg: binds KEY to BINDING (what the key is to do, as the game "
               "stores it: \"say ^1hi\", \"+attack; +jump\") in FILE.cfg, changing nothing else in the file. A "
               "binding the program would refuse changes nothing and gives exit code 1."),
            QStringLiteral("KEY")),
      clear_(QStringLiteral("clear"),
             tr("brenvolt --clear KEY FILE.cfg: takes every bind of KEY out of FILE.cfg, changing nothing else in "
                "the file."),
             QStringLiteral("KEY")) {
    parser_.setApplicationDescription(
        tr("Makes Soldier of Fortune 2 console cfg files of key binds: coloured chat lines, OSP tokens and radio "
           "commands. Without options it opens its start screen."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(listDefinitions_);
    parser_.addOption(review_);
    parser_.addOption(bind_);
    parser_.addOption(clear_);
    parser_.process(app);
}

int commandLine::printDefinitions(const IProgramFolder& folder) {
    const clsFolderChoice chosen = folder.folders();
    QTextStream out(stdout);
    const auto line = [&](const QString& name, const QString& value) { out << name << ": " << value << '\n'; };
    const auto folderLine = [&](const QString& name, const std::string& path) {
        line(name, toQString(folder.nativePath(path)));
    };
    line(tr("Mode"), chosen.mode == clsRunMode::installed ? tr("installed") : tr("portable"));
    for (const std::string& f : chosen.definitionFolders) folderLine(tr("Definition folder"), f);
    folderLine(tr("Your definition folder"), chosen.userDefinitionFolder);
    folderLine(tr("Output folder"), chosen.outputFolder);
    folderLine(tr("Picture folder"), chosen.pictureFolder);
    if (!chosen.userDataFolder.empty()) folderLine(tr("Drafts folder"), chosen.userDataFolder);
    for (const clsDefinitionList::entry& file : definitionFiles(chosen.definitionFolders))
        folderLine(tr("Definition file"), file.path);
    out.flush();
    return 0;
}

std::string commandLine::cannotOpen(const std::string& path, const std::string& reason) {
    return clsText::format(tr("%1 cannot be opened: %2.").toStdString(), {path, reason});
}

std::string commandLine::reviewFile() const { return QFile::encodeName(parser_.value(review_)).toStdString(); }

int commandLine::printReview(const std::string& file, std::ostream& out, std::ostream& err) {
    clsCfgRead opening = clsCfgOpen::read(file, file);
    if (opening.problem != clsImportProblem::none) {
        err << "brenvolt: " << cannotOpen(file, clsOpenReport::problem(opening.problem, opening.size)) << '\n';
        return 1;
    }
    clsCfgBuilder builder;
    const clsOpenResult opened = clsCfgOpen::open(builder, opening.document);
    const clsCfgImport& read = opening.document.read();
    struct printedList : clsListControl {
        std::ostream& out;
        explicit printedList(std::ostream& o) : out(o) {}
        void clear() override {}
        void addItem(const std::string& entry) override { out << entry << '\n'; }
    } listing(out);
    builder.printScheme(listing);
    out.flush();
    // What the window would also say: binds left out, other commands skipped.
    // A line each, after the program's name and the file's.
    const std::string notes = clsOpenReport::leftOut(read, opened);
    for (std::size_t at = 0; at < notes.size();) {
        std::size_t end = notes.find("\r\n", at);
        if (end == std::string::npos) end = notes.size();
        if (end > at) err << "brenvolt: " << file << ": " << notes.substr(at, end - at) << '\n';
        at = end + 2;
    }
    return 0;
}

int commandLine::editKey(std::ostream& err) const {
    const QStringList rest = parser_.positionalArguments();
    const bool binds = parser_.isSet(bind_);
    if (binds == parser_.isSet(clear_) || rest.size() != (binds ? 2 : 1)) {
        err << "brenvolt: " << tr("use --bind KEY BINDING FILE.cfg or --clear KEY FILE.cfg").toStdString() << '\n';
        return 1;
    }
    const std::string key = (binds ? parser_.value(bind_) : parser_.value(clear_)).toStdString();
    const std::optional<std::string> binding =
        binds ? std::optional<std::string>(rest.front().toStdString()) : std::nullopt;
    return editKeyOf(QFile::encodeName(rest.back()).toStdString(), key, binding, err);
}

int commandLine::editKeyOf(const std::string& path, const std::string& key, const std::optional<std::string>& binding,
                           std::ostream& err) {
    std::string bytes;
    std::size_t size = 0;
    const clsImportProblem problem = clsCfgImport::readFile(path, clsCfgImport::largestFile, bytes, size);
    if (problem != clsImportProblem::none) {
        err << "brenvolt: " << cannotOpen(path, clsOpenReport::problem(problem, size)) << '\n';
        return 1;
    }
    const std::filesystem::path file(path);
    const std::string name = file.filename().string();
    const clsKeyEditResult edited = clsKeyEdit::apply(bytes, name, key, binding, clsDateTime::now());
    if (!edited.ok) {
        err << "brenvolt: " << clsText::format(tr("%1 was not changed: %2.").toStdString(), {path, edited.reason})
            << '\n';
        return 1;
    }
    if (!edited.changed) return 0;
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : std::string(".");
    const clsWriteResult written = clsCfgFile::writeAtomically(folder, name, edited.bytes);
    if (!written.ok) {
        err << "brenvolt: " << clsText::format(tr("%1 could not be saved: %2").toStdString(), {path, written.reason})
            << '\n';
        return 1;
    }
    return 0;
}
