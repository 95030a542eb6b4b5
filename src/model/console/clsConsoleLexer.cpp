// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/console/clsConsoleLexer.h"

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

bool startsComment(std::string_view text, std::size_t i) {
    return text[i] == '/' && i + 1 < text.size() && (text[i + 1] == '/' || text[i + 1] == '*');
}

}  // namespace

std::vector<clsCommandSpan> clsConsoleLexer::spans(std::string_view buffer) {
    buffer = buffer.substr(0, buffer.find('\0'));
    std::vector<clsCommandSpan> out;
    const std::size_t n = buffer.size();
    std::size_t pos = 0;
    std::size_t line = 1;
    while (pos < n) {
        // The command runs to the first line end, or ';' outside quotes.
        std::size_t end = pos;
        bool quoted = false;
        for (; end < n; ++end) {
            const char c = buffer[end];
            if (c == '"') quoted = !quoted;
            if ((!quoted && c == ';') || isLineEnd(c)) break;
        }
        clsCommandSpan span;
        span.begin = pos;
        span.line = line;
        span.length = end - pos;
        if (span.length > lineLimit) {
            span.length = lineLimit;
            span.endsWith = clsCommandSpan::ending::cut;
        } else if (end < n) {
            span.endsWith = buffer[end] == ';' ? clsCommandSpan::ending::separator : clsCommandSpan::ending::lineEnd;
        }
        // The byte after the command (its separator, or the byte a long line
        // loses) goes with it.
        span.end = pos + span.length + 1 < n ? pos + span.length + 1 : n;
        for (std::size_t k = pos; k < span.end; ++k)
            if (buffer[k] == '\n' || (buffer[k] == '\r' && (k + 1 >= n || buffer[k + 1] != '\n'))) ++line;
        pos = span.end;
        out.push_back(span);
    }
    return out;
}

std::vector<clsConsoleCommand> clsConsoleLexer::commands(std::string_view buffer) {
    std::vector<clsConsoleCommand> out;
    for (const clsCommandSpan& span : spans(buffer))
        if (span.length > 0) out.push_back({std::string(buffer.substr(span.begin, span.length)), span.line});
    return out;
}

std::vector<std::string> clsConsoleLexer::words(std::string_view command) {
    command = command.substr(0, command.find('\0'));
    std::vector<std::string> out;
    const std::size_t n = command.size();
    std::size_t i = 0;
    for (;;) {
        // Blanks and comments between words.
        for (;;) {
            while (i < n && isBlank(command[i])) ++i;
            if (i >= n || (command[i] == '/' && i + 1 < n && command[i + 1] == '/')) return out;
            if (!startsComment(command, i)) break;
            // The search for "*/" starts at the "*" of "/*": "/*/" is a whole comment.
            const std::size_t close = command.find("*/", i + 1);
            if (close == std::string_view::npos) return out;
            i = close + 2;
        }
        if (command[i] == '"') {
            const std::size_t close = command.find('"', i + 1);
            out.emplace_back(command.substr(i + 1, close == std::string_view::npos ? close : close - i - 1));
            if (close == std::string_view::npos) return out;
            i = close + 1;
            continue;
        }
        const std::size_t start = i;
        while (i < n && !isBlank(command[i]) && command[i] != '"' && !startsComment(command, i)) ++i;
        out.emplace_back(command.substr(start, i - start));
    }
}

std::string clsConsoleLexer::joined(const std::vector<std::string>& words, std::size_t from) {
    std::string out;
    for (std::size_t k = from; k < words.size(); ++k) {
        if (k > from) out += ' ';
        out += words[k];
    }
    return out;
}

std::vector<std::string_view> clsConsoleLexer::keyPressCommands(std::string_view binding) {
    std::vector<std::string_view> out;
    for (std::size_t start = 0;;) {
        const std::size_t semicolon = binding.find(';', start);
        out.push_back(binding.substr(start, semicolon == std::string_view::npos ? semicolon : semicolon - start));
        if (semicolon == std::string_view::npos) return out;
        start = semicolon + 1;
    }
}

clsConsoleHazard clsConsoleLexer::firstHazard(std::string_view text, bool quotesAllowed) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isLineEnd(c)) return clsConsoleHazard::lineBreak;
        if (c == '\0') return clsConsoleHazard::zeroByte;
        if (c == '"') {
            if (!quotesAllowed) return clsConsoleHazard::quote;
            quoted = !quoted;
        } else if (!quoted && c == ';') {
            return clsConsoleHazard::separator;
        } else if (!quoted && startsComment(text, i)) {
            return clsConsoleHazard::comment;
        }
    }
    return quoted ? clsConsoleHazard::quote : clsConsoleHazard::none;
}

bool clsConsoleLexer::isOneWord(std::string_view text) {
    if (firstHazard(text, false) != clsConsoleHazard::none) return false;
    std::size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    if (first == last) return false;
    for (std::size_t i = first; i < last; ++i)
        if (isBlank(text[i])) return false;
    return true;
}

std::string clsConsoleLexer::foldedKey(std::string_view key) {
    std::string folded(key);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}
