// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The keyboard picture's table: every key Press Key names has exactly one place, no two places overlap, a point on
// a key's edge belongs to exactly one key, names find their key as the game reads them, and the arrow keys move to
// the key a player expects.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "model/keys/clsGameKeys.h"
#include "model/keys/clsKeyboardLayout.h"
#include "support/catalogues.h"

namespace {

using layout = clsKeyboardLayout;
std::string titleAt(int place) { return place < 0 ? "-" : layout::keys()[static_cast<std::size_t>(place)].title(); }

TEST(clsKeyboardLayout, holdsEveryKeyPressKeyNamesOnceInsideThePictureWithoutOverlaps) {
    const auto& all = layout::keys();
    std::map<std::string, int> places;  // places of its own (not a twin's) per name
    for (const clsLayoutKey& k : all) places[k.name] += !k.name.empty() && !k.twin;
    const std::set<std::string> named = pressKeyNames();
    for (const std::string& name : named) EXPECT_EQ(places[name], 1) << name;
    for (const auto& [name, count] : places)
        EXPECT_TRUE(!count || named.contains(name) || name == "`") << name << " is no key Press Key names";
    for (std::size_t i = 0; i < all.size(); ++i) {
        const clsLayoutKey& a = all[i];
        // Spelled as the game spells it; a twin has a key of its own; a key without a name has words.
        EXPECT_TRUE(a.name.empty() || clsGameKeys::canonical(a.name).value_or("?") == a.name) << a.name;
        EXPECT_TRUE(!a.twin || places[a.name] == 1) << a.title();
        EXPECT_FALSE(a.label.empty() || a.title().empty()) << i;
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.left + a.width <= layout::width() &&
                    a.top + a.height <= layout::height())
            << a.title();
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            const clsLayoutKey& b = all[j];
            const double w = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
            const double h = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
            EXPECT_FALSE(w > 1e-9 && h > 1e-9) << a.title() << " overlaps " << b.title();
        }
    }
}

// Left and top edges belong to the key, right and bottom edges to the next; gaps and the outside to none. Names as
// the game reads them find their key's own place (never a twin); other names find none.
TEST(clsKeyboardLayout, findsTheOneKeyAtAPointOrOfAName) {
    std::string hits;
    std::istringstream points(
        "0 0  -0.001 0  1 0.5  1.999 1.5  2 1.5  21.5 4.499  21.5 4.5  12.249 5  12.25 5  15.25 0.5  "
        "24.75 2.249  24.75 2.25");
    for (double x, y; points >> x >> y;) hits += titleAt(layout::keyAt(x, y)) + "|";
    EXPECT_EQ(hits,
              "ESCAPE (Escape)|-|-|1|2|KP_PLUS (keypad +)|KP_ENTER (keypad Enter)|/|SHIFT (right Shift)|Print Screen|"
              "MWHEELUP (wheel up)|MOUSE3 (middle mouse button)|");
    std::string found;
    for (const char* name : {"F1", "kp_enter", ";", " ", "shift", "a", "A", "FOO", "`", "mwheelup"})
        found += titleAt(layout::find(name)) + "|";
    EXPECT_EQ(found, "F1|KP_ENTER (keypad Enter)|SEMICOLON|SPACE|SHIFT|a|-|-|` (console key)|MWHEELUP (wheel up)|");
}

// The nearest key in the arrow's direction, keys in line first; at the edge the key itself.
TEST(clsKeyboardLayout, arrowKeysMoveToTheNearestKeyInLineFirst) {
    std::string moves;  // from a key, l r u d: the arrow pressed
    std::istringstream arrows(
        "ESCAPE r ESCAPE l ESCAPE d SPACE u PAUSE r KP_PLUS l KP_MINUS r MOUSE3 u MOUSE2 r UPARROW d");
    for (std::string from, d; arrows >> from >> d;)
        moves += titleAt(layout::neighbour(layout::find(from), layout::direction(std::string("lrud").find(d)))) + "|";
    EXPECT_EQ(moves,
              "F1|ESCAPE (Escape)|` (console key)|b|KP_EQUALS (keypad =)|KP_PGUP (keypad 9)|MOUSE1 (left mouse "
              "button)|MWHEELUP (wheel up)|MOUSE2 (right mouse button)|DOWNARROW (down arrow)|");
}

}  // namespace
