// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <optional>
#include <string_view>

// The four kinds of definition entries, each kept in a group of its own.
enum class clsGroupToken { key, color, osp, radio };

// The token as a definition file writes it in front of an entry, colon
// included: "key:", "color:", "osp:", "radio:".
constexpr std::string_view tokenText(clsGroupToken token) {
    switch (token) {
        case clsGroupToken::key: return "key:";
        case clsGroupToken::color: return "color:";
        case clsGroupToken::osp: return "osp:";
        case clsGroupToken::radio: return "radio:";
    }
    return "";
}

// The token a text names; none for any other text (a line without a token,
// a group's marker).
constexpr std::optional<clsGroupToken> tokenOf(std::string_view text) {
    for (const clsGroupToken token :
         {clsGroupToken::key, clsGroupToken::color, clsGroupToken::osp, clsGroupToken::radio})
        if (tokenText(token) == text) return token;
    return std::nullopt;
}
