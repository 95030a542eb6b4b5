#include <gtest/gtest.h>

#include "construction/clsInputHandler.h"

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
    // ";" and the comment starters "//" and "/*" are refused by their neighbours.
    for (auto [c, before, after, fits] :
         {std::tuple{'/', "a", "b", true}, {'/', "a/", "", false}, {'/', "a", "/b", false}, {'/', "a", "*b", false},
          {'*', "a/", "", false}, {'*', "a", "/", true}, {';', "", "", false}, {'\b', "//", "*", true}})
        EXPECT_EQ(handler.chatCharFits(c, before, after), fits) << c << " between " << before << " and " << after;
}

TEST(clsInputHandler, pastedText) {
    struct row { std::string in, chat, fileName; };
    for (const row& r : std::vector<row>{{"a^1b\"c#d%e", "a1bcde", "a1bcde"}, {"say x; quit", "say x quit", "sayxquit"},
                                         {"a//b", "a/b", "ab"}, {"a/*b*/", "a/b*/", "ab"},
                                         {"line\r\nnext\t\b", "linenext", "linenext"}, {"caf\xC3\xA9", "caf", "caf"},
                                         {"my.file-name 2", "my.file-name 2", "myfilename2"}}) {
        EXPECT_EQ(handler.cleanChatText(r.in), r.chat) << r.in;
        EXPECT_EQ(handler.cleanFileName(r.in), r.fileName) << r.in;
    }
}
