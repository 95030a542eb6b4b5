// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The binds laid over the keyboard picture: what each kind of key shows and says, which keys go under the picture,
// and the counts.
#include <gtest/gtest.h>

#include "model/keys/clsKeyboardMap.h"
#include "support/loadedBuilder.h"

namespace {

// F2 listed in lower case, keypad Enter with blanks around it, one SHIFT for both Shift keys; keys the picture has
// no place for (a joystick key, capital A, a name the game does not know, F1 again in lower case).
const std::string definitions =
    "key:F1\r\nkey:f2\r\nkey: kp_enter \r\nkey:SHIFT\r\nkey:MOUSE1\r\nkey:F5\r\nkey:JOY1\r\nkey:A\r\nkey:FOO\r\n"
    "key:f1\r\nradio:Sniper<>vsay_team sniper\r\n";

int place(const char* name) { return clsKeyboardLayout::find(name); }
std::string said(const clsKeyboardMap& map, int at) {
    return clsKeyboardMap::describe(clsKeyboardLayout::keys()[static_cast<std::size_t>(at)].title(), map.at(at));
}

// Per place: the definition file's spelling that picking selects, the key in words, and the few words on its cap
// (a chat line as the game shows it).
TEST(clsKeyboardMap, eachKeyShowsItsKindWordsAndLabel) {
    loadedBuilder lb(definitions);
    ASSERT_TRUE(lb.b.add_code("F1", "Hello  all", "say", {"1", "4"}, 2, "5", false));
    ASSERT_TRUE(lb.say("f2", "hi", "say_team"));
    ASSERT_TRUE(lb.b.add_radio_code(" kp_enter ", "vsay_team sniper", "Sniper"));
    ASSERT_TRUE(lb.b.add_radio_code("MOUSE1", "+attack", "+attack"));
    ASSERT_TRUE(lb.b.add_radio_code("SHIFT", "+speed", "+speed"));
    clsKeyboardMap map;
    map.update(lb.b);
    lines shown;
    for (const int at : {place("F1"), place("F2"), place("KP_ENTER"), place("MOUSE1"), clsKeyboardLayout::keyAt(13, 5),
                         place("F5"), place("F3"), clsKeyboardLayout::keyAt(15.5, 0.5)})
        shown.push_back(map.at(at).key + "|" + said(map, at) + "|" + clsKeyboardMap::shortLabel(map.at(at)));
    EXPECT_EQ(shown, (lines{"F1|F1, public chat: ^1Hello^4  all|Hello all", "f2|F2, team chat: ^1hi|hi",
                            " kp_enter |KP_ENTER (keypad Enter), radio: Sniper|Sniper",
                            "MOUSE1|MOUSE1 (left mouse button), other command: +attack|+attack",
                            "SHIFT|SHIFT (right Shift), other command: +speed|+speed", "F5|F5, free|",
                            "|F3, not in the definition file|", "|Print Screen, the game has no name for this key|"}));
}

// Keys without a place of their own are listed in the key list's order, each with its bind; keys an opened cfg file
// adds take their place or join that list, and stay after Reset; the counts cover every key of the list.
TEST(clsKeyboardMap, listsTheKeysOffThePictureAndCountsEveryKey) {
    loadedBuilder lb(definitions);
    clsKeyboardMap map;
    map.update(lb.b);
    EXPECT_EQ(map.offPicture(), (lines{"JOY1", "A", "FOO", "f1"}));
    EXPECT_EQ(map.counts(), "0 bound, 10 free");
    ASSERT_EQ(lb.b.open_binds({{"f3", clsBindKind::say, "^2go", "go", 1}, {"JOY2", clsBindKind::radio, "+jump", "", 2}})
                  .opened,
              2u);
    ASSERT_TRUE(lb.b.add_radio_code("JOY1", "+attack", "+attack"));
    ASSERT_TRUE(lb.say("FOO", "x"));
    ASSERT_TRUE(lb.say("F1", "y"));
    map.update(lb.b);
    EXPECT_EQ(said(map, place("F3")), "F3, public chat: ^2go");
    EXPECT_EQ(map.at(place("F1")).key, "F1");  // the first spelling of the key takes its place
    lines off;
    for (const std::string& key : map.offPicture())
        off.push_back(clsKeyboardMap::describe(key, map.shownOf(lb.b, key)));
    EXPECT_EQ(off, (lines{"JOY1, other command: +attack", "A, free", "FOO, public chat: ^1x", "f1, free",
                          "JOY2, other command: +jump"}));
    EXPECT_EQ(map.counts(), "5 bound, 7 free");
    lb.b.Reset_Binds();
    map.update(lb.b);
    EXPECT_EQ(said(map, place("F3")), "F3, free");
    EXPECT_EQ(map.counts(), "0 bound, 12 free");
}

}  // namespace
