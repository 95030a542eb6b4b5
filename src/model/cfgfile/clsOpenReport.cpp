// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/cfgfile/clsOpenReport.h"

#include <algorithm>
#include <map>

#include "model/console/clsConsoleLexer.h"
#include "model/text/clsText.h"

namespace {

const std::string paragraph = "\r\n\r\n";

// "F1, F2 and 3 more": the first shownKeys names, the rest counted.
template <typename Shown> std::string nameList(const std::vector<std::string>& names, Shown shown) {
    std::string listed;
    for (std::size_t k = 0; k < names.size() && k < clsOpenReport::shownKeys; ++k)
        listed += (k ? ", " : "") + shown(names[k]);
    if (names.size() <= clsOpenReport::shownKeys) return listed;
    return clsText::format(clsText::translate("clsOpenReport", "%1 and %2 more"),
                           {listed, clsText::number(names.size() - clsOpenReport::shownKeys)});
}

}  // namespace

std::string clsOpenReport::refusalReason(clsLineVerdict why) {
    switch (why) {
        case clsLineVerdict::badKey:
            return clsText::translate("clsOpenReport", "the key name is not one word to the game");
        case clsLineVerdict::tooLong:
            return clsText::format(
                clsText::translate("clsOpenReport",
                                   "the bind line would be longer than the %1 characters the game reads of a line"),
                {clsText::number(clsConsoleLexer::lineLimit)});
        case clsLineVerdict::noSuchKey:
            return clsText::translate("clsOpenReport", "the key list already holds 32,767 keys");
        case clsLineVerdict::noCommand: return clsText::translate("clsOpenReport", "the binding is empty");
        default:
            return clsText::translate("clsOpenReport", "the game would not read the bind line back as it is written");
    }
}

std::string clsOpenReport::lineList(const std::vector<std::size_t>& lines) {
    if (lines.size() == 1)
        return clsText::format(clsText::translate("clsOpenReport", "line %1"), {std::to_string(lines.front())});
    const std::size_t named = lines.size() > shownLines ? shownLines : lines.size();
    const std::size_t listed = named == lines.size() ? named - 1 : named;
    std::string numbers;
    for (std::size_t k = 0; k < listed; ++k) numbers += (k ? ", " : "") + std::to_string(lines[k]);
    if (named < lines.size())
        return clsText::format(clsText::translate("clsOpenReport", "lines %1 and %2 more"),
                               {numbers, clsText::number(lines.size() - named)});
    return clsText::format(clsText::translate("clsOpenReport", "lines %1 and %2"),
                           {numbers, std::to_string(lines.back())});
}

std::string clsOpenReport::noBindsYet(const std::string& fileName, std::size_t made, const clsCfgImport& read) {
    const std::string holdsNone =
        made == 0 ? clsText::translate("clsOpenReport", "%1 holds no binds yet.")
                  : clsText::translate(
                        "clsOpenReport", "%1 holds no binds yet: the bind you have made is added to it when you save.",
                        "%1 holds no binds yet: the %n binds you have made are added to it when you save.", made);
    return clsText::format(holdsNone, {fileName}) + leftOut(read, {}) + savingKeeps(fileName);
}

std::string clsOpenReport::replaceQuestion(const std::string& fileName, std::size_t made) {
    return clsText::format(clsText::translate("clsOpenReport", "Replace the bind you have made with the binds of %1?",
                                              "Replace all %n binds you have made with the binds of %1?", made),
                           {fileName});
}

std::string clsOpenReport::savingKeeps(const std::string& fileName) {
    return paragraph + clsText::format(clsText::translate("clsOpenReport",
                                                          "When you save, everything else in %1 stays as it is: only "
                                                          "the binds you change are written."),
                                       {fileName});
}

std::string clsOpenReport::cannotOpen(const std::string& path, clsImportProblem problem, std::size_t size) {
    return clsText::format(clsText::translate("clsOpenReport", "The file %1 cannot be opened: %2."),
                           {path, clsOpenReport::problem(problem, size)}) +
           "\r\n" + clsText::translate("clsOpenReport", "Nothing was changed.");
}

std::string clsOpenReport::problem(clsImportProblem problem, std::size_t size) {
    switch (problem) {
        case clsImportProblem::none: return {};
        case clsImportProblem::missing:
            return clsText::translate("clsOpenReport", "it is not there (it may have been moved, renamed or deleted)");
        case clsImportProblem::notAFile:
            return clsText::translate("clsOpenReport", "it is a folder or a device, not a file");
        case clsImportProblem::unreadable:
            return clsText::translate("clsOpenReport", "it cannot be read (you may not have permission to read it)");
        case clsImportProblem::binary:
            return clsText::translate("clsOpenReport",
                                      "it holds zero bytes, so it is no text file, and a cfg file is plain text");
        case clsImportProblem::tooLarge:
            return clsText::format(clsText::translate("clsOpenReport",
                                                      "it holds %1 bytes, more than the 1 MiB that is read (the game "
                                                      "runs at most 16,383 bytes of a cfg file)"),
                                   {clsText::number(size)});
    }
    return {};
}

namespace {

std::string refusedText(const clsOpenResult& result) {
    std::map<std::string, std::vector<std::size_t>> byReason;
    for (const clsOpenRefusal& r : result.refused) byReason[clsOpenReport::refusalReason(r.why)].push_back(r.line);
    std::string text;
    for (const auto& [reason, lines] : byReason)
        text += paragraph + clsText::format(clsText::translate("clsOpenReport", "%n bind was left out (%1): %2.",
                                                               "%n binds were left out (%1): %2.", lines.size()),
                                            {clsOpenReport::lineList(lines), reason});
    return text;
}

// Each command quoted with its line, a line each, the first few of them.
std::string commandList(const std::vector<const clsSkippedCommand*>& commands) {
    std::string text;
    const std::size_t named = std::min(commands.size(), clsOpenReport::shownCommands);
    for (std::size_t k = 0; k < named; ++k)
        text += "\r\n" + clsText::format(clsText::translate("clsOpenReport", "line %1: %2"),
                                         {std::to_string(commands[k]->line), clsOpenReport::quoted(commands[k]->text)});
    if (named < commands.size())
        text += "\r\n" + clsText::format(clsText::translate("clsOpenReport", "... and %1 more"),
                                         {clsText::number(commands.size() - named)});
    return text;
}

std::string skippedText(const clsCfgImport& read) {
    std::vector<const clsSkippedCommand*> unknown, other;
    std::vector<std::string> names;
    for (const clsSkippedCommand& c : read.skipped) {
        if (c.unknownKey.empty()) {
            other.push_back(&c);
            continue;
        }
        unknown.push_back(&c);
        if (std::find(names.begin(), names.end(), c.unknownKey) == names.end()) names.push_back(c.unknownKey);
    }
    std::string text;
    if (!unknown.empty()) {
        // Each name as a command is quoted, without the quote marks.
        const auto shown = [](const std::string& name) {
            const std::string quoted = clsOpenReport::quoted(name);
            return quoted.substr(1, quoted.size() - 2);
        };
        text += paragraph +
                clsText::format(clsText::translate("clsOpenReport",
                                                   "%n command binds a key the game does not know (%1), so it binds "
                                                   "nothing:",
                                                   "%n commands bind a key the game does not know (%1), so they bind "
                                                   "nothing:",
                                                   unknown.size()),
                                {nameList(names, shown)}) +
                commandList(unknown);
    }
    if (!other.empty())
        text +=
            paragraph +
            clsText::translate("clsOpenReport", "%n other command is not a bind (the program leaves it as it is):",
                               "%n other commands are not binds (the program leaves them as they are):", other.size()) +
            commandList(other);
    return text;
}

// The game's exec runs no file that does not fit its command buffer.
std::string sizeText(const clsCfgImport& read) {
    if (read.size <= clsConsoleLexer::largestRunnableFile) return {};
    return paragraph +
           clsText::format(clsText::translate("clsOpenReport",
                                              "The file holds %1 bytes: the game's exec does not run a "
                                              "file of %2 bytes or more (its command buffer holds %3 "
                                              "bytes of a file)."),
                           {clsText::number(read.size), clsText::number(clsConsoleLexer::largestRunnableFile + 1),
                            clsText::number(clsConsoleLexer::largestRunnableFile)});
}

}  // namespace

std::string clsOpenReport::opened(const std::string& fileName, const clsCfgImport& read, const clsOpenResult& result) {
    std::string text = clsText::format(
        clsText::translate("clsOpenReport", "Read %n bind from %1.", "Read %n binds from %1.", result.opened),
        {fileName});
    const std::vector<std::string>& added = result.addedKeys;
    if (!added.empty())
        text += paragraph + clsText::format(clsText::translate("clsOpenReport",
                                                               "One of its keys is not in the definition file, so "
                                                               "it was added at the end of the key list: %1.",
                                                               "%n of its keys are not in the definition file, so "
                                                               "they were added at the end of the key list: %1.",
                                                               added.size()),
                                            {nameList(added, [](const std::string& name) { return name; })});
    return text + leftOut(read, result);
}

std::string clsOpenReport::leftOut(const clsCfgImport& read, const clsOpenResult& result) {
    return refusedText(result) + skippedText(read) + sizeText(read);
}

std::string clsOpenReport::quoted(const std::string& text) {
    // The blanks a command starts with (after a ';') are not shown.
    std::size_t first = 0;
    while (first < text.size() && static_cast<unsigned char>(text[first]) <= 0x20) ++first;
    const std::string_view command = std::string_view(text).substr(first);
    std::size_t cut = std::min(command.size(), quotedBytes);
    // Never half a character of UTF-8.
    if (cut < command.size())
        while (cut > 0 && (static_cast<unsigned char>(command[cut]) & 0xC0) == 0x80) --cut;
    std::string shown = "\"";
    for (std::size_t k = 0; k < cut; ++k) shown += static_cast<unsigned char>(command[k]) < 0x20 ? ' ' : command[k];
    return shown + (cut < command.size() ? "...\"" : "\"");
}

std::string clsOpenReport::nothingOpened(const std::string& fileName, const clsCfgImport& read,
                                         const clsOpenResult& result) {
    if (read.bindings.empty())
        return clsText::format(clsText::translate("clsOpenReport", "%1 holds no binds, so nothing was changed."),
                               {fileName}) +
               skippedText(read) + sizeText(read);
    return clsText::format(
               clsText::translate("clsOpenReport", "The one bind of %1 could not be opened, so nothing was changed.",
                                  "None of the %n binds of %1 could be opened, so nothing was changed.",
                                  read.bindings.size()),
               {fileName}) +
           leftOut(read, result);
}
