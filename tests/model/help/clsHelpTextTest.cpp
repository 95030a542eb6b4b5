// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "model/help/clsHelpText.h"

// Each paragraph is one line ending in CR LF, the signature after one empty line. (The folder of the definition
// files it names: the start screen's test.)
TEST(clsHelpText, paragraphsAreSingleLines) {
    const std::string text = clsHelpText::build("C:\\Tools\\Binds\\InputFiles");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r')) << "CR LF breaks";
    EXPECT_TRUE(text.ends_with("\r\n\r\n   Tarvelin"));
    EXPECT_NE(text.find("\r\nIn team games"), std::string::npos);  // one paragraph joined to the one before it
    EXPECT_NE(text.find("then I doubt that you'll get a lot of kills!\r\n\r\n--------------  Editing"),
              std::string::npos);
}
