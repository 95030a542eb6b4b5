// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "model/binds/clsCfgBuilder.h"
#include "support/catalogues.h"

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

// The shipped file holds nothing the game would misread and offers exactly the game's radio commands.
TEST(shippedDefinitions, offerExactlyTheRadioCommandsTheGameDefines) {
    clsCfgBuilder builder;
    ASSERT_TRUE(builder.read_info(shipped.string()));
    EXPECT_EQ(builder.get_left_out().total(), 0u) << builder.get_left_out().listing(10);
    // The voice ids the game defines: the nine of its in-game radio menu, five more its own code sends, and the
    // command that opens the menu. An id the game does not know is silently dropped.
    std::vector<std::string> offered = shippedEntries("radio:");
    std::sort(offered.begin(), offered.end());
    std::string ids;
    for (const std::string& command : offered) ids += command + ",";
    EXPECT_EQ(ids,
              "ui_radio,vsay_team affirmative,vsay_team check_fire,vsay_team clear,vsay_team cover_me,vsay_team "
              "fire_hole,vsay_team got_him,vsay_team got_it,vsay_team grenade,vsay_team hold_position,vsay_team "
              "man_down,vsay_team need_backup,vsay_team negative,vsay_team sniper,vsay_team take_cover,");
}

// Each key the game binds, once: exactly the names Press Key gives, whatever it is given (the console key '`'
// is none: the game opens its console with it and never runs its bind).
TEST(shippedDefinitions, listEveryKeyTheGameBindsAndPressKeyNames) {
    const auto listed = shippedEntries("key:");
    const std::set<std::string> inFile(listed.begin(), listed.end());
    EXPECT_EQ(listed.size(), inFile.size()) << "a key listed twice";
    EXPECT_EQ(inFile, pressKeyNames());
}

}  // namespace
