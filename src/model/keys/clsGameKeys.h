// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The key names the game's bind command knows, and when two names are one
// key. A name of several characters is one of the engine's names (F1,
// MOUSE2, KP_ENTER, ...) in any case: "f1" is F1. A name of one character
// is that byte exactly: the letter keys send lower case, so "A" is a key of
// its own that no letter key sends. A few bytes are named keys too: ";" is
// SEMICOLON, " " SPACE, a tab TAB.
class clsGameKeys {
public:
    // The engine's names of several characters, in its spelling.
    static const std::vector<std::string>& names();
    // The one spelling of the key a name stands for: the engine's name, or
    // the byte of a one-character name. None when the game knows no such key
    // ("FOO", "MOUSE9", an empty name, a byte from 0x80 on).
    static std::optional<std::string> canonical(std::string_view name);
    // A name for matching keys: the canonical spelling of a key the game
    // knows, else the name itself behind a mark no canonical spelling has
    // (so unknown names match only themselves, byte for byte).
    static std::string identity(std::string_view name);
    static bool sameKey(std::string_view a, std::string_view b) { return identity(a) == identity(b); }
};
