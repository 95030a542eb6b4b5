#pragma once
#include <QCommandLineOption>
#include <QCommandLineParser>

class QCoreApplication;
class IProgramFolder;

// The program's command line. Options that only print something are
// answered in the terminal, without the window system.
class commandLine {
public:
    // True when an argument asks for such an option; the program then needs
    // no QApplication (so it also runs without a display).
    static bool answersInTerminal(int argc, char** argv);

    // Reads the application's arguments; --help, --version and unknown
    // options print their answer and end the program here.
    explicit commandLine(const QCoreApplication& app);

    bool listDefinitions() const { return parser_.isSet(listDefinitions_); }
    // Prints the run's folders and the definition files the start screen
    // would list, one "Name: value" line each; returns the exit code.
    static int printDefinitions(const IProgramFolder& folder);

private:
    QCommandLineParser parser_;
    QCommandLineOption listDefinitions_;
};
