// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "model/binds/clsBindKind.h"
#include "model/console/clsBindLine.h"

// One bind read from a cfg file, ready for the builder: the key as the file
// names it, and the bind as the builder keeps it.
struct clsOpenedBind {
    std::string key;
    clsBindKind kind = clsBindKind::none;  // say, sayTeam or radio
    std::string code;                      // the one piece's console text
    std::string description;               // a chat bind's visible text; empty for a radio bind (the builder names it)
    std::size_t line = 0;                  // the file's line that binds it
    bool operator==(const clsOpenedBind&) const = default;
};

// A bind the builder could not take, and why.
struct clsOpenRefusal {
    std::size_t line = 0;
    std::string key;
    clsLineVerdict why = clsLineVerdict::fine;  // noSuchKey: the key list is full
    bool operator==(const clsOpenRefusal&) const = default;
};

// What opening binds did: how many the builder now holds, the binds it
// refused, and the keys it added to the end of the key list.
struct clsOpenResult {
    std::size_t opened = 0;
    std::vector<clsOpenRefusal> refused;
    std::vector<std::string> addedKeys;
};
