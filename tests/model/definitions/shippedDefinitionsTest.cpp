// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "model/binds/clsCfgBuilder.h"
#include "model/keys/clsKeyNames.h"

namespace {

const auto shipped = std::filesystem::path(__FILE__).parent_path() / "../../../InputFiles/SoF2 default.txt";

// The values of one kind of entry in the shipped file, in its order.
std::vector<std::string> shippedEntries(const char* kind) {
    clsCfgBuilder builder;
    if (!builder.read_info(shipped.string())) return {};
    std::vector<std::string> values;
    clsGroup& group = builder.getGroup(kind);
    for (group.get_front(); group.has_next();) values.push_back(group.get_next().value);
    return values;
}

// Every key the game binds, by the name its bind command takes: its named keys,
// and the characters the keys of a US keyboard type without Shift, except the
// console key '`' (the game opens its console with it and never runs its bind).
std::multiset<std::string> gameKeys() {
    std::multiset<std::string> keys = {
        "TAB",          "ENTER",      "ESCAPE",     "SPACE",        "BACKSPACE", "CAPSLOCK",      "UPARROW",
        "DOWNARROW",    "LEFTARROW",  "RIGHTARROW", "ALT",          "CTRL",      "SHIFT",         "INS",
        "DEL",          "HOME",       "END",        "PGUP",         "PGDN",      "PAUSE",         "SEMICOLON",
        "KP_HOME",      "KP_UPARROW", "KP_PGUP",    "KP_LEFTARROW", "KP_5",      "KP_RIGHTARROW", "KP_END",
        "KP_DOWNARROW", "KP_PGDN",    "KP_ENTER",   "KP_INS",       "KP_DEL",    "KP_SLASH",      "KP_MINUS",
        "KP_PLUS",      "KP_NUMLOCK", "KP_STAR",    "KP_EQUALS",    "MOUSE1",    "MOUSE2",        "MOUSE3",
        "MOUSE4",       "MOUSE5",     "MWHEELUP",   "MWHEELDOWN"};
    for (int f = 1; f <= 12; ++f) keys.insert("F" + std::to_string(f));
    for (char c : std::string("abcdefghijklmnopqrstuvwxyz0123456789-=[]\\',./")) keys.insert(std::string(1, c));
    return keys;
}

// The voice ids the game defines: the nine of its in-game radio menu, five more
// its own code sends, and the command that opens the menu. An id the game does
// not know is silently dropped, so the shipped file offers these and no others.
const std::set<std::string> gameRadioCommands = {
    "ui_radio",
    "vsay_team affirmative",
    "vsay_team negative",
    "vsay_team clear",
    "vsay_team cover_me",
    "vsay_team got_him",
    "vsay_team hold_position",
    "vsay_team man_down",
    "vsay_team need_backup",
    "vsay_team take_cover",
    "vsay_team sniper",
    "vsay_team grenade",
    "vsay_team check_fire",
    "vsay_team fire_hole",
    "vsay_team got_it",
};

// The shipped file holds nothing the game would misread and offers exactly the game's radio commands.
TEST(shippedDefinitions, offerExactlyTheRadioCommandsTheGameDefines) {
    clsCfgBuilder builder;
    ASSERT_TRUE(builder.read_info(shipped.string()));
    EXPECT_EQ(builder.get_left_out().total(), 0u) << builder.get_left_out().listing(10);
    const auto offered = shippedEntries("radio:");
    EXPECT_EQ(std::multiset<std::string>(offered.begin(), offered.end()),
              std::multiset<std::string>(gameRadioCommands.begin(), gameRadioCommands.end()));
}

// Each key the game binds, once; and Press Key names exactly these keys, whatever
// it is given: every key code the toolkit has (characters, and its own keys from
// 0x01000000 on), on the number pad or not, every mouse button, both wheel steps.
TEST(shippedDefinitions, listEveryKeyTheGameBindsAndPressKeyNames) {
    const auto listed = shippedEntries("key:");
    EXPECT_EQ(std::multiset<std::string>(listed.begin(), listed.end()), gameKeys());

    std::set<std::string> named;
    auto add = [&](const std::string& name) {
        if (!name.empty()) named.insert(name);
    };
    for (const auto& [from, to] : {std::pair{0, 0x30000}, {0x01000000, 0x01030000}, {0x01100000, 0x01110000}})
        for (int code = from; code < to; ++code)
            for (bool keypad : {false, true}) add(clsKeyNames::forKey(code, keypad));
    for (int bit = 0; bit < 31; ++bit) add(clsKeyNames::forMouseButton(1 << bit));
    add(clsKeyNames::forWheel(120));
    add(clsKeyNames::forWheel(-120));
    const std::set<std::string> inFile(listed.begin(), listed.end());
    std::vector<std::string> notListed, notNamed;
    std::ranges::set_difference(named, inFile, std::back_inserter(notListed));
    std::ranges::set_difference(inFile, named, std::back_inserter(notNamed));
    EXPECT_EQ(notListed, std::vector<std::string>{}) << "Press Key names these, the shipped file does not list them";
    EXPECT_EQ(notNamed, std::vector<std::string>{}) << "listed, but Press Key never names them";
}

}  // namespace
