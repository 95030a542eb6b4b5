#include "construction/clsChatPreview.h"

#include <algorithm>
#include <array>

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

// The game receives a chat bind's text in three steps: the console reads the
// cfg file's bind line into words, joins them with single spaces into the
// key's command, reads that command into words again when the key is pressed,
// and the game joins the words after "say" with single spaces. The result,
// computed here in one pass:
//  - the text ends at the first ";" (the console runs what follows as a
//    command of its own) and at the first zero byte;
//  - it ends at "//" (the rest is a comment);
//  - "/*" up to and including the next "*/" is a comment and parts words
//    like a space (with no "*/" after it, the text ends there); the search
//    for "*/" starts at the "*" of "/*", so "/*/" is a whole comment;
//  - bytes 1 to 32 (space, tab and the other control characters) and the
//    quote mark part words: the quote marks group words on the bind line,
//    but the groups are read again word by word when the key is pressed;
//  - empty words are dropped, and the words are joined with one space, so
//    repeated spaces collapse into one and leading and trailing ones vanish.
// Bytes above 127 are ordinary characters. Text typed in the program's chat
// line never holds ";", "//", "/*" or quote marks; OSP tokens from a
// definition file may.
std::string clsChatPreview::joinWords(std::string_view code) {
    const std::size_t end = std::min(code.find(';'), code.find('\0'));
    if (end != std::string_view::npos) code = code.substr(0, end);

    std::string line;
    line.reserve(code.size());
    bool wordEnded = false;
    const std::size_t n = code.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(code[i]);
        if (c == '/' && i + 1 < n && code[i + 1] == '/') break;
        if (c == '/' && i + 1 < n && code[i + 1] == '*') {
            const std::size_t close = code.find("*/", i + 1);
            if (close == std::string_view::npos) break;
            i = close + 2;
            wordEnded = true;
            continue;
        }
        if (c <= ' ' || c == '"') {
            wordEnded = true;
            ++i;
            continue;
        }
        if (wordEnded && !line.empty()) line += ' ';
        wordEnded = false;
        line += static_cast<char>(c);
        ++i;
    }
    return line;
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
