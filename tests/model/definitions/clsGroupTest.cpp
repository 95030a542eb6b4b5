// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/definitions/clsGroup.h"

namespace {

std::unique_ptr<clsItem> item(const std::string& description, const std::string& value) {
    auto it = std::make_unique<clsItem>();
    it->kind = "color:", it->Description = description, it->value = value;
    return it;
}

std::string walk(clsGroup& g) {
    std::string seen;
    for (g.get_front(); g.has_next();) seen += g.get_next().Description;
    return seen;
}

TEST(clsGroup, searchesAnswerItemsOrMarkers) {
    clsGroup g;
    EXPECT_EQ(g.find_by_description("x").kind, "");  // an empty group answers an item outside it
    for (auto [d, v] : {std::pair{"A", "1"}, {"B", "2"}, {"C", "3"}, {"A", "4"}}) g.ADD(item(d, v));
    // The first of two; the end marker for none; the start marker for an empty text; case counts.
    for (auto [byValue, text, expected] : {std::tuple{false, "A", "color:|A|1"},
                                           {true, "4", "color:|A|4"},
                                           {false, "Z", "END||"},
                                           {true, "", "START||"},
                                           {false, "b", "END||"}}) {
        const clsItem& f = byValue ? g.find_by_value(text) : g.find_by_description(text);
        EXPECT_EQ(f.kind + "|" + f.Description + "|" + f.value, expected) << text;
    }
    EXPECT_EQ(walk(g), "ABCA");
    g.get_front();
    g.get_next();
    g.find_by_description("C");  // searches leave the cursor alone
    EXPECT_EQ(g.get_next().Description, "B");
}

// (The limit of 32,767 items is tested through the builder, which reads and opens up to it.)
TEST(clsGroup, withoutCursorOrPastTheEndNothingBreaks) {
    clsGroup g;
    EXPECT_FALSE(g.ADD(nullptr));
    g.ADD(item("A", "1"));
    EXPECT_FALSE(g.has_next());
    EXPECT_EQ(g.get_next().kind, "END");
    g.get_front();
    for (const char* kind : {"color:", "END", "END"}) EXPECT_EQ(g.get_next().kind, kind);
    EXPECT_FALSE(g.has_next());
}

}  // namespace
