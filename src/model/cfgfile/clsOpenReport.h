// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "model/cfgfile/clsCfgImport.h"

// What the player is told about opening a cfg file. Lines are joined by CR LF.
class clsOpenReport {
public:
    static constexpr std::size_t shownLines = 5;      // line numbers named; the rest are counted
    static constexpr std::size_t shownKeys = 10;      // added keys named
    static constexpr std::size_t shownCommands = 10;  // skipped commands quoted; the rest are counted
    static constexpr std::size_t quotedBytes = 60;    // of each skipped command

    // Why the builder refused a bind, in a player's words: "the key name is not one word to the game".
    static std::string refusalReason(clsLineVerdict why);
    // Why the file was not read: "it is not there (...)".
    static std::string problem(clsImportProblem problem, std::size_t size);
    // The message of a file that cannot be opened (path as the platform writes it).
    static std::string cannotOpen(const std::string& path, clsImportProblem problem, std::size_t size);
    // After the binds were opened: how many, the keys added, the binds left
    // out and the other commands skipped, with their line numbers.
    static std::string opened(const std::string& fileName, const clsCfgImport& read, const clsOpenResult& result);
    // The file holds no bind, or none the builder could take: nothing changed.
    static std::string nothingOpened(const std::string& fileName, const clsCfgImport& read,
                                     const clsOpenResult& result);
    // The binds left out, the binds of keys the game does not know and the
    // other commands skipped (each quoted with its line number), and a file
    // too large for exec, each a paragraph (starting with an empty line);
    // empty when there are none.
    static std::string leftOut(const clsCfgImport& read, const clsOpenResult& result);
    // A file without binds opened while `made` binds are made.
    static std::string noBindsYet(const std::string& fileName, std::size_t made, const clsCfgImport& read);
    // Whether the `made` binds may go for the file's (made > 0).
    static std::string replaceQuestion(const std::string& fileName, std::size_t made);
    // What saving an opened file keeps; ends every message of an opened file.
    static std::string savingKeeps(const std::string& fileName);
    // "line 4", "lines 4, 9 and 15", "lines 4, 9, 15, 20, 22 and 3 more".
    static std::string lineList(const std::vector<std::size_t>& lines);
    // A command as the report quotes it: its first quotedBytes bytes (whole
    // characters) after the blanks it starts with, control bytes as blanks,
    // "..." where it goes on.
    static std::string quoted(const std::string& text);
};
