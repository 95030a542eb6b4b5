#include <gtest/gtest.h>

#include "definitions/clsGroup.h"

namespace {

std::unique_ptr<clsItem> item(const std::string& description, const std::string& value) {
    auto it = std::make_unique<clsItem>();
    it->kind = "color:", it->Description = description, it->value = value;
    return it;
}

std::vector<std::string> walk(clsGroup& g) {
    std::vector<std::string> seen;
    g.get_front();
    while (g.has_next()) seen.push_back(g.get_next().Description);
    return seen;
}

TEST(clsGroup, searchesAnswerItemsOrMarkers) {
    clsGroup g;
    EXPECT_EQ(g.find_by_description("x").kind, "");  // an empty group answers an item outside it
    for (auto [d, v] : {std::pair{"A", "1"}, {"B", "2"}, {"C", "3"}, {"A", "4"}}) g.ADD(item(d, v));
    // The first of two; the end marker for none; the start marker for an empty text; case counts.
    for (auto [byValue, text, expected] : {std::tuple{false, "A", "color:|A|1"}, {true, "4", "color:|A|4"},
                                           {false, "Z", "END||"}, {true, "", "START||"}, {false, "b", "END||"}}) {
        const clsItem& f = byValue ? g.find_by_value(text) : g.find_by_description(text);
        EXPECT_EQ(f.kind + "|" + f.Description + "|" + f.value, expected) << text;
    }
    EXPECT_EQ(walk(g), (std::vector<std::string>{"A", "B", "C", "A"}));
    g.get_front();
    g.get_next();
    EXPECT_FALSE(g.has_prev());  // on the first item
    g.find_by_description("C");  // searches leave the cursor alone
    EXPECT_EQ(g.get_next().Description, "B");
    EXPECT_TRUE(g.has_prev());
}

TEST(clsGroup, withoutCursorOrPastTheEndNothingBreaks) {
    clsGroup g;
    EXPECT_FALSE(g.has_prev());
    EXPECT_FALSE(g.ADD(nullptr));
    g.ADD(item("A", "1"));
    EXPECT_FALSE(g.has_next());
    EXPECT_EQ(g.get_next().kind, "END");
    g.get_front();
    EXPECT_EQ(g.get_next().Description, "A");
    EXPECT_EQ(g.get_next().kind, "END");
    EXPECT_EQ(g.get_next().kind, "END");
    EXPECT_FALSE(g.has_next());
}

TEST(clsGroup, refusesBeyondItsLimitAndStaysConsistent) {
    clsGroup g;
    for (int i = 0; i < 32767; ++i) ASSERT_TRUE(g.ADD(item(std::to_string(i), "v")));
    EXPECT_FALSE(g.ADD(item("one too many", "v")));
    EXPECT_EQ(g.count(), 32767);
    const auto seen = walk(g);
    ASSERT_EQ(seen.size(), 32767u);
    EXPECT_EQ(seen.back(), "32766");
}

}  // namespace
