// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "model/console/clsBindLine.h"

// The game's names for keys, mouse buttons and wheel steps ("F1", "a", "1",
// "SEMICOLON", "KP_ENTER", "MOUSE2", "MWHEELUP", ...), as its bind command
// takes them, from what the window toolkit reports. Key codes and mouse
// buttons are the toolkit's (Qt) values, which never change.
class clsKeyNames {
public:
    // The key's name; keypad: the key lies on the number pad (the game names
    // those keys the same with Num Lock on or off). A character key is named
    // by what it sends without Shift on a US keyboard ('!' is the key "1",
    // ':' is "SEMICOLON"), letters in lower case. Empty when the game has no
    // name for the key, and for the console key.
    static std::string forKey(int qtKey, bool keypad);
    // The key left of 1 ('`', shifted '~'): the game opens its console with
    // it and never runs a bind of it.
    static bool isConsoleKey(int qtKey, bool keypad);
    // A mouse button (the toolkit's button flag): MOUSE1 left, MOUSE2 right,
    // MOUSE3 middle, MOUSE4 back, MOUSE5 forward; empty for any other.
    static std::string forMouseButton(int qtButton);
    // A wheel step: MWHEELUP away from the user (delta > 0), MWHEELDOWN
    // toward; empty for no step.
    static std::string forWheel(int delta);
    // Two names of one key as the game reads them: several letters in any
    // case ("kp_enter" is KP_ENTER), one character exactly ("A" is not "a").
    static bool sameKey(std::string_view a, std::string_view b);
    // Why a pressed key cannot be picked in the key list: it opens the
    // console (shown: what it types), the game has no name for it (name
    // empty), or the definition file does not list it (listed false); none
    // when it can.
    static std::optional<clsRefusal> pressRefusal(bool consoleKey, const std::string& name, const std::string& shown,
                                                  bool listed);
};
