// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "model/binds/clsBindKind.h"

class clsbind;

// Whether a bind line may be written, and if not, why.
enum class clsLineVerdict {
    fine,
    noSuchKey,    // no bind has the key
    tooLong,      // longer than the console reads of a line
    comment,      // "//" or "/*" where the console reads them as a comment
    endsCommand,  // a ';', line break or zero byte would end the bind early
    quote,        // a quote mark in chat text, or one left open
    badKey,       // the key is not one word to the console
    noCommand,    // a radio command without a word: "bind KEY" alone only shows the old binding
    notAPiece,    // a text or OSP piece given the radio kind: a radio bind is one radio command
};

// A message for the player: title and text.
struct clsRefusal {
    std::string title;
    std::string text;
};

// The cfg line of one key's bind: "bind KEY KIND CODE", or for a radio bind
// "bind KEY CODE", the code inside double quotes when it holds ';', "//" or
// "/*" (so the whole chain of commands stays in the bind) or blanks that bind
// would change (so the game stores the command as written). The writer writes
// exactly this text (and CR LF); the builder measures and checks exactly it.
class clsBindLine {
public:
    static std::string text(std::string_view key, clsBindKind kind, std::string_view code);
    static std::string text(const clsbind& bind);
    // The same line appended to out, and its length, without copying a chat
    // bind's text (for writing a whole file).
    static void append(std::string& out, const clsbind& bind);
    static std::size_t length(const clsbind& bind);
    // True when code holds ';', "//" or "/*": unquoted, the console would end
    // the bind there or skip the rest as a comment.
    static bool holdsChainOrComment(std::string_view code);
    // A radio command that needs quotes around it (and can take them): one
    // holding ';', "//" or "/*", or one that bind would not store as written.
    static bool needsQuotes(std::string_view radioCode);
    // The line for key, kind and code, read by the console's rules: at most
    // 1,023 bytes, one command, the key one word, no comment; a chat line
    // holds no ';' or quote mark at all (a key press would split or regroup
    // its text); a radio line has a command.
    static clsLineVerdict check(std::string_view key, clsBindKind kind, std::string_view code);
    // What the construction screen says when an add is refused.
    static clsRefusal refusal(clsLineVerdict verdict, bool radio);
};
