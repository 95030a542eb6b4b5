// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/console/clsChatPreview.h"

// Runs written compactly: "[1]ab[2]c" is red "ab" then green "c"; a cut run is "[c1]...".
static std::string describe(const std::vector<clsChatRun>& runs) {
    std::string out;
    for (const auto& run : runs)
        out += std::string("[") + (run.cut ? "c" : "") + std::to_string(run.color) + "]" + run.text;
    return out;
}

TEST(clsChatPreview, drawsTheLineAndCountsTheBytesAsTheGameDoes) {
    const std::string a147(147, 'a'), a148(148, 'a'), a149(149, 'a');
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {"  hello   world  ", 11, "[2]hello world"},  // spaces collapse; before any code: chat green
        {"a\tb\r\n^1go  ^2go", 3, "[2]a b"},
        {"a b ; c", 3, "[2]a b"},
        {"a/*x y*/b", 3, "[2]a b"},
        {"^7a^8b^9c^ad^Ae^zf", 18, "[7]a[0]b[1]cde[2]f"},  // codes wrap as (code - '0') & 7
        {"^1a^1b", 6, "[1]ab"},
        {"^1^2a", 5, "[2]a"},     // one run per colour; the last code wins
        {"a^1", 3, "[2]a"},       // a code at the end hides
        {"^1a^", 4, "[1]a^"},     // "^" followed by nothing shows
        {"^^1a", 4, "[2]^[1]a"},  // "^^" is no code
        {a149, 149, "[2]" + a149},
        {a149 + "b", 150, "[2]" + a149 + "[c2]b"},  // the server keeps 149 bytes
        {"^1" + a147, 149, "[1]" + a147},
        {"^1" + a148, 150, "[1]" + a147 + "[c1]a"},    // codes count
        {a148 + "^1b", 151, "[2]" + a148 + "^[c1]b"},  // a code cut in half shows its ^
        // As the console reads the bind line, then the key press, then the server:
        {"a//b c", 1, "[2]a"},
        {std::string("a\0b", 3), 1, "[2]a"},  // comments, zero byte
        {"\"a  b\" c", 5, "[2]a b c"},
        {"\"a;b\" c", 1, "[2]a"},                            // quotes group words once; a key press splits at ';'
        {"100% ^1\xE9t\xA0\xFFok", 12, "[2]100. [1] t ok"},  // '%' shows as '.', high bytes part words
        {std::string(300, 'w') + " x", 257, "[2]" + std::string(149, 'w') + "[c2]" + std::string(106, 'w') + " x"},
    };
    for (const auto& [code, bytes, runs] : cases) {
        const clsChatPreview preview(code);
        EXPECT_EQ(describe(preview.runs()), runs) << code;
        EXPECT_EQ(preview.byteCount(), bytes) << code;
        EXPECT_EQ(preview.over(), bytes > 149) << code;
    }
}
