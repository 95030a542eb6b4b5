// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Key-press filters: each answers the typed character's code when it passes,
// 0 when it is refused.
class clsInputHandler {
public:
    // The punctuation the chat text line lets through.
    static inline const std::string chatPunctuation = "!@$)(*&[{}]:;?/\\|~+=-_.,<>'`";

    std::int16_t NoInput(std::int16_t asci) const;
    std::int16_t MinMax(std::int16_t asci, std::int16_t min, std::int16_t max) const;
    std::int16_t Exclude(std::int16_t asci, const std::string& without) const;
    std::int16_t Include(std::int16_t asci, const std::string& Incl) const;

    // The combined filters of the program's text boxes (letters, digits, ...).
    std::int16_t filterChatText(std::int16_t asci) const;  // the chat text line
    std::int16_t filterFileName(std::int16_t asci) const;  // the file name box

    // What a chat text box may hold, for pasted or dropped text: characters
    // its filter refuses are dropped, a colour code ("^1") whole, and so is
    // every ";" and every "/" or "*"
    // that would make "//" or "/*" with the character before it (the game's
    // console cuts a command there).
    std::string cleanChatText(std::string_view text) const;
    // True when c may be typed after `before` (the text left of the cursor)
    // and in front of `after` in a chat text box.
    bool chatCharFits(char c, std::string_view before, std::string_view after) const;
    std::string cleanFileName(std::string_view text) const;

    // Why the chat text line refuses the character c (one it does not take,
    // or a '/' or '*' it took out of "//" or "/*"), in a player's words.
    static std::string refusalReason(char32_t c);
    // The short line that tells what the chat text line took out of what was
    // typed or pasted: each reason once, after the characters it removed
    // ("; removed: the console would run the rest as a command"), reasons
    // joined by " · ". Characters are shown once each; line breaks, tabs and
    // other control characters by name. Empty when nothing was removed.
    static std::string refusalLine(std::u32string_view removed);
};
