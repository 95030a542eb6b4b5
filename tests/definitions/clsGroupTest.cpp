#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "definitions/clsGroup.h"

namespace {

// Names parameterised cases by their position in the table.
constexpr auto byIndex = [](const auto& info) { return "row" + std::to_string(info.index); };

std::unique_ptr<clsItem> item(const std::string& description, const std::string& value) {
    auto it = std::make_unique<clsItem>();
    it->Description = description;
    it->value = value;
    it->kind = "color:";
    return it;
}

std::vector<std::string> walk(clsGroup& g) {
    std::vector<std::string> seen;
    g.get_front();
    while (g.has_next()) seen.push_back(g.get_next().Description);
    return seen;
}

// A group holding A/1, B/2, C/3, and a second "A" with value 4.
class filledGroup : public testing::Test {
protected:
    void SetUp() override {
        g.ADD(item("A", "1"));
        g.ADD(item("B", "2"));
        g.ADD(item("C", "3"));
        g.ADD(item("A", "4"));
    }
    clsGroup g;
};

struct searchCase {
    bool byValue;
    std::string text;
    std::string kind, Description, value;
};

class searches : public filledGroup, public testing::WithParamInterface<searchCase> {};

TEST_P(searches, answerTheirMarkers) {
    const auto& c = GetParam();
    const clsItem& found = c.byValue ? g.find_by_value(c.text) : g.find_by_description(c.text);
    EXPECT_EQ(found.kind, c.kind);
    EXPECT_EQ(found.Description, c.Description);
    EXPECT_EQ(found.value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    results, searches,
    testing::Values(searchCase{false, "B", "color:", "B", "2"},      // a real item
                    searchCase{false, "A", "color:", "A", "1"},      // the first of two
                    searchCase{true, "4", "color:", "A", "4"},       // the second by its value
                    searchCase{false, "Z", "END", "", ""},           // none: the end marker
                    searchCase{true, "9", "END", "", ""},
                    searchCase{false, "", "START", "", ""},          // empty text: the start marker
                    searchCase{true, "", "START", "", ""},
                    searchCase{false, "b", "END", "", ""}),          // case counts
    byIndex);

TEST(clsGroup, emptyGroupAnswersAnItemOutsideTheGroup) {
    clsGroup g;
    for (const std::string& text : {std::string("x"), std::string("")}) {
        EXPECT_EQ(g.find_by_description(text).kind, "");
        EXPECT_EQ(g.find_by_value(text).kind, "");
    }
    EXPECT_EQ(g.get_front().kind, "START");
    EXPECT_FALSE(g.has_next());
    EXPECT_FALSE(g.has_prev());
}

TEST_F(filledGroup, walksFrontToBackWithoutMarkers) {
    EXPECT_EQ(walk(g), (std::vector<std::string>{"A", "B", "C", "A"}));
    EXPECT_EQ(walk(g), (std::vector<std::string>{"A", "B", "C", "A"}));  // a walk can be repeated
    EXPECT_EQ(g.count(), 4);
}

TEST_F(filledGroup, hasPrevAnswersByPosition) {
    g.get_front();
    EXPECT_FALSE(g.has_prev());  // the start marker has nothing before it
    g.get_next();                // A
    EXPECT_FALSE(g.has_prev());
    g.get_next();                // B
    EXPECT_TRUE(g.has_prev());
}

TEST_F(filledGroup, searchesDoNotMoveTheCursor) {
    g.get_front();
    g.get_next();  // A
    g.find_by_description("C");
    EXPECT_EQ(g.get_next().Description, "B");
}

TEST(clsGroup, withoutCursorOrPastTheEndNothingBreaks) {
    clsGroup g;
    EXPECT_FALSE(g.has_next());
    EXPECT_FALSE(g.has_prev());
    EXPECT_EQ(g.get_next().kind, "END");
    g.ADD(item("A", "1"));
    EXPECT_FALSE(g.has_next());
    EXPECT_EQ(g.get_next().kind, "END");
    g.get_front();
    EXPECT_EQ(g.get_next().Description, "A");
    EXPECT_FALSE(g.has_next());
    EXPECT_EQ(g.get_next().kind, "END");
    EXPECT_EQ(g.get_next().kind, "END");
    EXPECT_FALSE(g.has_next());
}

TEST(clsGroup, refusesBeyondItsLimitAndStaysConsistent) {
    clsGroup g;
    for (int i = 0; i < clsGroup::maxItems; ++i) ASSERT_TRUE(g.ADD(item(std::to_string(i), "v")));
    EXPECT_FALSE(g.ADD(item("one too many", "v")));
    EXPECT_EQ(g.count(), clsGroup::maxItems);
    EXPECT_EQ(g.find_by_description("one too many").kind, "END");
    const auto seen = walk(g);
    ASSERT_EQ(seen.size(), static_cast<std::size_t>(clsGroup::maxItems));
    EXPECT_EQ(seen.back(), "32766");
}

TEST(clsGroup, refusesNoItem) {
    clsGroup g;
    EXPECT_FALSE(g.ADD(nullptr));
    EXPECT_EQ(g.count(), 0);
    EXPECT_TRUE(walk(g).empty());
}

}  // namespace
