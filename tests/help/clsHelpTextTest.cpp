#include <gtest/gtest.h>

#include <algorithm>

#include "help/clsHelpText.h"

static std::vector<std::string> helpLines() {
    const std::string text = clsHelpText::build("C:\\Tools\\Binds\\InputFiles");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r')) << "CR LF breaks";
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2) out.push_back(text.substr(from, at - from));
    out.push_back(text.substr(from));
    return out;
}

static std::size_t lineStarting(const std::vector<std::string>& all, const std::string& start) {
    const auto at = std::find_if(all.begin(), all.end(), [&](const std::string& l) { return l.starts_with(start); });
    EXPECT_NE(at, all.end()) << start;
    return at == all.end() ? 0 : std::size_t(at - all.begin());
}

// Each paragraph is one line; the next follows at once (distance 1) or after one empty line.
TEST(clsHelpText, paragraphsAreSingleLinesJoinedAtTheRightDistance) {
    const std::vector<std::string> all = helpLines();
    EXPECT_EQ(all.front(), "----------------  What is a cfg file?  --------------");
    EXPECT_EQ(all.back(), "   Tarvelin");
    EXPECT_EQ(all[all.size() - 2], "") << "one empty line before the signature";
    const std::tuple<const char*, const char*, std::size_t> joins[] = {
        {"Not everything you would want", "In team games", 1},  // pieces 6 and 7
        {"In team games", "Of course you can open", 2},
        {"In the main screen", "You can add as many", 2},          // piece 11
        {"You can add as many", "--------------  Editing", 2},     // piece 12
        {"It is also possible", "If you think you won't", 2}};      // piece 14
    for (const auto& [first, second, distance] : joins) {
        const std::size_t a = lineStarting(all, first), b = lineStarting(all, second);
        EXPECT_EQ(b - a, distance) << first;
        for (std::size_t i = a + 1; i < b; ++i) EXPECT_EQ(all[i], "") << first;
    }
    EXPECT_TRUE(all[lineStarting(all, "In the main screen")].ends_with("which means that not all servers support it! "));
    EXPECT_TRUE(all[lineStarting(all, "You can add as many")].ends_with("then I doubt that you'll get a lot of kills!"));
    EXPECT_EQ(all[lineStarting(all, "It is also possible")],
              "It is also possible to add your own preferences to this program. In the folder "
              "C:\\Tools\\Binds\\InputFiles these files can be found. Just open them in textpad to see how it works. ");
}
