// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/keys/clsKeyNames.h"

#include "model/keys/clsGameKeys.h"
#include "model/text/clsText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The toolkit's key codes (Qt::Key) that have names of their own.
namespace qt {
constexpr int escape = 0x01000000, tab = 0x01000001, backtab = 0x01000002, backspace = 0x01000003,
              returnKey = 0x01000004, enter = 0x01000005, insert = 0x01000006, del = 0x01000007, pause = 0x01000008,
              clear = 0x0100000b, home = 0x01000010, end = 0x01000011, left = 0x01000012, up = 0x01000013,
              right = 0x01000014, down = 0x01000015, pageUp = 0x01000016, pageDown = 0x01000017, shift = 0x01000020,
              control = 0x01000021, alt = 0x01000023, capsLock = 0x01000024, numLock = 0x01000025, f1 = 0x01000030,
              altGr = 0x01001103;
}  // namespace qt

// F1 to F12: the function keys a keyboard sends the game (it has names for
// F13 to F15 too, but no keyboard key reaches it as one of them).
constexpr int functionKeys = 12;

constexpr std::array<std::pair<int, const char*>, 24> namedKeys{{
    {qt::escape, "ESCAPE"},
    {qt::tab, "TAB"},
    {qt::backtab, "TAB"},
    {qt::backspace, "BACKSPACE"},
    {qt::returnKey, "ENTER"},
    {qt::enter, "KP_ENTER"},
    {qt::insert, "INS"},
    {qt::del, "DEL"},
    {qt::pause, "PAUSE"},
    {qt::home, "HOME"},
    {qt::end, "END"},
    {qt::left, "LEFTARROW"},
    {qt::up, "UPARROW"},
    {qt::right, "RIGHTARROW"},
    {qt::down, "DOWNARROW"},
    {qt::pageUp, "PGUP"},
    {qt::pageDown, "PGDN"},
    {qt::shift, "SHIFT"},
    {qt::control, "CTRL"},
    {qt::alt, "ALT"},
    {qt::altGr, "ALT"},
    {qt::capsLock, "CAPSLOCK"},
    {qt::numLock, "KP_NUMLOCK"},
    {' ', "SPACE"},
}};

// The number pad: the game names each key by what it does with Num Lock off.
constexpr std::array<std::pair<int, const char*>, 28> keypadKeys{{
    {'0', "KP_INS"},        {qt::insert, "KP_INS"},
    {'1', "KP_END"},        {qt::end, "KP_END"},
    {'2', "KP_DOWNARROW"},  {qt::down, "KP_DOWNARROW"},
    {'3', "KP_PGDN"},       {qt::pageDown, "KP_PGDN"},
    {'4', "KP_LEFTARROW"},  {qt::left, "KP_LEFTARROW"},
    {'5', "KP_5"},          {qt::clear, "KP_5"},
    {'6', "KP_RIGHTARROW"}, {qt::right, "KP_RIGHTARROW"},
    {'7', "KP_HOME"},       {qt::home, "KP_HOME"},
    {'8', "KP_UPARROW"},    {qt::up, "KP_UPARROW"},
    {'9', "KP_PGUP"},       {qt::pageUp, "KP_PGUP"},
    {'.', "KP_DEL"},        {',', "KP_DEL"},
    {qt::del, "KP_DEL"},    {'/', "KP_SLASH"},
    {'*', "KP_STAR"},       {'-', "KP_MINUS"},
    {'+', "KP_PLUS"},       {'=', "KP_EQUALS"},
}};

// The game names a key by the character it sends without Shift, as on a US
// keyboard (the layout its names follow): a shifted symbol names the key it
// is on, so '!' is the key 1 and ':' the key ';'.
constexpr std::array<std::pair<char, char>, 21> shiftedSymbols{{
    {'!', '1'},  {'@', '2'}, {'#', '3'},  {'$', '4'}, {'%', '5'}, {'^', '6'}, {'&', '7'},
    {'*', '8'},  {'(', '9'}, {')', '0'},  {'_', '-'}, {'+', '='}, {'{', '['}, {'}', ']'},
    {'|', '\\'}, {':', ';'}, {'"', '\''}, {'<', ','}, {'>', '.'}, {'?', '/'}, {'~', '`'},
}};

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The character the key sends without Shift; 0 for anything but printable ASCII.
char unshifted(int qtKey) {
    if (qtKey <= ' ' || qtKey >= 0x7f) return 0;
    const char c = static_cast<char>(qtKey);
    for (const auto& [symbol, key] : shiftedSymbols)
        if (symbol == c) return key;
    return lower(c);
}

}  // namespace

std::string clsKeyNames::forKey(int qtKey, bool keypad) {
    if (keypad || qtKey == qt::enter)
        for (const auto& [code, name] : keypadKeys)
            if (code == qtKey) return name;
    for (const auto& [code, name] : namedKeys)
        if (code == qtKey) return name;
    if (qtKey >= qt::f1 && qtKey < qt::f1 + functionKeys) return "F" + std::to_string(qtKey - qt::f1 + 1);
    // Any other key of the number pad has no name.
    if (keypad || isConsoleKey(qtKey, keypad)) return {};
    // A key of the main block is named by its character; ';' would end the
    // bind command, so the game names it SEMICOLON.
    const char c = unshifted(qtKey);
    if (c == ';') return "SEMICOLON";
    if (c != 0) return std::string(1, c);
    return {};
}

bool clsKeyNames::isConsoleKey(int qtKey, bool keypad) { return !keypad && unshifted(qtKey) == '`'; }

std::string clsKeyNames::forMouseButton(int qtButton) {
    // Left, right, middle, back, forward: the flags 1, 2, 4, 8, 16.
    for (int k = 0; k < 5; ++k)
        if (qtButton == 1 << k) return "MOUSE" + std::to_string(k + 1);
    return {};
}

std::string clsKeyNames::forWheel(int delta) {
    if (delta > 0) return "MWHEELUP";
    if (delta < 0) return "MWHEELDOWN";
    return {};
}

bool clsKeyNames::sameKey(std::string_view a, std::string_view b) { return clsGameKeys::sameKey(a, b); }

std::optional<clsRefusal> clsKeyNames::pressRefusal(bool consoleKey, const std::string& name, const std::string& shown,
                                                    bool listed) {
    if (consoleKey)
        return clsRefusal{clsText::translate("clsKeyNames", "Console Key"),
                          clsText::format(clsText::translate("clsKeyNames",
                                                             "The key %1 opens the game's console, so the game never "
                                                             "runs a bind of it. Pick another key."),
                                          {shown})};
    if (name.empty())
        return clsRefusal{
            clsText::translate("clsKeyNames", "Key Not Known"),
            shown.empty() ? clsText::translate("clsKeyNames",
                                               "The game has no name for this key, so it cannot be bound. Pick "
                                               "another key.")
                          : clsText::format(clsText::translate("clsKeyNames",
                                                               "The game has no name for the key %1, so it cannot be "
                                                               "bound. Pick another key."),
                                            {shown})};
    if (!listed)
        return clsRefusal{clsText::translate("clsKeyNames", "Key Not Listed"),
                          clsText::format(clsText::translate("clsKeyNames",
                                                             "The key %1 is not in the key list of this definition "
                                                             "file, so it cannot be bound now. To bind it, add the "
                                                             "line key:%1 to the file with a text editor and load "
                                                             "the file again at the next start."),
                                          {name})};
    return std::nullopt;
}
