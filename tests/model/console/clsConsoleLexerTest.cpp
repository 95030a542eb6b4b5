// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/console/clsConsoleLexer.h"

namespace {

using strings = std::vector<std::string>;
using commands = std::vector<clsConsoleCommand>;
const std::string a1023(1023, 'a');

TEST(clsConsoleLexer, cutsTheBufferIntoCommandsAsExecDoes) {
    const std::vector<std::pair<std::string, commands>> cases{
        {"a;b\r\nc", {{"a", 1}, {"b", 1}, {"c", 2}}},
        {"say \"x;y\";z", {{"say \"x;y\"", 1}, {"z", 1}}},  // a quoted ';' stays
        {"\"a\nb\"", {{"\"a", 1}, {"b\"", 2}}},             // quotes do not hold a line end
        {"a\rb\n\nc", {{"a", 1}, {"b", 2}, {"c", 4}}},      // a lone CR ends a line too
        {a1023 + "\r\nx", {{a1023, 1}, {"x", 2}}},          // 1,023 bytes: all kept
        {a1023 + "b\r\nx", {{a1023, 1}, {"x", 2}}},         // 1,024: the last byte is lost
        {a1023 + "bquit\r\n", {{a1023, 1}, {"quit", 1}}},   // longer: the rest runs
        {std::string("a;\0;quit", 8), {{"a", 1}}},          // exec reads up to a zero byte
        {"", {}},
    };
    for (const auto& [buffer, expected] : cases)
        EXPECT_EQ(clsConsoleLexer::commands(buffer), expected) << buffer.substr(0, 30);
}

TEST(clsConsoleLexer, readsWordsQuotesAndComments) {
    const std::vector<std::pair<std::string, strings>> cases{
        {"bind F1 say ^1hi \t there ", {"bind", "F1", "say", "^1hi", "there"}},
        {"a\"b c\"d", {"a", "b c", "d"}},
        {"\"\" x", {"", "x"}},
        {"\"open", {"open"}},
        {"a//b c", {"a"}},
        {"\"a//b;\"", {"a//b;"}},  // no comment inside quotes
        {"a/*x y*/b", {"a", "b"}},
        {"/*/b", {"b"}},
        {"a/*b", {"a"}},
        {"a/b*c", {"a/b*c"}},
        {"a\xA0"
         "b\x7F\xFF",
         {"a", "b\x7F"}},  // high bytes are blanks, DEL is not
        {std::string("a\0b", 3), {"a"}},
    };
    for (const auto& [command, expected] : cases) EXPECT_EQ(clsConsoleLexer::words(command), expected) << command;
    EXPECT_EQ(clsConsoleLexer::joined({"bind", "F1", "a b", "", "c"}, 2), "a b  c");
    EXPECT_EQ(clsConsoleLexer::keyPressCommands("a;b;"), (std::vector<std::string_view>{"a", "b", ""}));
}

TEST(clsConsoleLexer, findsWhatWouldBeMisread) {
    using H = clsConsoleHazard;
    const std::vector<std::tuple<std::string, bool, H>> cases{
        {"say hi there", false, H::none},
        {"a/b*c/ *", false, H::none},
        {"a\rb", true, H::lineBreak},
        {"\"a\nb\"", true, H::lineBreak},
        {std::string("a\0", 2), true, H::zeroByte},
        {"a;b", false, H::separator},
        {"a//", false, H::comment},
        {"a/*", false, H::comment},
        {"a\"b\"", false, H::quote},
        {"\"a;b//c/*\"", true, H::none},
        {"\"a\"//", true, H::comment},
        {"\"a", true, H::quote},
    };
    for (const auto& [text, quotesAllowed, expected] : cases)
        EXPECT_EQ(clsConsoleLexer::firstHazard(text, quotesAllowed), expected) << text;
    const std::pair<std::string, bool> words[] = {
        {"F1", true},    {" F1\t ", true}, {"MOUSE1\xA0", true}, {"  ", false},  {"F 1", false},
        {"F1\r", false}, {"F;1", false},   {"F\"1", false},      {"a//", false}, {"a/", true}};
    for (const auto& [text, oneWord] : words) EXPECT_EQ(clsConsoleLexer::isOneWord(text), oneWord) << text;
}

}  // namespace
