// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/keys/clsKeyboardLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "model/keys/clsGameKeys.h"
#include "model/text/clsText.h"

namespace {

// The rows of the keyboard: the function row, half a key of room, then the
// five rows of the main block.
constexpr double functionRow = 0;
double row(int r) { return r + 0.5; }

// Columns of the blocks right of the main block.
constexpr double navigation = 15.25;
constexpr double keypad = 18.5;
constexpr double mouseLeft = 23.5;
constexpr double mouseTop = 1.5;

clsLayoutKey key(std::string name, std::string label, double top, double left, double width = 1, double height = 1,
                 std::string spoken = {}) {
    return clsLayoutKey{std::move(name), std::move(label), std::move(spoken), top, left, width, height, false};
}
// A key whose name is its label (a character key); letters show in capitals.
clsLayoutKey character(char c, double top, double left) {
    const char cap = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return key(std::string(1, c), std::string(1, cap), top, left);
}
clsLayoutKey twin(std::string name, std::string label, double top, double left, double width, std::string spoken) {
    clsLayoutKey k = key(std::move(name), std::move(label), top, left, width, 1, std::move(spoken));
    k.twin = true;
    return k;
}
// A key the game has no name for: drawn, never bound.
clsLayoutKey nameless(std::string label, std::string spoken, double top, double left, double width = 1) {
    return key({}, std::move(label), top, left, width, 1, std::move(spoken));
}

// A key of the number pad in words: "keypad 7".
std::string padKey(const char* cap) {
    return clsText::format(clsText::translate("clsKeyboardLayout", "keypad %1"), {cap});
}

std::vector<clsLayoutKey> makeLayout() {
    std::vector<clsLayoutKey> k;
    // The function row.
    k.push_back(key("ESCAPE", "Esc", functionRow, 0, 1, 1, clsText::translate("clsKeyboardLayout", "Escape")));
    for (int f = 1; f <= 12; ++f) {
        const double group = (f - 1) / 4;  // F1-F4, F5-F8, F9-F12, half a key apart
        k.push_back(key("F" + std::to_string(f), "F" + std::to_string(f), functionRow, 1 + f + group * 0.5));
    }
    k.push_back(nameless("PrtSc", clsText::translate("clsKeyboardLayout", "Print Screen"), functionRow, navigation));
    k.push_back(nameless("ScrLk", clsText::translate("clsKeyboardLayout", "Scroll Lock"), functionRow, navigation + 1));
    k.push_back(key("PAUSE", "Pause", functionRow, navigation + 2));
    k.push_back(key("KP_EQUALS", "=", functionRow, keypad + 3, 1, 1, padKey("=")));

    // The number row.
    k.push_back(key("`", "`", row(1), 0, 1, 1, clsText::translate("clsKeyboardLayout", "console key")));
    const std::string digits = "1234567890-=";
    for (std::size_t i = 0; i < digits.size(); ++i) k.push_back(character(digits[i], row(1), 1.0 + double(i)));
    k.push_back(key("BACKSPACE", "Backspace", row(1), 13, 2));
    k.push_back(key("INS", "Ins", row(1), navigation, 1, 1, clsText::translate("clsKeyboardLayout", "Insert")));
    k.push_back(key("HOME", "Home", row(1), navigation + 1));
    k.push_back(key("PGUP", "PgUp", row(1), navigation + 2, 1, 1, clsText::translate("clsKeyboardLayout", "Page Up")));
    k.push_back(key("KP_NUMLOCK", "Num", row(1), keypad, 1, 1, clsText::translate("clsKeyboardLayout", "Num Lock")));
    k.push_back(key("KP_SLASH", "/", row(1), keypad + 1, 1, 1, padKey("/")));
    k.push_back(key("KP_STAR", "*", row(1), keypad + 2, 1, 1, padKey("*")));
    k.push_back(key("KP_MINUS", "-", row(1), keypad + 3, 1, 1, padKey("-")));

    // The top letter row.
    k.push_back(key("TAB", "Tab", row(2), 0, 1.5));
    const std::string top = "qwertyuiop[]";
    for (std::size_t i = 0; i < top.size(); ++i) k.push_back(character(top[i], row(2), 1.5 + double(i)));
    k.push_back(key("\\", "\\", row(2), 13.5, 1.5));
    k.push_back(key("DEL", "Del", row(2), navigation, 1, 1, clsText::translate("clsKeyboardLayout", "Delete")));
    k.push_back(key("END", "End", row(2), navigation + 1));
    k.push_back(
        key("PGDN", "PgDn", row(2), navigation + 2, 1, 1, clsText::translate("clsKeyboardLayout", "Page Down")));
    k.push_back(key("KP_HOME", "7", row(2), keypad, 1, 1, padKey("7")));
    k.push_back(key("KP_UPARROW", "8", row(2), keypad + 1, 1, 1, padKey("8")));
    k.push_back(key("KP_PGUP", "9", row(2), keypad + 2, 1, 1, padKey("9")));
    k.push_back(key("KP_PLUS", "+", row(2), keypad + 3, 1, 2, padKey("+")));

    // The home row.
    k.push_back(key("CAPSLOCK", "Caps Lock", row(3), 0, 1.75));
    const std::string home = "asdfghjkl";
    for (std::size_t i = 0; i < home.size(); ++i) k.push_back(character(home[i], row(3), 1.75 + double(i)));
    k.push_back(key("SEMICOLON", ";", row(3), 10.75));
    k.push_back(character('\'', row(3), 11.75));
    k.push_back(key("ENTER", "Enter", row(3), 12.75, 2.25));
    k.push_back(key("KP_LEFTARROW", "4", row(3), keypad, 1, 1, padKey("4")));
    k.push_back(key("KP_5", "5", row(3), keypad + 1, 1, 1, padKey("5")));
    k.push_back(key("KP_RIGHTARROW", "6", row(3), keypad + 2, 1, 1, padKey("6")));

    // The bottom letter row.
    k.push_back(key("SHIFT", "Shift", row(4), 0, 2.25));
    const std::string bottom = "zxcvbnm,./";
    for (std::size_t i = 0; i < bottom.size(); ++i) k.push_back(character(bottom[i], row(4), 2.25 + double(i)));
    k.push_back(twin("SHIFT", "Shift", row(4), 12.25, 2.75, clsText::translate("clsKeyboardLayout", "right Shift")));
    k.push_back(
        key("UPARROW", "\u2191", row(4), navigation + 1, 1, 1, clsText::translate("clsKeyboardLayout", "up arrow")));
    k.push_back(key("KP_END", "1", row(4), keypad, 1, 1, padKey("1")));
    k.push_back(key("KP_DOWNARROW", "2", row(4), keypad + 1, 1, 1, padKey("2")));
    k.push_back(key("KP_PGDN", "3", row(4), keypad + 2, 1, 1, padKey("3")));
    k.push_back(key("KP_ENTER", "Enter", row(4), keypad + 3, 1, 2, padKey("Enter")));

    // The space bar row.
    k.push_back(key("CTRL", "Ctrl", row(5), 0, 1.25));
    k.push_back(nameless("Win", clsText::translate("clsKeyboardLayout", "Windows key"), row(5), 1.25, 1.25));
    k.push_back(key("ALT", "Alt", row(5), 2.5, 1.25));
    k.push_back(key("SPACE", "Space", row(5), 3.75, 6.25));
    k.push_back(twin("ALT", "Alt", row(5), 10, 1.25, clsText::translate("clsKeyboardLayout", "right Alt")));
    k.push_back(nameless("Win", clsText::translate("clsKeyboardLayout", "right Windows key"), row(5), 11.25, 1.25));
    k.push_back(nameless("Menu", clsText::translate("clsKeyboardLayout", "Menu key"), row(5), 12.5, 1.25));
    k.push_back(twin("CTRL", "Ctrl", row(5), 13.75, 1.25, clsText::translate("clsKeyboardLayout", "right Ctrl")));
    k.push_back(
        key("LEFTARROW", "\u2190", row(5), navigation, 1, 1, clsText::translate("clsKeyboardLayout", "left arrow")));
    k.push_back(key("DOWNARROW", "\u2193", row(5), navigation + 1, 1, 1,
                    clsText::translate("clsKeyboardLayout", "down arrow")));
    k.push_back(key("RIGHTARROW", "\u2192", row(5), navigation + 2, 1, 1,
                    clsText::translate("clsKeyboardLayout", "right arrow")));
    k.push_back(key("KP_INS", "0", row(5), keypad, 2, 1, padKey("0")));
    k.push_back(key("KP_DEL", ".", row(5), keypad + 2, 1, 1, padKey(".")));

    // The mouse: two buttons with the wheel between them (up, its click,
    // down), and the two side buttons under the thumb, forward in front.
    k.push_back(key("MOUSE1", "M1", mouseTop, mouseLeft, 1.25, 2,
                    clsText::translate("clsKeyboardLayout", "left mouse button")));
    k.push_back(key("MWHEELUP", "\u25b2", mouseTop, mouseLeft + 1.25, 1, 0.75,
                    clsText::translate("clsKeyboardLayout", "wheel up")));
    k.push_back(key("MOUSE3", "M3", mouseTop + 0.75, mouseLeft + 1.25, 1, 0.5,
                    clsText::translate("clsKeyboardLayout", "middle mouse button")));
    k.push_back(key("MWHEELDOWN", "\u25bc", mouseTop + 1.25, mouseLeft + 1.25, 1, 0.75,
                    clsText::translate("clsKeyboardLayout", "wheel down")));
    k.push_back(key("MOUSE2", "M2", mouseTop, mouseLeft + 2.25, 1.25, 2,
                    clsText::translate("clsKeyboardLayout", "right mouse button")));
    k.push_back(key("MOUSE5", "M5", mouseTop + 2.25, mouseLeft, 0.75, 0.75,
                    clsText::translate("clsKeyboardLayout", "forward side button")));
    k.push_back(key("MOUSE4", "M4", mouseTop + 3, mouseLeft, 0.75, 0.75,
                    clsText::translate("clsKeyboardLayout", "back side button")));
    return k;
}

// How far apart two spans are; 0 when they overlap.
double gap(double start1, double length1, double start2, double length2) {
    return std::max({0.0, start2 - (start1 + length1), start1 - (start2 + length2)});
}

}  // namespace

const std::vector<clsLayoutKey>& clsKeyboardLayout::keys() {
    static const std::vector<clsLayoutKey> layout = makeLayout();
    return layout;
}

double clsKeyboardLayout::width() { return mouseLeft + 3.5; }
double clsKeyboardLayout::height() { return row(5) + 1; }
clsKeyboardLayout::area clsKeyboardLayout::mouseBody() { return {mouseLeft, mouseTop, 3.5, row(5) + 1 - mouseTop}; }

int clsKeyboardLayout::keyAt(double x, double y) {
    const auto& all = keys();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].contains(x, y)) return static_cast<int>(i);
    return -1;
}

int clsKeyboardLayout::find(std::string_view name) {
    static const std::unordered_map<std::string, int> places = [] {
        std::unordered_map<std::string, int> m;
        const auto& all = keys();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (!all[i].name.empty()) m.try_emplace(all[i].name, static_cast<int>(i));
        return m;
    }();
    const auto it = places.find(clsGameKeys::identity(name));
    return it == places.end() ? -1 : it->second;
}

int clsKeyboardLayout::neighbour(int from, direction d) {
    const auto& all = keys();
    if (from < 0 || static_cast<std::size_t>(from) >= all.size()) return from;
    const clsLayoutKey& f = all[static_cast<std::size_t>(from)];
    const bool across = d == direction::left || d == direction::right;
    const double sign = (d == direction::right || d == direction::down) ? 1 : -1;
    // Keys in line (their spans across the move overlap) before any other;
    // then the nearest, then the one whose centre is nearest the line.
    int best = from;
    double bestScore = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const clsLayoutKey& k = all[i];
        const double ahead = sign * (across ? k.centreX() - f.centreX() : k.centreY() - f.centreY());
        if (ahead <= 1e-9) continue;
        const double off = across ? gap(f.top, f.height, k.top, k.height) : gap(f.left, f.width, k.left, k.width);
        const double centreOff = across ? std::abs(k.centreY() - f.centreY()) : std::abs(k.centreX() - f.centreX());
        const double score = (off > 0 ? 1000 : 0) + ahead + 2 * off + 0.01 * centreOff;
        if (score < bestScore) {
            bestScore = score;
            best = static_cast<int>(i);
        }
    }
    return best;
}
