// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/input/clsInputHandler.h"

#include <vector>

#include "model/text/clsText.h"

namespace {
constexpr std::int16_t code(char c) { return static_cast<std::int16_t>(static_cast<unsigned char>(c)); }
const std::string backspace(1, '\b');
}  // namespace

std::int16_t clsInputHandler::NoInput(std::int16_t) const { return 0; }

std::int16_t clsInputHandler::MinMax(std::int16_t asci, std::int16_t min, std::int16_t max) const {
    return (asci >= min && asci <= max) ? asci : 0;
}

std::int16_t clsInputHandler::Exclude(std::int16_t asci, const std::string& without) const {
    for (char c : without)
        if (code(c) == asci) return 0;
    return asci;
}

std::int16_t clsInputHandler::Include(std::int16_t asci, const std::string& Incl) const {
    for (char c : Incl)
        if (code(c) == asci) return asci;
    return 0;
}

std::int16_t clsInputHandler::filterChatText(std::int16_t asci) const {
    static const std::string allowed = backspace + chatPunctuation + " ";
    if (MinMax(asci, code('a'), code('z')) || MinMax(asci, code('A'), code('Z')) ||
        MinMax(asci, code('0'), code('9')) || Include(asci, allowed))
        return asci;
    return 0;
}

std::int16_t clsInputHandler::filterFileName(std::int16_t asci) const {
    if (MinMax(asci, code('a'), code('z')) || MinMax(asci, code('A'), code('Z')) ||
        MinMax(asci, code('0'), code('9')) || Include(asci, backspace))
        return asci;
    return 0;
}

bool clsInputHandler::chatCharFits(char c, std::string_view before, std::string_view after) const {
    if (filterChatText(code(c)) == 0) return false;
    if (c == '\b') return true;  // deleting never makes a forbidden pair
    if (c == ';') return false;  // the console would run what follows as a command
    // The console takes "//" and "/*" as the start of a comment.
    const char left = before.empty() ? '\0' : before.back();
    const char right = after.empty() ? '\0' : after.front();
    if (c == '/' && (left == '/' || right == '/' || right == '*')) return false;
    if (c == '*' && left == '/') return false;
    return true;
}

std::string clsInputHandler::cleanChatText(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\b') continue;
        // A colour code goes whole: "^1red" keeps "red".
        if (c == '^' && i + 1 < text.size() && text[i + 1] != '^') {
            ++i;
            continue;
        }
        // Only what was kept so far stands to the left; the next character
        // is judged when its turn comes, so look at nothing on the right.
        if (chatCharFits(c, out, std::string_view{})) out.push_back(c);
    }
    return out;
}

std::string clsInputHandler::cleanFileName(std::string_view text) const {
    std::string out;
    for (char c : text)
        if (c != '\b' && filterFileName(code(c)) != 0) out.push_back(c);
    return out;
}

namespace {

// A character as UTF-8.
std::string utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// A removed character as the line shows it.
std::string shown(char32_t c) {
    if (c == '\r' || c == '\n') return clsText::translate("clsInputHandler", "line break");
    if (c == '\t') return clsText::translate("clsInputHandler", "tab");
    if (c < 0x20 || c == 0x7F) return clsText::translate("clsInputHandler", "control character");
    return utf8(c);
}

}  // namespace

std::string clsInputHandler::refusalReason(char32_t c) {
    switch (c) {
        case ';': return clsText::translate("clsInputHandler", "the console would run the rest as a command");
        case '/':
        case '*':
            return clsText::translate("clsInputHandler",
                                      "// and /* start a console comment, which would lose the rest");
        case '^': return clsText::translate("clsInputHandler", "colours come from the pattern lists");
        case '"': return clsText::translate("clsInputHandler", "the console reads quotes as grouping, not as text");
        case '%': return clsText::translate("clsInputHandler", "the game shows it as a dot");
        case '#': return clsText::translate("clsInputHandler", "OSP tokens start with it: add them with Add OSP");
        case '\r':
        case '\n':
        case '\t': return clsText::translate("clsInputHandler", "a chat line is one line");
        default: break;
    }
    if (c < 0x20 || c == 0x7F) return clsText::translate("clsInputHandler", "a chat line is one line");
    return clsText::translate("clsInputHandler", "the game shows only plain letters, digits and punctuation");
}

std::string clsInputHandler::refusalLine(std::u32string_view removed) {
    // Reasons in the order they first come up, each with its characters.
    std::vector<std::pair<std::string, std::vector<std::string>>> groups;
    for (std::size_t i = 0; i < removed.size(); ++i) {
        const char32_t c = removed[i];
        const std::string reason = refusalReason(c);
        auto group = groups.begin();
        while (group != groups.end() && group->first != reason) ++group;
        if (group == groups.end()) group = groups.insert(groups.end(), {reason, {}});
        std::string name = shown(c);
        // A colour code was taken out whole: "^1".
        if (c == '^' && i + 1 < removed.size() && removed[i + 1] != '^') name += shown(removed[++i]);
        bool listed = false;
        for (const std::string& n : group->second) listed = listed || n == name;
        if (!listed) group->second.push_back(name);
    }
    std::string line;
    for (const auto& [reason, characters] : groups) {
        if (!line.empty()) line += " \u00b7 ";
        std::string names;
        for (const std::string& n : characters) names += (names.empty() ? "" : " ") + n;
        line += clsText::format(clsText::translate("clsInputHandler", "%1 removed: %2"), {names, reason});
    }
    return line;
}
