#include <gtest/gtest.h>

#include <string>

#include "construction/clsInputHandler.h"

namespace {

constexpr std::int16_t code(char c) { return static_cast<std::int16_t>(static_cast<unsigned char>(c)); }

const clsInputHandler handler;

TEST(clsInputHandler, singleFilters) {
    EXPECT_EQ(handler.NoInput('a'), 0);
    EXPECT_EQ(handler.NoInput(8), 0);
    EXPECT_EQ(handler.MinMax('a', 'a', 'z'), 'a');  // both ends included
    EXPECT_EQ(handler.MinMax('z', 'a', 'z'), 'z');
    EXPECT_EQ(handler.MinMax('`', 'a', 'z'), 0);
    EXPECT_EQ(handler.MinMax('{', 'a', 'z'), 0);
    EXPECT_EQ(handler.Include('b', "abc"), 'b');
    EXPECT_EQ(handler.Include('d', "abc"), 0);
    EXPECT_EQ(handler.Exclude('b', "abc"), 0);
    EXPECT_EQ(handler.Exclude('d', "abc"), 'd');
    EXPECT_EQ(handler.Include('a', ""), 0);  // an empty set is harmless
    EXPECT_EQ(handler.Exclude('a', ""), 'a');
}

// Every code from 0 to 255 through the chat filter: exactly the letters,
// digits, space, backspace and the 28 punctuation characters pass.
TEST(clsInputHandler, chatTextPassesExactlyItsSet) {
    const std::string punctuation = "!@$)(*&[{}]:;?/\\|~+=-_.,<>'`";
    ASSERT_EQ(punctuation.size(), 28u);
    int passed = 0;
    for (int c = 0; c < 256; ++c) {
        const bool expected = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                              c == ' ' || c == 8 || punctuation.find(static_cast<char>(c)) != std::string::npos;
        const auto got = handler.filterChatText(static_cast<std::int16_t>(c));
        EXPECT_EQ(got, expected ? c : 0) << "code " << c;
        passed += got != 0;
    }
    EXPECT_EQ(passed, 26 + 26 + 10 + 1 + 1 + 28);
    for (char refused : {'"', '#', '%', '^', '\r', '\n', '\t'}) EXPECT_EQ(handler.filterChatText(code(refused)), 0);
    for (char kept : {'_', '~', '\b'}) EXPECT_EQ(handler.filterChatText(code(kept)), code(kept));
}

TEST(clsInputHandler, fileNamePassesLettersDigitsAndBackspace) {
    for (int c = 0; c < 256; ++c) {
        const bool expected =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == 8;
        EXPECT_EQ(handler.filterFileName(static_cast<std::int16_t>(c)), expected ? c : 0) << "code " << c;
    }
}

struct cleanCase {
    std::string in, chat, fileName;
};

class cleaning : public testing::TestWithParam<cleanCase> {};

TEST_P(cleaning, pastedText) {
    EXPECT_EQ(handler.cleanChatText(GetParam().in), GetParam().chat);
    EXPECT_EQ(handler.cleanFileName(GetParam().in), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    paste, cleaning,
    testing::Values(cleanCase{"hello world", "hello world", "helloworld"},
                    cleanCase{"a^1b\"c#d%e", "a1bcde", "a1bcde"},
                    cleanCase{"say x; quit", "say x quit", "sayxquit"},
                    cleanCase{"a//b", "a/b", "ab"},
                    cleanCase{"a/*b*/", "a/b*/", "ab"},
                    cleanCase{"line\r\nnext\t\b", "linenext", "linenext"},
                    cleanCase{"caf\xC3\xA9", "caf", "caf"},
                    cleanCase{"my.file-name 2", "my.file-name 2", "myfilename2"}),
    [](const auto& info) { return "row" + std::to_string(info.index); });

TEST(clsInputHandler, typedCharacterJudgedByItsNeighbours) {
    EXPECT_TRUE(handler.chatCharFits('/', "a", "b"));
    EXPECT_FALSE(handler.chatCharFits('/', "a/", ""));
    EXPECT_FALSE(handler.chatCharFits('/', "a", "/b"));
    EXPECT_FALSE(handler.chatCharFits('/', "a", "*b"));
    EXPECT_FALSE(handler.chatCharFits('*', "a/", ""));
    EXPECT_TRUE(handler.chatCharFits('*', "a", "/"));
    EXPECT_FALSE(handler.chatCharFits(';', "", ""));
    EXPECT_TRUE(handler.chatCharFits('\b', "//", "*"));
    EXPECT_FALSE(handler.chatCharFits('^', "", ""));
}

}  // namespace
