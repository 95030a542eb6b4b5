// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One stretch of a chat line drawn in one colour.
struct clsChatRun {
    std::string text;  // the bytes shown, colour codes taken out
    int color = 2;     // 0 to 7
    bool cut = false;  // past what the server keeps: the game never shows it
    bool operator==(const clsChatRun&) const = default;
};

// A colour of the game's palette.
struct clsChatColor {
    int red = 0, green = 0, blue = 0;
    bool operator==(const clsChatColor&) const = default;
};

// What the game makes of a chat bind's text: the line it sends (words
// re-joined), the colours it draws it in, and how many bytes of it the server
// keeps. Every step is one pass over the text.
class clsChatPreview {
public:
    // The server keeps at most this many bytes of a chat line, colour codes
    // included; the rest is dropped.
    static constexpr std::size_t chatLimit = 149;
    // The server cuts every word of a chat line to this many bytes.
    static constexpr std::size_t wordLimit = 255;
    // The colour of chat text after the player's name, until a code changes it.
    static constexpr int chatColor = 2;

    // code: the bind's text as the builder answers it (the part after
    // "say" / "say_team" on the bind line).
    explicit clsChatPreview(std::string_view code);

    const std::string& text() const { return text_; }
    std::size_t byteCount() const { return text_.size(); }
    bool over() const { return text_.size() > chatLimit; }
    // The line as drawn: the runs the game shows, then (only when over) the
    // runs of the part it cuts, marked cut.
    const std::vector<clsChatRun>& runs() const { return runs_; }

    // The chat line the game receives for a bind's text; see the .cpp for
    // the exact rule.
    static std::string joinWords(std::string_view code);
    // "163 / 149", and past the limit "163 / 149 – the game cuts the rest ·
    // line 180 / 1,023" with the bind's cfg line length (UTF-8).
    static std::string meterText(std::size_t chatBytes, std::size_t lineBytes);
    // The coloured runs of a chat line as the game draws it.
    static std::vector<clsChatRun> colorRuns(std::string_view text);
    // The colour a code character picks: (character - '0') & 7, on the byte's
    // unsigned value; "^8" is black, "^9" red.
    static int colorIndex(char code);
    // The colour a colour list entry's code gives the chat text after it,
    // for the list's swatch: a code of one digit 0 to 9 (so "8" is black,
    // "9" red); -1 for any other code, which gets no swatch.
    static int swatchIndex(std::string_view code);
    // ^0 black, ^1 red, ^2 green, ^3 yellow, ^4 blue, ^5 cyan, ^6 magenta,
    // ^7 white. Any index is taken & 7.
    static clsChatColor rgb(int index);

private:
    std::string text_;
    std::vector<clsChatRun> runs_;
};
