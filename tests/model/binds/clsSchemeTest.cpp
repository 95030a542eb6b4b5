// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/binds/clsScheme.h"

namespace {

using strings = std::vector<std::string>;
const std::string notBound = clsScheme::notBound;

TEST(clsScheme, colouring) {
    struct row {
        std::string text;
        strings colours;
        std::int16_t n, w;
        std::string expected;
    };
    const std::vector<row> cases{
        {"hello world", {"1", "4"}, 2, 1, "^1h^4e^1l^4l^1o ^4w^1o^4r^1l^4d"},
        {"abcdefg", {"1", "2", "3"}, 3, 3, "^1abc^2def^3g"},
        {"go ahead", {"1", "2"}, 2, 2, "^1go^2 a^1he^2ad"},           // a chunk starting with a space is coloured
        {"go  go", {"1", "2"}, 2, 2, "^1go  ^2go"},                   // an all-space chunk uses no colour
        {"ab        cd", {"1", "2", "3"}, 3, 2, "^1ab        ^1cd"},  // every two all-space chunks use one
        {"  hi  ", {"7"}, 1, 1, "^7  hi  "},                          // n == 1: one code, text as is
        {"hi", {"1"}, 0, 1, ""},                                      // n <= 0 or no codes
        {"ab", {}, 2, 1, ""},
        {"ab", {"1", "2"}, 2, 0, "^1a^2b"},      // w <= 0 counts as 1
        {"abc", {"1", "2"}, 5, 1, "^1a^2b^1c"},  // pattern longer than its codes
        {std::string(70000, 'b'),
         {"1", "2", "3"},
         3,
         32767,  // counters beyond 16 bits
         "^1" + std::string(32767, 'b') + "^2" + std::string(32767, 'b') + "^3" + std::string(4466, 'b')},
    };
    for (const row& c : cases)
        EXPECT_EQ(clsScheme::colorText(c.text, c.colours, c.n, c.w), c.expected) << c.text.substr(0, 20);
}

class threeKeys : public testing::Test {
protected:
    void SetUp() override {
        for (const char* k : {"F1", "F2", "F3"}) s.add_new_to_end(k);
    }
    void say(const std::string& key, const std::string& text) { s.add_bindPart(key, text, "say", {"1"}, 1, 1, false); }
    clsScheme s;
};

// Osp pieces go in front of what is there, text pieces at the back; the last kind given wins.
TEST_F(threeKeys, partsGoFrontOrBackAndUndoTakesTheBack) {
    s.add_bindPart("F1", "A", "say", {"1", "2"}, 2, 1, false);
    s.add_bindPart("F1", "B", "say", {"3"}, 1, 1, false);
    s.add_osp("F1", "#h", "say", true);  // osp text is not coloured
    s.add_osp("F1", "#g", "say_team", true);
    EXPECT_EQ(s.get_description("F1"), "#g#hAB");
    EXPECT_EQ(s.get_code("F1"), "#g#h^1A^3B");
    s.Remove_Latest("F1");  // undo takes the back piece, not the one added last
    EXPECT_EQ(s.get_code("F1"), "#g#h^1A");
    EXPECT_EQ(s.get_kind("F1"), "say_team");            // pieces remain: still bound
    for (int i = 0; i < 4; ++i) s.Remove_Latest("F1");  // the last undo unbinds; more change nothing
    EXPECT_EQ((strings{s.get_kind("F1"), s.get_code("F1")}), (strings{notBound, notBound}));
    say("F2", "a");
    s.add_radio("F2", "radio 1 1", "Follow me");  // radio replaces everything
    EXPECT_EQ((strings{s.get_kind("F2"), s.get_code("F2"), s.get_description("F2")}),
              (strings{"radio:", "radio 1 1", "Follow me"}));
}

// Keys added after a lookup are found, also past the first 32; a later entry of a key never takes a piece.
TEST_F(threeKeys, keysAddedAfterALookupAreFound) {
    say("F2", "x");
    s.add_new_to_end("F2");
    for (int i = 0; i < 200; ++i) s.add_new_to_end("G" + std::to_string(i));
    say("F2", "z");
    say("G199", "w");
    EXPECT_EQ(s.get_code("F2") + "|" + s.get_code("G199"), "^1x^1z|^1w");
}

}  // namespace
