// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "model/help/clsHelpText.h"

// Each paragraph is one line ending in CR LF, the signature after one empty line; the folder of the definition files
// is named where the text says how to add one's own.
TEST(clsHelpText, paragraphsAreSingleLinesNamingTheFolder) {
    const std::string text = clsHelpText::build("C:\\Tools\\Binds\\InputFiles");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r')) << "CR LF breaks";
    EXPECT_TRUE(text.ends_with("\r\n\r\n   Tarvelin"));
    EXPECT_NE(text.find("\r\nIn team games"), std::string::npos);  // one paragraph joined to the one before it
    EXPECT_NE(text.find("then I doubt that you'll get a lot of kills!\r\n\r\n--------------  Editing"),
              std::string::npos);
    EXPECT_NE(text.find("\r\nIt is also possible to add your own preferences to this program. In the folder "
                        "C:\\Tools\\Binds\\InputFiles these files can be found. Just open them in textpad to see how "
                        "it works. \r\n"),
              std::string::npos);
}
