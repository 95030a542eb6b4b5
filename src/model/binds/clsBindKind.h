// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <optional>
#include <string_view>

// What a bind's text is: not bound yet, a public or a team chat line, one
// radio command; the scheme's two marker binds are the start and the end.
enum class clsBindKind { none, say, sayTeam, radio, start, end };

// The kind as the program writes and shows it: "", "say", "say_team",
// "radio:", "START", "END". The chat kinds are also the console's commands.
constexpr std::string_view kindText(clsBindKind kind) {
    switch (kind) {
        case clsBindKind::none: return "";
        case clsBindKind::say: return "say";
        case clsBindKind::sayTeam: return "say_team";
        case clsBindKind::radio: return "radio:";
        case clsBindKind::start: return "START";
        case clsBindKind::end: return "END";
    }
    return "";
}

// The kind a text names; none for a text that names no kind.
constexpr std::optional<clsBindKind> kindOf(std::string_view text) {
    for (const clsBindKind kind : {clsBindKind::none, clsBindKind::say, clsBindKind::sayTeam, clsBindKind::radio,
                                   clsBindKind::start, clsBindKind::end})
        if (kindText(kind) == text) return kind;
    return std::nullopt;
}

// A chat line: the kinds that text and OSP pieces take.
constexpr bool isChat(clsBindKind kind) { return kind == clsBindKind::say || kind == clsBindKind::sayTeam; }
