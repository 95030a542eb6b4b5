// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/console/clsChatPreview.h"

#include <algorithm>
#include <array>

#include "model/console/clsConsoleLexer.h"
#include "model/text/clsText.h"

namespace {

constexpr char colorEscape = '^';

// Appends the bytes of text that the game shows, from byte position `from`
// on, to runs: colours are followed from the start of text, so a run past
// `from` has the colour the codes before it chose.
//
// A colour code is "^" followed by a character that is neither "^" nor the
// end of the text (the game's own test): the pair is hidden and the colour
// becomes (character - '0') & 7. A "^" before another "^", or at the very
// end, is drawn as a plain character; in "^^1a" the first "^" shows and "^1"
// colours the "a".
void appendRuns(std::string_view text, std::size_t from, bool cut, std::vector<clsChatRun>& runs) {
    int color = clsChatPreview::chatColor;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        if (text[i] == colorEscape && i + 1 < n && text[i + 1] != colorEscape) {
            color = clsChatPreview::colorIndex(text[i + 1]);
            i += 2;
            continue;
        }
        if (i >= from) {
            if (runs.empty() || runs.back().color != color || runs.back().cut != cut)
                runs.push_back(clsChatRun{{}, color, cut});
            runs.back().text += text[i];
        }
        ++i;
    }
}

}  // namespace

// The game receives a chat bind's text in four steps, each read by the
// console's rules (clsConsoleLexer):
//  1. exec reads the cfg file's bind line; its first command is the bind;
//  2. bind stores the words after the key, joined by single spaces (quotes
//     group words and are taken out, comments are skipped, every byte up to
//     0x20 and from 0x80 on parts words and vanishes);
//  3. a key press splits the binding at every ";" and runs the first piece,
//     "say" and the chat words, reading its words again;
//  4. on the way '%' becomes '.', and the server cuts every word to 255
//     bytes and joins the words with single spaces.
// The builder keeps every bind line within what the console reads of a
// line, so the line is measured here with a one-letter key.
std::string clsChatPreview::joinWords(std::string_view code) {
    std::string line = "bind K say ";
    line += code;
    const std::vector<clsConsoleCommand> commands = clsConsoleLexer::commands(line);
    if (commands.empty()) return {};
    const std::string binding = clsConsoleLexer::joined(clsConsoleLexer::words(commands.front().text), 2);
    const std::vector<std::string> said = clsConsoleLexer::words(clsConsoleLexer::keyPressCommands(binding).front());
    std::string text;
    text.reserve(code.size());
    for (std::size_t k = 1; k < said.size(); ++k) {
        if (k > 1) text += ' ';
        for (const char c : std::string_view(said[k]).substr(0, wordLimit))
            text += (c == '%' || static_cast<unsigned char>(c) >= 0x80) ? '.' : c;
    }
    return text;
}

std::string clsChatPreview::meterText(std::size_t chatBytes, std::size_t lineBytes) {
    std::string text = std::to_string(chatBytes) + " / " + std::to_string(chatLimit);
    if (chatBytes > chatLimit)
        text += " \u2013 " + clsText::translate("clsChatPreview", "the game cuts the rest") + " \u00b7 " +
                clsText::format(clsText::translate("clsChatPreview", "line %1 / %2"),
                                {clsText::number(lineBytes), clsText::number(clsConsoleLexer::lineLimit)});
    return text;
}

std::vector<clsChatRun> clsChatPreview::colorRuns(std::string_view text) {
    std::vector<clsChatRun> runs;
    appendRuns(text, 0, false, runs);
    return runs;
}

int clsChatPreview::colorIndex(char code) {
    const unsigned byte = static_cast<unsigned char>(code);
    return static_cast<int>((byte - static_cast<unsigned>('0')) & 7u);
}

int clsChatPreview::swatchIndex(std::string_view code) {
    if (code.size() != 1 || code[0] < '0' || code[0] > '9') return -1;
    return colorIndex(code[0]);
}

clsChatColor clsChatPreview::rgb(int index) {
    static constexpr std::array<clsChatColor, 8> palette{{
        {0, 0, 0},        // ^0 black
        {255, 0, 0},      // ^1 red
        {0, 255, 0},      // ^2 green
        {255, 255, 0},    // ^3 yellow
        {0, 0, 255},      // ^4 blue
        {0, 255, 255},    // ^5 cyan
        {255, 0, 255},    // ^6 magenta
        {255, 255, 255},  // ^7 white
    }};
    return palette[static_cast<unsigned>(index) & 7u];
}

// The shown part is drawn from the first chatLimit bytes alone, as the game
// draws what it kept (a code cut in half leaves its "^" as a plain last
// character); the cut part takes its colours from the whole line.
clsChatPreview::clsChatPreview(std::string_view code) : text_(joinWords(code)) {
    const std::string_view line(text_);
    appendRuns(line.substr(0, chatLimit), 0, false, runs_);
    if (over()) appendRuns(line, chatLimit, true, runs_);
}
