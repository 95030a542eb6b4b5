// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The binds laid over the keyboard picture: what each kind of key shows and says, which keys go under the picture,
// the counts, and the colours of the kinds on every face.
#include <gtest/gtest.h>

#include <functional>

#include "model/keys/clsKeyboardMap.h"
#include "model/keys/clsKindColours.h"
#include "model/styles/clsContrast.h"
#include "support/catalogues.h"
#include "support/loadedBuilder.h"

namespace {

// F1 listed, F2 listed in lower case, keypad Enter with blanks around it, both the left and right SHIFT, keys the
// picture has no place for (a joystick key, capital A, a name the game does not know, F1 again in lower case).
const std::string definitions =
    "key:F1\r\nkey:f2\r\nkey: kp_enter \r\nkey:SHIFT\r\nkey:MOUSE1\r\nkey:JOY1\r\nkey:A\r\nkey:FOO\r\nkey:f1\r\n"
    "color:Red<>1\r\ncolor:Blue<>4\r\nradio:Sniper<>vsay_team sniper\r\n";

int place(const char* name) { return clsKeyboardLayout::find(name); }
std::string said(const clsKeyboardMap& map, int at) {
    return clsKeyboardMap::describe(clsKeyboardLayout::keys()[static_cast<std::size_t>(at)].title(), map.at(at));
}

struct kindCase {
    const char* name;
    std::function<void(clsCfgBuilder&)> binds;
    int at;  // the place looked at
    clsKeyState state;
    const char* key;    // the definition file's spelling picking selects
    const char* words;  // describe
    const char* label;  // shortLabel
};
void PrintTo(const kindCase& c, std::ostream* out) { *out << c.name; }

class clsKeyboardMapKinds : public testing::TestWithParam<kindCase> {};

TEST_P(clsKeyboardMapKinds, eachKeyShowsItsKindKeyWordsAndLabel) {
    const kindCase& c = GetParam();
    loadedBuilder lb(definitions);
    c.binds(lb.b);
    clsKeyboardMap map;
    map.update(lb.b);
    EXPECT_EQ(map.at(c.at).state, c.state);
    EXPECT_EQ(map.at(c.at).key, c.key);
    EXPECT_EQ(said(map, c.at), c.words);
    EXPECT_EQ(clsKeyboardMap::shortLabel(map.at(c.at)), c.label);
}

void nothing(clsCfgBuilder&) {}
void sayF1(clsCfgBuilder& b) { ASSERT_TRUE(b.add_code("F1", "Hello  all", "say", {"1", "4"}, 2, "5", false)); }

INSTANTIATE_TEST_SUITE_P(
    kinds, clsKeyboardMapKinds,
    testing::Values(
        kindCase{"free", nothing, place("F1"), clsKeyState::free, "F1", "F1, free", ""},
        kindCase{"publicChatShowsTheLineAsTheGameDoes", sayF1, place("F1"), clsKeyState::publicChat, "F1",
                 "F1, public chat: ^1Hello^4  all", "Hello all"},
        kindCase{"teamChatOfAKeySpelledInLowerCase",
                 [](clsCfgBuilder& b) { ASSERT_TRUE(b.add_code("f2", "hi", "say_team", {"4"}, 1, "1", false)); },
                 place("F2"), clsKeyState::teamChat, "f2", "F2, team chat: ^4hi", "hi"},
        kindCase{"radioOfTheDefinitionFile",
                 [](clsCfgBuilder& b) { ASSERT_TRUE(b.add_radio_code("MOUSE1", "vsay_team sniper", "Sniper")); },
                 place("MOUSE1"), clsKeyState::radio, "MOUSE1", "MOUSE1 (left mouse button), radio: Sniper", "Sniper"},
        kindCase{"otherCommandReadFromACfgFile",
                 [](clsCfgBuilder& b) { ASSERT_TRUE(b.add_radio_code("MOUSE1", "+attack", "+attack")); },
                 place("MOUSE1"), clsKeyState::other, "MOUSE1", "MOUSE1 (left mouse button), other command: +attack",
                 "+attack"},
        kindCase{"keyWithBlanksInTheFile",
                 [](clsCfgBuilder& b) { ASSERT_TRUE(b.add_radio_code(" kp_enter ", "vsay_team sniper", "Sniper")); },
                 place("KP_ENTER"), clsKeyState::radio, " kp_enter ", "KP_ENTER (keypad Enter), radio: Sniper",
                 "Sniper"},
        kindCase{"rightShiftShowsTheShiftKey",
                 [](clsCfgBuilder& b) { ASSERT_TRUE(b.add_radio_code("SHIFT", "+speed", "+speed")); },
                 clsKeyboardLayout::keyAt(13, 5), clsKeyState::other, "SHIFT",
                 "SHIFT (right Shift), other command: +speed", "+speed"},
        kindCase{"unlisted", nothing, place("F3"), clsKeyState::unlisted, "", "F3, not in the definition file", ""},
        kindCase{"nameless", nothing, clsKeyboardLayout::keyAt(15.5, 0.5), clsKeyState::nameless, "",
                 "Print Screen, the game has no name for this key", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Keys without a place of their own are listed in the key list's order, each with its bind; the counts cover every
// key of the list.
TEST(clsKeyboardMap, listsTheKeysOffThePictureAndCountsEveryKey) {
    loadedBuilder lb(definitions);
    clsKeyboardMap map;
    map.update(lb.b);
    EXPECT_EQ(map.offPicture(), (lines{"JOY1", "A", "FOO", "f1"}));
    EXPECT_EQ(map.counts(), "0 bound, 9 free");

    ASSERT_TRUE(lb.b.add_radio_code("JOY1", "+attack", "+attack"));
    ASSERT_TRUE(lb.say("FOO", "x"));
    sayF1(lb.b);
    map.update(lb.b);
    EXPECT_EQ(map.counts(), "3 bound, 6 free");
    lines off;
    for (const std::string& key : map.offPicture())
        off.push_back(clsKeyboardMap::describe(key, map.shownOf(lb.b, key)));
    EXPECT_EQ(off, (lines{"JOY1, other command: +attack", "A, free", "FOO, public chat: ^1x", "f1, free"}));
    // F1's place shows the first spelling of the key, not the second.
    EXPECT_EQ(map.at(place("F1")).state, clsKeyState::publicChat);
}

// Opening a cfg file adds the keys it binds that the list lacks: they take their place on the picture, or join the
// list under it; Reset leaves them listed.
TEST(clsKeyboardMap, keysAddedByOpeningACfgFileFindTheirPlace) {
    loadedBuilder lb(definitions);
    clsKeyboardMap map;
    map.update(lb.b);  // before the keys are added
    const clsOpenResult opened =
        lb.b.open_binds({{"f3", clsBindKind::say, "^2go", "go", 1}, {"JOY2", clsBindKind::radio, "+jump", "", 2}});
    ASSERT_EQ(opened.opened, 2u);
    map.update(lb.b);
    EXPECT_EQ(said(map, place("F3")), "F3, public chat: ^2go");
    EXPECT_EQ(map.offPicture(), (lines{"JOY1", "A", "FOO", "f1", "JOY2"}));
    EXPECT_EQ(map.counts(), "2 bound, 9 free");
    lb.b.Reset_Binds();
    map.update(lb.b);
    EXPECT_EQ(said(map, place("F3")), "F3, free");
    EXPECT_EQ(map.counts(), "0 bound, 11 free");
}

// On any face, the faces of all 33 styles and a grey ramp among them, each kind stands out by 3:1, keeps its designed
// colour where that already does, and differs from the other kinds.
TEST(clsKindColours, everyKindStandsOutFromAnyKeyFace) {
    std::vector<std::uint32_t> faces;
    clsColorStyleManager styles;
    styles.registerStandardStyles();
    for (const std::string& name : styleNames())
        for (const std::int32_t c : {styles.getTextBoxBackGroundColor(name), styles.getFormColor(name)})
            if (c >= 0) faces.push_back(static_cast<std::uint32_t>(c));
    for (std::uint32_t v = 0; v <= 255; v += 5) faces.push_back(v | v << 8 | v << 16);
    for (const std::uint32_t pure : {0x0000FFu, 0x00FF00u, 0xFF0000u, 0xFF00FFu, 0x00FFFFu, 0xFFFF00u})
        faces.push_back(pure);
    for (const std::uint32_t face : faces) {
        const auto kinds = clsKindColours::onFace(face);
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            EXPECT_GE(clsContrast::ratio(kinds[k], face), clsKindColours::least) << std::hex << face << " kind " << k;
            if (clsContrast::ratio(clsKindColours::designed()[k], face) >= clsKindColours::least) {
                EXPECT_EQ(kinds[k], clsKindColours::designed()[k]) << std::hex << face;
            }
            for (std::size_t j = 0; j < k; ++j) EXPECT_NE(kinds[j], kinds[k]) << std::hex << face;
        }
    }
}

}  // namespace
