// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/input/clsInputHandler.h"

const clsInputHandler handler;

// Every code 0-255: the chat line takes backspace and printable ASCII but '"' '#' '%' '^'; a file name [A-Za-z0-9\b].
TEST(clsInputHandler, typedCharacters) {
    const std::string chatRefused = "\"#%^";
    for (int c = 0; c < 256; ++c) {
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        const bool chat = c == 8 || (c >= 32 && c < 127 && chatRefused.find(static_cast<char>(c)) == std::string::npos);
        EXPECT_EQ(handler.filterChatText(static_cast<std::int16_t>(c)), chat ? c : 0) << "code " << c;
        EXPECT_EQ(handler.filterFileName(static_cast<std::int16_t>(c)), alnum || c == 8 ? c : 0) << "code " << c;
    }
    // ";" and the comment starters "//" and "/*" are refused by their neighbours ("a[/]b": '/' between "a" and "b").
    std::string fits;
    for (const std::string row : {"a[/]b", "a/[/]", "a[/]/b", "a[/]*b", "a/[*]", "a[*]/", "[;]", "//[\b]*"}) {
        const std::size_t at = row.find('[');
        fits += handler.chatCharFits(row[at + 1], row.substr(0, at), row.substr(at + 3)) ? '+' : '-';
    }
    EXPECT_EQ(fits, "+----+-+");
}

TEST(clsInputHandler, pastedText) {
    struct row {
        std::string in, chat, fileName;
    };
    for (const row& r : std::vector<row>{{"a^1b\"c#d%e", "abcde", "a1bcde"},
                                         {"^1red ^^2x^", "red x", "1red2x"},
                                         {"say x; quit", "say x quit", "sayxquit"},
                                         {"a//b", "a/b", "ab"},
                                         {"a/*b*/", "a/b*/", "ab"},
                                         {"line\r\nnext\t\b", "linenext", "linenext"},
                                         {"caf\xC3\xA9", "caf", "caf"},
                                         {"my.file-name 2", "my.file-name 2", "myfilename2"}}) {
        EXPECT_EQ(handler.cleanChatText(r.in), r.chat) << r.in;
        EXPECT_EQ(handler.cleanFileName(r.in), r.fileName) << r.in;
    }
}

// The line over the text box: each reason once, in the order it first came up, after the characters it removed
// (each once, control characters by name).
TEST(clsInputHandler, refusalLine) {
    EXPECT_EQ(clsInputHandler::refusalLine(U""), "");
    EXPECT_EQ(
        clsInputHandler::refusalLine(U";\r\n;\t\x01\"\u00e9\u20ac*/"),
        "; removed: the console would run the rest as a command \u00b7 line break tab control character removed: a "
        "chat "
        "line is one line \u00b7 \" removed: the console reads quotes as grouping, not as text \u00b7 \u00e9 \u20ac "
        "removed: the game shows only plain letters, digits and punctuation \u00b7 * / removed: // and /* start a "
        "console comment, which would lose the rest");
    EXPECT_EQ(clsInputHandler::refusalLine(U"^1;^^"),
              "^1 ^ removed: colours come from the pattern lists \u00b7 ; removed: "
              "the console would run the rest as a command");
}
