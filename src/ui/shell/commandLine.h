// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <iosfwd>
#include <optional>
#include <string>

class IProgramFolder;

// The program's command line. Options that only print something are
// answered in the terminal, without the window system.
class commandLine {
    Q_DECLARE_TR_FUNCTIONS(commandLine)

public:
    // True when an argument asks for such an option; the program then needs
    // no QApplication (so it also runs without a display).
    static bool answersInTerminal(int argc, char** argv);

    // Reads the application's arguments; --help, --version and unknown
    // options print their answer and end the program here.
    explicit commandLine(const QCoreApplication& app);

    bool listDefinitions() const { return parser_.isSet(listDefinitions_); }
    // --bind KEY BINDING FILE.cfg or --clear KEY FILE.cfg: one key of FILE
    // changed in place; returns the exit code.
    bool editsKey() const { return parser_.isSet(bind_) || parser_.isSet(clear_); }
    int editKey(std::ostream& err) const;
    // Changes one key of the cfg file at path as opening it, changing the
    // key and saving would, and writes it back atomically (only when it
    // changed). binding none clears the key. A binding the program would
    // refuse, or a file it cannot read or write, gives one line to err and
    // exit code 1, and the file stays as it was; else 0.
    static int editKeyOf(const std::string& path, const std::string& key, const std::optional<std::string>& binding,
                         std::ostream& err);
    bool review() const { return parser_.isSet(review_); }
    // The file named after --review, as the file system names it.
    std::string reviewFile() const;
    // Prints the run's folders and the definition files the start screen
    // would list, one "Name: value" line each; returns the exit code.
    static int printDefinitions(const IProgramFolder& folder);
    // Prints the review listing of the binds that opening the cfg file would
    // make with no definition file loaded (what Extra / Review Made Binds
    // then shows), a line each, and what was skipped to err; a file that
    // cannot be read gives one line to err. Returns the exit code: 0, or 1
    // when the file cannot be read.
    static int printReview(const std::string& file, std::ostream& out, std::ostream& err);

private:
    // "FILE cannot be opened: REASON." in the player's language.
    static std::string cannotOpen(const std::string& path, const std::string& reason);

    QCommandLineParser parser_;
    QCommandLineOption listDefinitions_;
    QCommandLineOption review_;
    QCommandLineOption bind_;
    QCommandLineOption clear_;
};
