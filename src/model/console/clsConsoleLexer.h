// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One command as the game's console takes it out of its command buffer.
struct clsConsoleCommand {
    std::string text;      // at most clsConsoleLexer::lineLimit bytes
    std::size_t line = 1;  // the buffer's line it starts on, counted from 1
    bool operator==(const clsConsoleCommand&) const = default;
};

// Where a command lies in a buffer, empty commands included: the bytes
// the console keeps of it, and what ended it.
struct clsCommandSpan {
    enum class ending {
        separator,  // a ';' outside double quotes
        cut,        // the line ran past lineLimit: the next byte is lost, the rest is a command of its own
        lineEnd,    // CR or LF
        bufferEnd,
    };
    std::size_t begin = 0;   // the command's first byte
    std::size_t length = 0;  // the bytes it keeps, at most clsConsoleLexer::lineLimit
    std::size_t end = 0;     // past the byte that ended it (the ';', the lost byte, CR or LF)
    std::size_t line = 1;    // the buffer's line it starts on, counted from 1
    ending endsWith = ending::bufferEnd;
};

// What in a text would make the console read something other than the words
// it shows.
enum class clsConsoleHazard {
    none,
    lineBreak,  // CR or LF: ends the command, the rest runs as a command of its own
    zeroByte,   // the console stops reading there
    separator,  // ';': ends the command (outside double quotes), splits a key's binding (anywhere)
    comment,    // "//" or "/*": the console skips the rest, or up to "*/"
    quote,      // '"': groups words and is taken out
};

// The game console's reading rules, in one place:
//  - exec puts a file into the command buffer, up to its first zero byte;
//  - a command ends at CR, LF, or a ';' outside double quotes; a command
//    keeps at most lineLimit bytes: one more byte is dropped and the rest
//    is a new command;
//  - a command splits into words at blanks (every byte up to 0x20 and every
//    byte from 0x80 on); "..." is one word without its quotes; "//" outside
//    quotes ends the command, "/*" outside quotes skips to "*/";
//  - "bind KEY ..." stores the words after the key joined by single spaces,
//    and a key press splits that binding at every ';' and runs each piece.
class clsConsoleLexer {
public:
    static constexpr std::size_t lineLimit = 1023;
    // exec reads a whole file into the 16,384-byte command buffer together
    // with a line end it adds: a larger file is not run at all.
    static constexpr std::size_t commandBuffer = 16384;
    static constexpr std::size_t largestRunnableFile = commandBuffer - 1;

    static bool isBlank(char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte >= 0x80;
    }

    // The commands of a buffer in the order exec runs them. Empty commands
    // (between CR and LF, after a ';') are left out.
    static std::vector<clsConsoleCommand> commands(std::string_view buffer);
    // The same commands by place, with the empty ones, up to the first zero byte.
    static std::vector<clsCommandSpan> spans(std::string_view buffer);
    // The words of one command; a quoted group is one word, possibly empty.
    static std::vector<std::string> words(std::string_view command);
    // words[from..] joined by single spaces, as bind stores them.
    static std::string joined(const std::vector<std::string>& words, std::size_t from);
    // The commands a key press runs for a stored binding.
    static std::vector<std::string_view> keyPressCommands(std::string_view binding);

    // The first hazard reading text from its start as (part of) one command.
    // With quotesAllowed, balanced double quotes make the ';', "//" and "/*"
    // between them harmless and only a quote left open counts; without, the
    // first quote counts. Line breaks and zero bytes count anywhere.
    static clsConsoleHazard firstHazard(std::string_view text, bool quotesAllowed);
    // A key name as the console compares it: ASCII letters in lower case
    // ("F1", "f1" and "F1" name one key).
    static std::string foldedKey(std::string_view key);
    // True when the console reads text as exactly one word, with no hazard:
    // blanks before and after the word are harmless.
    static bool isOneWord(std::string_view text);
};
