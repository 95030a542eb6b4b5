#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/clsHelpText.h"

namespace {

const std::string folder = "C:\\Tools\\Binds\\InputFiles";

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find("\r\n", from);
        out.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) return out;
        from = at + 2;
    }
}

std::size_t lineStarting(const std::vector<std::string>& all, const std::string& start) {
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].rfind(start, 0) == 0) return i;
    return std::string::npos;
}

TEST(clsHelpText, breaksAreCrLfOnly) {
    const std::string text = clsHelpText::build(folder);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        }
        if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
        }
    }
}

TEST(clsHelpText, startsWithTheFirstHeadingAndEndsWithTheSignature) {
    const std::vector<std::string> all = lines(clsHelpText::build(folder));
    EXPECT_EQ(all.front(), "----------------  What is a cfg file?  --------------");
    EXPECT_EQ(all.back(), "   Tarvelin");
    EXPECT_EQ(all[all.size() - 2], "") << "one empty line before the signature";
}

// Where one paragraph ends and the next begins: the line after the first
// is the second (adjacent) or an empty line and then the second.
struct joinCase {
    const char* name;
    const char* first;
    const char* second;
    std::size_t distance;
};
void PrintTo(const joinCase& c, std::ostream* os) { *os << c.name; }

class clsHelpTextJoins : public testing::TestWithParam<joinCase> {};

TEST_P(clsHelpTextJoins, paragraphsFollowAtTheRightDistance) {
    const std::vector<std::string> all = lines(clsHelpText::build(folder));
    const std::size_t a = lineStarting(all, GetParam().first);
    const std::size_t b = lineStarting(all, GetParam().second);
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    EXPECT_EQ(b - a, GetParam().distance);
    for (std::size_t i = a + 1; i < b; ++i) EXPECT_EQ(all[i], "");
}

INSTANTIATE_TEST_SUITE_P(
    paragraphs, clsHelpTextJoins,
    testing::Values(joinCase{"sayBindsThenTeamGames", "Not everything you would want", "In team games", 1},
                    joinCase{"teamGamesThenByHand", "In team games", "Of course you can open", 2},
                    joinCase{"howHeadingThenMainScreen", "----------------  Ok, how", "In the main screen", 2},
                    joinCase{"mainScreenThenAsManyBinds", "In the main screen", "You can add as many", 2},
                    joinCase{"asManyBindsThenEditHeading", "You can add as many", "--------------  Editing", 2},
                    joinCase{"folderThenRemoving", "It is also possible", "If you think you won't", 2},
                    joinCase{"goodLuckThenSignature", "Well, good luck", "   Tarvelin", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(clsHelpText, pieceElevenRunsThroughTheDigitEightOnOneLine) {
    const std::vector<std::string> all = lines(clsHelpText::build(folder));
    const std::string& line = all[lineStarting(all, "In the main screen")];
    EXPECT_NE(line.find("with a maximum of 8. Also you have to select"), std::string::npos);
    EXPECT_NE(line.find("the key selecting menu. When clicking on OSP"), std::string::npos);
    EXPECT_TRUE(line.ends_with("which means that not all servers support it! "));
}

TEST(clsHelpText, pieceTwelveRunsOnIntoTheWarningOnOneLine) {
    const std::vector<std::string> all = lines(clsHelpText::build(folder));
    const std::string& line = all[lineStarting(all, "You can add as many as binds")];
    EXPECT_NE(line.find("clicking on 'Review Made Binds'. This program only checks"), std::string::npos);
    EXPECT_TRUE(line.ends_with("then I doubt that you'll get a lot of kills!"));
}

TEST(clsHelpText, pieceFourteenNamesTheFolderBetweenSingleBlanks) {
    const std::vector<std::string> all = lines(clsHelpText::build(folder));
    EXPECT_EQ(all[lineStarting(all, "It is also possible")],
              "It is also possible to add your own preferences to this program. In the folder "
              "C:\\Tools\\Binds\\InputFiles these files can be found. Just open them in textpad to see how it "
              "works. ");
}

TEST(clsHelpText, keepsDoubledAndTrailingBlanks) {
    const std::vector<std::string> all = lines(clsHelpText::build(folder));
    EXPECT_EQ(all[lineStarting(all, "In team games")].back(), ' ');
    EXPECT_EQ(all[lineStarting(all, "----------------  Ok")], "----------------  Ok, how does it work?  ---------------");
    EXPECT_EQ(all[lineStarting(all, "--------------  Edit")], "--------------  Editing this program:  ------------");
}

TEST(clsHelpText, theContactParagraphIsOneSentenceNamingThreePlaces) {
    const std::vector<std::string> all = lines(clsHelpText::build(folder));
    const std::size_t luck = lineStarting(all, "Well, good luck");
    const std::string& contact = all[luck - 2];
    EXPECT_EQ(all[luck - 1], "");
    EXPECT_EQ(all[luck - 3], "");
    ASSERT_GE(contact.size(), 2u);
    EXPECT_EQ(contact.substr(contact.size() - 2), ". ");
    EXPECT_NE(contact.find("holiday"), std::string::npos);
    EXPECT_NE(contact.find("game maker's forum"), std::string::npos);
    EXPECT_NE(contact.find("clan forum"), std::string::npos);
    EXPECT_NE(contact.find("@example.org"), std::string::npos);
    // One sentence: the only full stop followed by a blank is the last.
    EXPECT_EQ(contact.find(". "), contact.size() - 2);
}

}  // namespace
