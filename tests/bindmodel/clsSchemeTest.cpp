#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bindmodel/clsScheme.h"

namespace {

using codes = std::vector<std::string>;

struct colourCase {
    const char* name;
    std::string text;
    codes colours;
    std::int16_t n, w;
    std::string expected;
};

class colouring : public testing::TestWithParam<colourCase> {};

TEST_P(colouring, matchesTheGame) {
    const auto& c = GetParam();
    EXPECT_EQ(clsScheme::colorText(c.text, c.colours, c.n, c.w), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    patterns, colouring,
    testing::Values(
        colourCase{"twoColoursStepOne", "hello world", {"1", "4"}, 2, 1, "^1h^4e^1l^4l^1o ^4w^1o^4r^1l^4d"},
        colourCase{"threeColoursStepThree", "abcdefg", {"1", "2", "3"}, 3, 3, "^1abc^2def^3g"},
        colourCase{"spaceInsideAChunk", "abc de", {"1", "2", "3"}, 3, 2, "^1ab^2c ^3de"},
        colourCase{"outerSpacesUncoloured", " hi ", {"1", "2"}, 2, 1, " ^1h^2i "},
        colourCase{"oneSpaceChunkUsesNoColour", "go  go", {"1", "2"}, 2, 2, "^1go  ^2go"},
        colourCase{"twoSpaceChunksUseOne", "ab    cd", {"1", "2", "3"}, 3, 2, "^1ab    ^3cd"},
        colourCase{"oneSpaceChunkStepTwo", "ab  cd", {"1", "2", "3"}, 3, 2, "^1ab  ^2cd"},
        colourCase{"fourSpaceChunksUseTwo", "ab        cd", {"1", "2", "3"}, 3, 2, "^1ab        ^1cd"},
        colourCase{"oneColour", "hello world", {"7"}, 1, 4, "^7hello world"},
        colourCase{"oneColourKeepsOuterSpaces", "  hi  ", {"7"}, 1, 1, "^7  hi  "},
        colourCase{"oneColourEmptyText", "", {"7"}, 1, 1, "^7"},
        colourCase{"noColours", "hi", {"1"}, 0, 1, ""},
        colourCase{"negativeColours", "hi", {"1"}, -3, 1, ""},
        colourCase{"shorterThanStep", "ab", {"1", "2"}, 2, 5, "^1ab"},
        colourCase{"onlySpacesStepOne", "    ", {"1", "2"}, 2, 1, "    "},
        colourCase{"onlySpacesStepThree", "    ", {"1", "2"}, 2, 3, "    "},
        colourCase{"emptyText", "", {"1", "2"}, 2, 1, ""},
        colourCase{"patternRepeats", "abcdefgh", {"1", "2", "3"}, 3, 1, "^1a^2b^3c^1d^2e^3f^1g^2h"},
        colourCase{"longCodes", "ab", {"12", "x"}, 2, 1, "^12a^xb"},
        colourCase{"nonAsciiBytesAreCharacters", "\xC3\xA9", {"1", "2"}, 2, 1, "^1\xC3^2\xA9"},
        // Guards: a step below 1 counts as 1, a pattern longer than the list uses the list.
        colourCase{"zeroStep", "ab", {"1", "2"}, 2, 0, "^1a^2b"},
        colourCase{"negativeStep", "ab", {"1", "2"}, 2, -4, "^1a^2b"},
        colourCase{"moreColoursThanGiven", "abc", {"1", "2"}, 5, 1, "^1a^2b^1c"},
        colourCase{"patternOfOneGiven", "a b", {"1"}, 3, 1, "^1a b"},
        colourCase{"noListAtAll", "ab", {}, 2, 1, ""},
        colourCase{"oneColourNoList", "ab", {}, 1, 1, ""}),
    [](const testing::TestParamInfo<colourCase>& info) { return std::string(info.param.name); });

TEST(clsSchemeColouring, textsBeyondSixteenBits) {
    const std::string text(40000, 'a');
    const std::string coloured = clsScheme::colorText(text, {"1", "2"}, 2, 1);
    ASSERT_EQ(coloured.size(), 3 * text.size());
    EXPECT_EQ(coloured.substr(0, 6), "^1a^2a");
    EXPECT_EQ(coloured.substr(coloured.size() - 6), "^1a^2a");

    const std::string wide(70000, 'b');
    const std::string chunks = clsScheme::colorText(wide, {"1", "2", "3"}, 3, 32767);
    ASSERT_EQ(chunks.size(), wide.size() + 6);
    EXPECT_EQ(chunks.substr(0, 3), "^1b");
    EXPECT_EQ(chunks.substr(2 + 32767, 3), "^2b");
    EXPECT_EQ(chunks.substr(4 + 2 * 32767, 3), "^3b");
}

// A scheme of keys F1, F2, F3.
class threeKeys : public testing::Test {
protected:
    void SetUp() override {
        for (const char* k : {"F1", "F2", "F3"}) s.add_new_to_end(k);
    }
    std::vector<std::string> walkKeys() {
        std::vector<std::string> keys;
        s.go_to_first();
        for (const clsbind* b = &s.get_next_non_null(); !b->kind.empty(); b = &s.get_next_non_null())
            keys.push_back(b->key);
        return keys;
    }
    void say(const std::string& key, const std::string& text, bool toFront = false) {
        s.add_bindPart(key, text, "say", {"1", "2"}, 1, 1, toFront);
    }
    clsScheme s;
    const std::string notBound = clsScheme::notBound;
};

TEST(clsScheme, newSchemeWalksToTheEmptyBindAtOnce) {
    clsScheme s;
    s.go_to_first();
    const clsbind& b = s.get_next_non_null();
    EXPECT_EQ(b.key, "");
    EXPECT_EQ(b.kind, "");
    EXPECT_EQ(b.get_code(), "");
    EXPECT_EQ(s.get_next_non_null().kind, "");  // and again, past the end
}

TEST_F(threeKeys, unboundKeysAnswerNotBound) {
    EXPECT_EQ(s.get_kind("F1"), notBound);
    EXPECT_EQ(s.get_code("F1"), notBound);
    EXPECT_EQ(s.get_description("F1"), notBound);
    EXPECT_TRUE(walkKeys().empty());
}

TEST_F(threeKeys, walkReturnsOnlyBoundKeysInOrder) {
    say("F2", "x");
    EXPECT_EQ(walkKeys(), (std::vector<std::string>{"F2"}));
    say("F3", "y");
    say("F1", "z");
    EXPECT_EQ(walkKeys(), (std::vector<std::string>{"F1", "F2", "F3"}));
}

TEST_F(threeKeys, keyOperationInsideAWalkMovesTheCursor) {
    say("F1", "a");
    say("F2", "b");
    say("F3", "c");
    s.go_to_first();
    EXPECT_EQ(s.get_next_non_null().key, "F1");
    s.get_kind("F2");
    EXPECT_EQ(s.get_next_non_null().key, "F3");
}

TEST_F(threeKeys, partsGoFrontOrBackAndUndoTakesTheBack) {
    s.add_bindPart("F1", "A", "say", {"1", "2"}, 2, 1, false);
    s.add_bindPart("F1", "B", "say", {"3"}, 1, 1, false);
    s.add_osp("F1", "#h", "say_team", true);
    EXPECT_EQ(s.get_description("F1"), "#hAB");
    EXPECT_EQ(s.get_code("F1"), "#h^1A^3B");
    EXPECT_EQ(s.get_kind("F1"), "say_team");
    s.Remove_Latest("F1");
    EXPECT_EQ(s.get_code("F1"), "#h^1A");
    EXPECT_EQ(s.get_kind("F1"), "say_team");  // pieces remain: still bound
    EXPECT_EQ(walkKeys(), (std::vector<std::string>{"F1"}));
    s.Remove_Latest("F1");
    s.Remove_Latest("F1");
    EXPECT_EQ(s.get_kind("F1"), notBound);
    EXPECT_EQ(s.get_code("F1"), notBound);
    EXPECT_TRUE(walkKeys().empty());
}

TEST_F(threeKeys, removeAllUnbinds) {
    say("F1", "a");
    say("F1", "b");
    s.remove_all("F1");
    EXPECT_EQ(s.get_kind("F1"), notBound);
    EXPECT_EQ(s.get_code("F1"), notBound);
    EXPECT_EQ(s.get_description("F1"), notBound);
    EXPECT_TRUE(walkKeys().empty());
}

TEST_F(threeKeys, radioReplacesEverything) {
    say("F1", "a");
    say("F1", "b");
    s.add_radio("F1", "radio 1 1", "Follow me");
    EXPECT_EQ(s.get_kind("F1"), "radio:");
    EXPECT_EQ(s.get_code("F1"), "radio 1 1");
    EXPECT_EQ(s.get_description("F1"), "Follow me");
    s.add_radio("F1", "radio 2 2", "Hold");
    EXPECT_EQ(s.get_code("F1"), "radio 2 2");
}

TEST_F(threeKeys, ospPartIsNotColoured) {
    s.add_osp("F2", "^$", "say", false);
    EXPECT_EQ(s.get_code("F2"), "^$");
    EXPECT_EQ(s.get_description("F2"), "^$");
}

TEST_F(threeKeys, onlyTheFirstBindOfAKeyIsReached) {
    s.add_new_to_end("F1");
    say("F1", "a");
    say("F1", "b");
    EXPECT_EQ(walkKeys(), (std::vector<std::string>{"F1"}));
    EXPECT_EQ(s.get_code("F1"), "^1a^1b");
}

TEST_F(threeKeys, unknownKeysChangeNothing) {
    say("F2", "x");
    s.add_bindPart("F9", "y", "say", {"1"}, 1, 1, false);
    s.add_osp("f2", "y", "say", true);
    s.add_radio("", "r", "R");
    s.Remove_Latest("F9");
    s.remove_all("F9");
    EXPECT_EQ(s.get_kind("F9"), notBound);
    EXPECT_EQ(s.get_code(""), notBound);
    EXPECT_EQ(s.get_description("f2"), notBound);
    EXPECT_EQ(s.get_code("F2"), "^1x");
    // The end marker was not bound by any of them: the walk still ends after F2.
    EXPECT_EQ(walkKeys(), (std::vector<std::string>{"F2"}));
}

TEST_F(threeKeys, keysAddedAfterALookupAreFound) {
    say("F2", "x");                 // the keys so far are looked up once
    s.add_new_to_end("F4");
    s.add_new_to_end("F2");         // a second F2 never takes the first one's place
    for (int i = 0; i < 200; ++i) s.add_new_to_end("G" + std::to_string(i));
    say("F4", "y");
    say("F2", "z");
    say("G199", "w");
    EXPECT_EQ(s.get_code("F2"), "^1x^1z");
    EXPECT_EQ(walkKeys(), (std::vector<std::string>{"F2", "F4", "G199"}));
}

TEST(clsScheme, manyKeysAreEachReached) {
    clsScheme s;
    for (int i = 0; i < 32767; ++i) s.add_new_to_end("K" + std::to_string(i));
    for (int i = 0; i < 32767; i += 1000) s.add_bindPart("K" + std::to_string(i), "t", "say", {"1"}, 1, 1, false);
    s.add_bindPart("K32766", "last", "say_team", {"2"}, 1, 1, false);
    EXPECT_EQ(s.get_code("K32766"), "^2last");
    EXPECT_EQ(s.get_kind("K32766"), "say_team");
    EXPECT_EQ(s.get_kind("K32765"), clsScheme::notBound);
    s.go_to_first();
    int bound = 0;
    while (!s.get_next_non_null().kind.empty()) ++bound;
    EXPECT_EQ(bound, 34);
}

}  // namespace
