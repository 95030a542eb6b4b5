#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "bindmodel/clsCfgBuilder.h"

namespace {

// The voice ids the game defines: the nine of its in-game radio menu, five more
// its own code sends, and the command that opens the menu. An id the game does
// not know is silently dropped, so the shipped file offers these and no others.
const std::set<std::string> gameRadioCommands = {
    "ui_radio",
    "vsay_team affirmative", "vsay_team negative", "vsay_team clear",     "vsay_team cover_me",
    "vsay_team got_him",     "vsay_team hold_position", "vsay_team man_down", "vsay_team need_backup",
    "vsay_team take_cover",
    "vsay_team sniper",      "vsay_team grenade", "vsay_team check_fire", "vsay_team fire_hole",
    "vsay_team got_it",
};

// The shipped file holds nothing the game would misread and offers exactly the game's radio commands.
TEST(shippedDefinitions, offerExactlyTheRadioCommandsTheGameDefines) {
    const auto shipped = std::filesystem::path(__FILE__).parent_path() / "../../InputFiles/SoF2 default.txt";
    clsCfgBuilder builder;
    ASSERT_TRUE(builder.read_info(shipped.string()));
    EXPECT_EQ(builder.get_left_out().total(), 0u) << builder.get_left_out().listing(10);
    std::multiset<std::string> offered;
    clsGroup& radios = builder.getGroup("radio:");
    for (radios.get_front(); radios.has_next();) offered.insert(radios.get_next().value);
    EXPECT_EQ(offered, std::multiset<std::string>(gameRadioCommands.begin(), gameRadioCommands.end()));
}

}  // namespace
