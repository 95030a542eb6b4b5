// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/keys/clsGameKeys.h"

#include <unordered_map>

namespace {

std::vector<std::string> engineNames() {
    std::vector<std::string> n{"TAB",       "ENTER",        "ESCAPE",     "SPACE",        "BACKSPACE", "UPARROW",
                               "DOWNARROW", "LEFTARROW",    "RIGHTARROW", "ALT",          "CTRL",      "SHIFT",
                               "COMMAND",   "CAPSLOCK",     "POWER",      "PAUSE",        "INS",       "DEL",
                               "PGDN",      "PGUP",         "HOME",       "END",          "MWHEELUP",  "MWHEELDOWN",
                               "KP_HOME",   "KP_UPARROW",   "KP_PGUP",    "KP_LEFTARROW", "KP_5",      "KP_RIGHTARROW",
                               "KP_END",    "KP_DOWNARROW", "KP_PGDN",    "KP_ENTER",     "KP_INS",    "KP_DEL",
                               "KP_SLASH",  "KP_MINUS",     "KP_PLUS",    "KP_NUMLOCK",   "KP_STAR",   "KP_EQUALS",
                               "SEMICOLON"};
    for (int k = 1; k <= 15; ++k) n.push_back("F" + std::to_string(k));
    for (int k = 1; k <= 5; ++k) n.push_back("MOUSE" + std::to_string(k));
    for (int k = 1; k <= 32; ++k) n.push_back("JOY" + std::to_string(k));
    for (int k = 1; k <= 16; ++k) n.push_back("AUX" + std::to_string(k));
    return n;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// The bytes that are named keys of their own.
const char* byteName(char c) {
    switch (c) {
        case '\t': return "TAB";
        case '\r': return "ENTER";
        case 27: return "ESCAPE";
        case ' ': return "SPACE";
        case ';': return "SEMICOLON";
        case 127: return "BACKSPACE";
        default: return nullptr;
    }
}

}  // namespace

const std::vector<std::string>& clsGameKeys::names() {
    static const std::vector<std::string> all = engineNames();
    return all;
}

std::optional<std::string> clsGameKeys::canonical(std::string_view name) {
    if (name.size() == 1) {
        const auto byte = static_cast<unsigned char>(name[0]);
        if (byte == 0 || byte >= 0x80) return std::nullopt;
        if (const char* named = byteName(name[0])) return std::string(named);
        return std::string(name);
    }
    static const std::unordered_map<std::string, std::string> byUpper = [] {
        std::unordered_map<std::string, std::string> m;
        for (const std::string& n : names()) m.emplace(upper(n), n);
        return m;
    }();
    if (name.empty() || name.size() > 16) return std::nullopt;
    const auto it = byUpper.find(upper(name));
    if (it == byUpper.end()) return std::nullopt;
    return it->second;
}

std::string clsGameKeys::identity(std::string_view name) {
    if (auto known = canonical(name)) return std::move(*known);
    // '\0' never starts a canonical spelling.
    return std::string(1, '\0') + std::string(name);
}
