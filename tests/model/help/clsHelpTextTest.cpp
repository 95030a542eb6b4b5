// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "model/help/clsHelpText.h"

// Each paragraph is one line, from its start to its end; the next follows after one line break or one empty line.
TEST(clsHelpText, paragraphsAreSingleLinesJoinedAtTheRightDistance) {
    const std::string text = clsHelpText::build("C:\\Tools\\Binds\\InputFiles");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r')) << "CR LF breaks";
    EXPECT_TRUE(text.ends_with("\r\n\r\n   Tarvelin")) << "one empty line before the signature";
    const std::tuple<const char*, const char*, const char*, const char*> joins[] = {
        {"Not everything you would want", "", "\r\n", "In team games"},  // pieces 6 and 7
        {"In team games", "", "\r\n\r\n", "Of course you can open"},
        {"In the main screen", "which means that not all servers support it! ", "\r\n\r\n",
         "You can add as many"},  // 11
        {"You can add as many", "then I doubt that you'll get a lot of kills!", "\r\n\r\n",
         "--------------  Editing"},                                         // 12
        {"It is also possible", "", "\r\n\r\n", "If you think you won't"}};  // piece 14
    for (const auto& [start, end, gap, next] : joins) {
        const std::size_t a = text.find(std::string("\r\n") + start);
        ASSERT_NE(a, std::string::npos) << start;
        const std::size_t e = text.find("\r\n", a + 2);
        EXPECT_TRUE(text.substr(a + 2, e - a - 2).ends_with(end)) << start;
        EXPECT_EQ(text.substr(e, std::strlen(gap) + std::strlen(next)), std::string(gap) + next) << start;
    }
    EXPECT_NE(text.find("\r\nIt is also possible to add your own preferences to this program. In the folder "
                        "C:\\Tools\\Binds\\InputFiles these files can be found. Just open them in textpad to see how "
                        "it works. \r\n"),
              std::string::npos);
}
