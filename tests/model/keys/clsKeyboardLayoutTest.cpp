// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The keyboard picture's table: every key Press Key names has exactly one place, no two places overlap, a point
// on a key's edge belongs to exactly one key, and the arrow keys move to the key a player expects.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "model/keys/clsGameKeys.h"
#include "model/keys/clsKeyboardLayout.h"
#include "support/catalogues.h"

namespace {

const std::vector<clsLayoutKey>& layout() { return clsKeyboardLayout::keys(); }

std::string titleAt(int place) { return place < 0 ? "" : layout()[static_cast<std::size_t>(place)].title(); }

TEST(clsKeyboardLayout, holdsEveryKeyPressKeyNamesExactlyOnceAndNoOtherName) {
    std::map<std::string, int> places;  // non-twin places per name
    for (const clsLayoutKey& k : layout())
        if (!k.name.empty() && !k.twin) ++places[k.name];
    const std::set<std::string> named = pressKeyNames();
    ASSERT_GT(named.size(), 100u);
    for (const std::string& name : named) EXPECT_EQ(places[name], 1) << name;
    for (const auto& [name, count] : places)
        EXPECT_TRUE(named.contains(name) || name == "`") << name << " is no key Press Key names";
    for (const clsLayoutKey& k : layout()) {
        // A name as the game spells it, so matching by clsGameKeys::identity finds it.
        if (!k.name.empty()) {
            EXPECT_EQ(clsGameKeys::canonical(k.name).value_or("?"), k.name);
        }
        if (k.twin) {
            EXPECT_EQ(places[k.name], 1) << "a twin of a key with no place of its own: " << k.title();
        }
        EXPECT_FALSE(k.label.empty()) << k.title();
        if (k.name.empty()) {
            EXPECT_FALSE(k.spoken.empty()) << "a key without a name needs words: " << k.label;
        }
    }
}

TEST(clsKeyboardLayout, noTwoKeysOverlapAndEveryKeyIsInsideThePicture) {
    const auto& all = layout();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const clsLayoutKey& a = all[i];
        EXPECT_GE(a.left, 0);
        EXPECT_GE(a.top, 0);
        EXPECT_LE(a.left + a.width, clsKeyboardLayout::width()) << a.title();
        EXPECT_LE(a.top + a.height, clsKeyboardLayout::height()) << a.title();
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            const clsLayoutKey& b = all[j];
            const double w = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
            const double h = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
            EXPECT_FALSE(w > 1e-9 && h > 1e-9) << a.title() << " overlaps " << b.title();
        }
    }
    const auto body = clsKeyboardLayout::mouseBody();
    for (const char* button : {"MOUSE1", "MOUSE2", "MOUSE3", "MOUSE4", "MOUSE5", "MWHEELUP", "MWHEELDOWN"}) {
        const clsLayoutKey& k = all[static_cast<std::size_t>(clsKeyboardLayout::find(button))];
        EXPECT_TRUE(k.left >= body.left && k.top >= body.top && k.left + k.width <= body.left + body.width &&
                    k.top + k.height <= body.top + body.height)
            << button;
    }
}

// Left and top edges belong to the key, right and bottom edges to the next; gaps between blocks to none.
TEST(clsKeyboardLayout, aPointOnAnEdgeIsInExactlyOneKey) {
    const std::tuple<double, double, const char*> hits[] = {{0, 0, "ESCAPE (Escape)"},
                                                            {-0.001, 0, ""},
                                                            {0.999, 0.5, "ESCAPE (Escape)"},
                                                            {1.0, 0.5, ""},
                                                            {2.0, 1.5, "2"},
                                                            {1.999, 1.5, "1"},
                                                            {2.5, 1.0, ""},
                                                            {10.0, 6.5, ""},
                                                            {21.5, 4.499, "KP_PLUS (keypad +)"},
                                                            {21.5, 4.5, "KP_ENTER (keypad Enter)"},
                                                            {22.499, 6.499, "KP_ENTER (keypad Enter)"},
                                                            {12.25, 5.0, "SHIFT (right Shift)"},
                                                            {12.249, 5.0, "/"},
                                                            {15.25, 0.5, "Print Screen"},
                                                            {27.0, 1.5, ""},
                                                            {24.75, 2.249, "MWHEELUP (wheel up)"},
                                                            {24.75, 2.25, "MOUSE3 (middle mouse button)"}};
    for (const auto& [x, y, key] : hits) EXPECT_EQ(titleAt(clsKeyboardLayout::keyAt(x, y)), key) << x << "," << y;
}

// Names as the game reads them find their key's own place (never a twin); other names find none.
TEST(clsKeyboardLayout, findsAKeyByAnyNameTheGameReadsAsIt) {
    const std::pair<const char*, const char*> cases[] = {{"F1", "F1"},
                                                         {"kp_enter", "KP_ENTER (keypad Enter)"},
                                                         {";", "SEMICOLON"},
                                                         {" ", "SPACE"},
                                                         {"shift", "SHIFT"},
                                                         {"a", "a"},
                                                         {"A", ""},
                                                         {"FOO", ""},
                                                         {"`", "` (console key)"},
                                                         {"mwheelup", "MWHEELUP (wheel up)"}};
    for (const auto& [name, title] : cases) EXPECT_EQ(titleAt(clsKeyboardLayout::find(name)), title) << name;
}

TEST(clsKeyboardLayout, arrowKeysMoveToTheNearestKeyInLineFirst) {
    using dir = clsKeyboardLayout::direction;
    struct move {
        const char* from;
        dir d;
        const char* to;  // title
    };
    const std::vector<move> moves{
        {"ESCAPE", dir::right, "F1"},
        {"ESCAPE", dir::left, "ESCAPE (Escape)"},
        {"ESCAPE", dir::down, "` (console key)"},
        {"SPACE", dir::up, "b"},
        {"PAUSE", dir::right, "KP_EQUALS (keypad =)"},
        {"KP_PLUS", dir::left, "KP_PGUP (keypad 9)"},
        {"KP_MINUS", dir::right, "MOUSE1 (left mouse button)"},
        {"MOUSE3", dir::up, "MWHEELUP (wheel up)"},
        {"MOUSE2", dir::right, "MOUSE2 (right mouse button)"},
        {"UPARROW", dir::down, "DOWNARROW (down arrow)"},
    };
    for (const move& m : moves)
        EXPECT_EQ(titleAt(clsKeyboardLayout::neighbour(clsKeyboardLayout::find(m.from), m.d)), m.to)
            << m.from << " " << int(m.d);
}

}  // namespace
