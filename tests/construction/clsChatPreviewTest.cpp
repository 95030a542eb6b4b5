#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "construction/clsChatPreview.h"

namespace {

// Runs written compactly: "[1]ab[2]c" is red "ab" then green "c"; a cut run
// is "[c1]...".
std::string describe(const std::vector<clsChatRun>& runs) {
    std::string out;
    for (const auto& run : runs)
        out += std::string("[") + (run.cut ? "c" : "") + std::to_string(run.color) + "]" + run.text;
    return out;
}

struct joinCase {
    std::string code;
    std::string line;
};

TEST(clsChatPreview, joinsWordsAsTheGameDoes) {
    using namespace std::string_literals;
    const std::vector<joinCase> cases{
        {"", ""},
        {"   ", ""},
        {"hello world", "hello world"},
        {"  hello   world  ", "hello world"},
        {"^1h^4e^1l^4l^1o ^4w^1o", "^1h^4e^1l^4l^1o ^4w^1o"},
        {"^1go  ^2go", "^1go ^2go"},
        {" ^1h^2i ", "^1h^2i"},
        {"a\tb\r\nc", "a b c"},
        {"a;b", "a"},
        {";a", ""},
        {"a b ; c", "a b"},
        {"a//b", "a"},
        {"a/b /", "a/b /"},
        {"a/*x y*/b", "a b"},
        {"a /*x; y", "a"},       // ";" ends the command before the comment could close
        {"a /*x y", "a"},        // a comment that never closes takes the rest
        {"a/*/b", "a b"},
        {"\"a  b\"c", "a b c"},
        {"caf\xe9  x", "caf\xe9 x"},
        {"a\0b"s, "a"},
        {"#h  ^3hp", "#h ^3hp"},
    };
    for (const auto& c : cases) EXPECT_EQ(clsChatPreview::joinWords(c.code), c.line) << c.code;
}

struct runsCase {
    std::string text;
    std::string runs;
};

TEST(clsChatPreview, drawsColourCodesAsTheGameDoes) {
    const std::vector<runsCase> cases{
        {"", ""},
        {"abc", "[2]abc"},                         // before any code: chat green
        {"^1abc", "[1]abc"},
        {"ab^1cd", "[2]ab[1]cd"},
        {"^0a^1b^2c^3d^4e^5f^6g^7h", "[0]a[1]b[2]c[3]d[4]e[5]f[6]g[7]h"},
        {"^8a^9b", "[0]a[1]b"},                    // codes wrap at 8
        {"^ab^Ac^zd", "[1]bc[2]d"},                 // letters: (code - '0') & 7
        {"^!x", "[1]x"},                           // below '0' wraps too
        {"^\xe9x", "[1]x"},                        // 0xE9 taken unsigned
        {"\xe9t\xe9", "[2]\xe9t\xe9"},            // a non-ASCII byte is a character
        {"^1a^1b", "[1]ab"},                       // same colour: one run
        {"^1^2a", "[2]a"},                         // the last code wins
        {"a^1", "[2]a"},                           // a code at the end hides
        {"^1a^", "[1]a^"},                         // "^" followed by nothing shows
        {"^", "[2]^"},
        {"^^", "[2]^^"},                           // "^^" is no code
        {"^^1a", "[2]^[1]a"},
        {"^^^", "[2]^^^"},
        {"^1h^4e^1l^4l^1o ^4w", "[1]h[4]e[1]l[4]l[1]o [4]w"},
    };
    for (const auto& c : cases) EXPECT_EQ(describe(clsChatPreview::colorRuns(c.text)), c.runs) << c.text;
}

TEST(clsChatPreview, paletteIsTheGamesPureColours) {
    const std::vector<clsChatColor> expected{{0, 0, 0},     {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                             {0, 0, 255},   {0, 255, 255}, {255, 0, 255}, {255, 255, 255}};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(clsChatPreview::rgb(i), expected[i]) << i;
    EXPECT_EQ(clsChatPreview::rgb(8), expected[0]);
    EXPECT_EQ(clsChatPreview::rgb(9), expected[1]);
}

struct meterCase {
    std::string name;
    std::string code;
    std::size_t bytes;
    bool over;
    std::string runs;
};

TEST(clsChatPreview, countsTheBytesTheServerKeeps) {
    const std::string a147(147, 'a'), a148(148, 'a'), a149(149, 'a');
    const std::vector<meterCase> cases{
        {"empty", "", 0, false, ""},
        {"149 bytes fit", a149, 149, false, "[2]" + a149},
        {"150 bytes: the last is cut", a149 + "b", 150, true, "[2]" + a149 + "[c2]b"},
        {"codes count", "^1" + a147, 149, false, "[1]" + a147},
        {"codes count, one over", "^1" + a148, 150, true, "[1]" + a147 + "[c1]a"},
        {"collapsed spaces count once", "  a     b  ", 3, false, "[2]a b"},
        {"a code cut in half shows its ^", a148 + "^1b", 151, true, "[2]" + a148 + "^[c1]b"},
        {"the cut part keeps its colour", "^4" + a147 + "xyz", 152, true, "[4]" + a147 + "[c4]xyz"},
        {"a new colour in the cut part", a149 + "^3x", 152, true, "[2]" + a149 + "[c3]x"},
        {"non-ASCII bytes count one each", std::string(149, '\xe9'), 149, false,
         "[2]" + std::string(149, '\xe9')},
    };
    for (const auto& c : cases) {
        const clsChatPreview preview(c.code);
        EXPECT_EQ(preview.byteCount(), c.bytes) << c.name;
        EXPECT_EQ(preview.over(), c.over) << c.name;
        EXPECT_EQ(describe(preview.runs()), c.runs) << c.name;
    }
}

TEST(clsChatPreview, handlesLongTextsInOnePass) {
    // Patterns that would make a careless scan quadratic: many comment
    // openers, many carets, many separators.
    std::string openers;
    for (int i = 0; i < 200000; ++i) openers += "/*x";
    EXPECT_EQ(clsChatPreview(openers).byteCount(), 0u);

    const std::string carets(400000, '^');
    const clsChatPreview caretLine(carets);
    EXPECT_EQ(caretLine.byteCount(), carets.size());
    ASSERT_EQ(caretLine.runs().size(), 2u);
    EXPECT_EQ(caretLine.runs()[1].text.size(), carets.size() - clsChatPreview::chatLimit);

    std::string words;
    for (int i = 0; i < 100000; ++i) words += "ab    ";
    EXPECT_EQ(clsChatPreview::joinWords(words).size(), 100000u * 3 - 1);
}

}  // namespace
