// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <string_view>
#include <vector>

// One key of the keyboard picture, or a button (or wheel step) of the mouse
// beside it. Places are in key units: an ordinary key is 1 wide and 1 high,
// x grows to the right and y downwards.
struct clsLayoutKey {
    std::string name;    // the game's name of the key; empty: the game has no name for it
    std::string label;   // what its cap says
    std::string spoken;  // the key in words, where the name says little ("Print Screen")
    double top = 0;      // the row, as the distance from the top of the picture
    double left = 0;
    double width = 1;
    double height = 1;
    bool twin = false;  // a second place of a key the game does not tell apart (the right Shift)

    // Half-open: a point on the left or top edge is in the key, one on the
    // right or bottom edge is in the next.
    bool contains(double x, double y) const { return x >= left && x < left + width && y >= top && y < top + height; }
    double centreX() const { return left + width / 2; }
    double centreY() const { return top + height / 2; }
    // The key as the picture names it: the game's name, with the key in
    // words after it where they say more ("KP_HOME (keypad 7)").
    std::string title() const {
        if (name.empty() || spoken.empty()) return name.empty() ? spoken : name;
        return name + " (" + spoken + ")";
    }
};

// A full-size US keyboard (function row, main block, navigation block,
// arrows, keypad) and a five-button mouse with its wheel, as one table of
// places. The table is the data; whoever draws it reads it.
class clsKeyboardLayout {
public:
    enum class direction { left, right, up, down };
    struct area {
        double left, top, width, height;
    };

    static const std::vector<clsLayoutKey>& keys();
    // The whole picture, keyboard and mouse, in key units.
    static double width();
    static double height();
    // The body of the mouse, around its buttons.
    static area mouseBody();

    // The place at a point of the picture; -1 between keys and outside.
    static int keyAt(double x, double y);
    // The first place of the key a name stands for as the game reads it
    // ("f1" is F1, ";" is SEMICOLON, "A" is no key of the picture); -1 when
    // the picture has none.
    static int find(std::string_view name);
    // The place the arrow key moves to from `from`: the nearest key in that
    // direction, keys in line with it first; `from` itself at the edge.
    static int neighbour(int from, direction d);
};
