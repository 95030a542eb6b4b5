// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/cfgfile/clsOpenReport.h"

#include <algorithm>
#include <map>

#include "model/console/clsConsoleLexer.h"
#include "model/console/groupedNumber.h"

namespace {

const std::string paragraph = "\r\n\r\n";

std::string counted(std::size_t n, const std::string& one, const std::string& many) {
    return groupedNumber(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string clsOpenReport::refusalReason(clsLineVerdict why) {
    switch (why) {
        case clsLineVerdict::badKey: return "the key name is not one word to the game";
        case clsLineVerdict::tooLong:
            return "the bind line would be longer than the " + groupedNumber(clsConsoleLexer::lineLimit) +
                   " characters the game reads of a line";
        case clsLineVerdict::noSuchKey: return "the key list already holds 32,767 keys";
        case clsLineVerdict::noCommand: return "the binding is empty";
        default: return "the game would not read the bind line back as it is written";
    }
}

std::string clsOpenReport::lineList(const std::vector<std::size_t>& lines) {
    std::string text = lines.size() == 1 ? "line " : "lines ";
    const std::size_t named = lines.size() > shownLines ? shownLines : lines.size();
    for (std::size_t k = 0; k < named; ++k) {
        if (k > 0) text += (k + 1 == named && named == lines.size()) ? " and " : ", ";
        text += std::to_string(lines[k]);
    }
    if (named < lines.size()) text += " and " + groupedNumber(lines.size() - named) + " more";
    return text;
}

std::string clsOpenReport::noBindsYet(const std::string& fileName, std::size_t made, const clsCfgImport& read) {
    return fileName + " holds no binds yet" +
           (made == 0 ? std::string(".")
                      : ": the " + std::string(made == 1 ? "bind" : std::to_string(made) + " binds") +
                            " you have made are added to it when you save.") +
           leftOut(read, {}) + savingKeeps(fileName);
}

std::string clsOpenReport::replaceQuestion(const std::string& fileName, std::size_t made) {
    return "Replace " + std::string(made == 1 ? "the bind" : "all " + std::to_string(made) + " binds") +
           " you have made with the binds of " + fileName + "?";
}

std::string clsOpenReport::savingKeeps(const std::string& fileName) {
    return "\r\n\r\nWhen you save, everything else in " + fileName +
           " stays as it is: only the binds you change are written.";
}

std::string clsOpenReport::cannotOpen(const std::string& path, clsImportProblem problem, std::size_t size) {
    return "The file " + path + " cannot be opened: " + clsOpenReport::problem(problem, size) +
           ".\r\nNothing was changed.";
}

std::string clsOpenReport::problem(clsImportProblem problem, std::size_t size) {
    switch (problem) {
        case clsImportProblem::none: return {};
        case clsImportProblem::missing: return "it is not there (it may have been moved, renamed or deleted)";
        case clsImportProblem::notAFile: return "it is a folder or a device, not a file";
        case clsImportProblem::unreadable: return "it cannot be read (you may not have permission to read it)";
        case clsImportProblem::binary:
            return "it holds zero bytes, so it is no text file, and a cfg file is plain text";
        case clsImportProblem::tooLarge:
            return "it holds " + groupedNumber(size) +
                   " bytes, more than the 1 MiB that is read (the game runs at "
                   "most 16,383 bytes of a cfg file)";
    }
    return {};
}

namespace {

std::string refusedText(const clsOpenResult& result) {
    std::map<std::string, std::vector<std::size_t>> byReason;
    for (const clsOpenRefusal& r : result.refused) byReason[clsOpenReport::refusalReason(r.why)].push_back(r.line);
    std::string text;
    for (const auto& [reason, lines] : byReason)
        text += paragraph + counted(lines.size(), "bind was", "binds were") + " left out (" +
                clsOpenReport::lineList(lines) + "): " + reason + ".";
    return text;
}

// Each command quoted with its line, a line each, the first few of them.
std::string commandList(const std::vector<const clsSkippedCommand*>& commands) {
    std::string text;
    const std::size_t named = std::min(commands.size(), clsOpenReport::shownCommands);
    for (std::size_t k = 0; k < named; ++k)
        text += "\r\nline " + std::to_string(commands[k]->line) + ": " + clsOpenReport::quoted(commands[k]->text);
    if (named < commands.size()) text += "\r\n... and " + groupedNumber(commands.size() - named) + " more";
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
        std::string listed;
        for (std::size_t k = 0; k < names.size() && k < clsOpenReport::shownKeys; ++k) {
            const std::string name = clsOpenReport::quoted(names[k]);
            listed += (k ? ", " : "") + name.substr(1, name.size() - 2);
        }
        if (names.size() > clsOpenReport::shownKeys)
            listed += " and " + groupedNumber(names.size() - clsOpenReport::shownKeys) + " more";
        text += paragraph + counted(unknown.size(), "command binds", "commands bind") +
                " a key the game does not know (" + listed + "), so " +
                (unknown.size() == 1 ? "it binds" : "they bind") + " nothing:" + commandList(unknown);
    }
    if (!other.empty())
        text += paragraph + counted(other.size(), "other command is", "other commands are") +
                (other.size() == 1 ? " not a bind (the program leaves it as it is):"
                                   : " not binds (the program leaves them as they are):") +
                commandList(other);
    return text;
}

// The game's exec runs no file that does not fit its command buffer.
std::string sizeText(const clsCfgImport& read) {
    if (read.size <= clsConsoleLexer::largestRunnableFile) return {};
    return paragraph + "The file holds " + groupedNumber(read.size) +
           " bytes: the game's exec does not run a file of " + groupedNumber(clsConsoleLexer::largestRunnableFile + 1) +
           " bytes or more (its command buffer holds " + groupedNumber(clsConsoleLexer::largestRunnableFile) +
           " bytes of a file).";
}

}  // namespace

std::string clsOpenReport::opened(const std::string& fileName, const clsCfgImport& read, const clsOpenResult& result) {
    std::string text = "Read " + counted(result.opened, "bind", "binds") + " from " + fileName + ".";
    const std::vector<std::string>& added = result.addedKeys;
    if (!added.empty()) {
        text += paragraph +
                (added.size() == 1 ? "One of its keys is" : groupedNumber(added.size()) + " of its keys are") +
                " not in the definition file, so " + (added.size() == 1 ? "it was" : "they were") +
                " added at the end of the key list: ";
        for (std::size_t k = 0; k < added.size() && k < shownKeys; ++k) text += (k ? ", " : "") + added[k];
        if (added.size() > shownKeys) text += " and " + groupedNumber(added.size() - shownKeys) + " more";
        text += ".";
    }
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
        return fileName + " holds no binds, so nothing was changed." + skippedText(read) + sizeText(read);
    const std::string none = read.bindings.size() == 1 ? "The one bind of " + fileName + " could not be opened"
                                                       : "None of the " + groupedNumber(read.bindings.size()) +
                                                             " binds of " + fileName + " could be opened";
    return none + ", so nothing was changed." + leftOut(read, result);
}
