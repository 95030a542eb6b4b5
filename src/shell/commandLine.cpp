#include "shell/commandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstring>
#include <ostream>

#include "bindmodel/clsCfgBuilder.h"
#include "cfgoutput/clsCfgImport.h"
#include "cfgoutput/clsOpenReport.h"

#include "platform/IProgramFolder.h"
#include "shell/definitionFiles.h"

namespace {
const char* const terminalOptions[] = {"-h",        "-?",        "--help",   "--help-all",
                                       "-v",        "--version", "--review", "--list-definitions"};
}  // namespace

bool commandLine::answersInTerminal(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : terminalOptions)
            if (std::strcmp(argv[i], option) == 0) return true;
        if (std::strncmp(argv[i], "--review=", 9) == 0) return true;
    }
    return false;
}

commandLine::commandLine(const QCoreApplication& app)
    : listDefinitions_(QStringLiteral("list-definitions"),
                       QStringLiteral("Prints the folders the program uses and the definition files the start "
                                      "screen lists, then ends. Makes the per-user folders of an installed "
                                      "program.")),
      review_(QStringLiteral("review"),
              QStringLiteral("Prints the review listing of the binds that opening FILE.cfg would make (with no "
                             "definition file loaded), then ends. Exit code 1 when the file cannot be read."),
              QStringLiteral("FILE.cfg")) {
    parser_.setApplicationDescription(
        QStringLiteral("Makes Soldier of Fortune 2 console cfg files of key binds: coloured chat lines, OSP "
                       "tokens and radio commands. Without options it opens its start screen."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(listDefinitions_);
    parser_.addOption(review_);
    parser_.process(app);
}

int commandLine::printDefinitions(const IProgramFolder& folder) {
    const clsFolderChoice chosen = folder.folders();
    QTextStream out(stdout);
    const auto line = [&](const char* name, const std::string& path) {
        out << name << ": " << QString::fromStdString(folder.nativePath(path)) << '\n';
    };
    out << "Mode: " << (chosen.mode == clsRunMode::installed ? "installed" : "portable") << '\n';
    for (const std::string& f : chosen.definitionFolders) line("Definition folder", f);
    line("Your definition folder", chosen.userDefinitionFolder);
    line("Output folder", chosen.outputFolder);
    line("Picture folder", chosen.pictureFolder);
    if (!chosen.userDataFolder.empty()) line("Drafts folder", chosen.userDataFolder);
    for (const clsDefinitionList::entry& file : definitionFiles(chosen.definitionFolders))
        line("Definition file", file.path);
    out.flush();
    return 0;
}

std::string commandLine::reviewFile() const { return QFile::encodeName(parser_.value(review_)).toStdString(); }

int commandLine::printReview(const std::string& file, std::ostream& out, std::ostream& err) {
    const clsCfgImport read = clsCfgImport::fromFile(file);
    if (read.problem != clsImportProblem::none) {
        err << "brenvolt: " << file << " cannot be opened: " << clsOpenReport::problem(read.problem, read.size)
            << ".\n";
        return 1;
    }
    clsCfgBuilder builder;
    const clsOpenResult opened = builder.open_binds(read.binds());
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
