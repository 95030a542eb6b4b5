#include "shell/commandLine.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstring>

#include "platform/IProgramFolder.h"
#include "shell/definitionFiles.h"

namespace {
const char* const terminalOptions[] = {"-h", "-?", "--help", "--help-all", "-v", "--version", "--list-definitions"};
}  // namespace

bool commandLine::answersInTerminal(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : terminalOptions)
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

commandLine::commandLine(const QCoreApplication& app)
    : listDefinitions_(QStringLiteral("list-definitions"),
                       QStringLiteral("Prints the folders the program uses and the definition files the start "
                                      "screen lists, then ends. Makes the per-user folders of an installed "
                                      "program.")) {
    parser_.setApplicationDescription(
        QStringLiteral("Makes Soldier of Fortune 2 console cfg files of key binds: coloured chat lines, OSP "
                       "tokens and radio commands. Without options it opens its start screen."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(listDefinitions_);
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
    for (const clsDefinitionList::entry& file : definitionFiles(chosen.definitionFolders))
        line("Definition file", file.path);
    out.flush();
    return 0;
}
