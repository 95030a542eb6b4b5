// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "model/definitions/clsReadReport.h"

// The one message the start screen shows after handing a definition file
// over, when the player needs to know something about it: that it lists no
// keys, so there is nothing to bind, and which entries its reading left out
// and why (how many, the first ones by line, and past the 32,767 entries of
// one kind how many were dropped). Nothing when the file was read whole and
// has keys.
class clsHandOverNote {
public:
    static constexpr std::size_t shownEntries = 10;  // listed by line; the rest are counted

    struct message {
        std::string title;
        std::string text;  // lines joined by CR LF
    };
    static std::optional<message> build(const std::string& fileName, std::size_t keys, const clsReadReport& leftOut);
};
