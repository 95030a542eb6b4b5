// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The console's reading rules and the chat preview over any bytes, against a
// plain C-style reading of the console: the command buffer cut at line ends
// and unquoted ';' (at most 1,023 bytes a command), words split at every byte
// up to ' ' on signed chars (so every byte from 0x80 on), quotes and
// comments. Also: a text without hazards is one command of plain words.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "model/console/clsChatPreview.h"
#include "model/console/clsConsoleLexer.h"

namespace {

using strings = std::vector<std::string>;

void check(bool holds) {
    if (!holds) __builtin_trap();
}

strings referenceCommands(std::string buffer) {
    buffer.resize(std::strlen(buffer.c_str()));
    strings out;
    while (!buffer.empty()) {
        int quotes = 0;
        std::size_t i = 0;
        for (; i < buffer.size(); i++) {
            if (buffer[i] == '"') quotes++;
            if (!(quotes & 1) && buffer[i] == ';') break;
            if (buffer[i] == '\n' || buffer[i] == '\r') break;
        }
        if (i >= 1023) i = 1023;
        const std::string line = buffer.substr(0, i);
        buffer.erase(0, i == buffer.size() ? i : i + 1);
        if (!line.empty()) out.push_back(line);
    }
    return out;
}

strings referenceWords(const std::string& command) {
    strings argv;
    const char* text = command.c_str();
    for (;;) {
        for (;;) {
            while (*text && static_cast<signed char>(*text) <= ' ') text++;
            if (!*text) return argv;
            if (text[0] == '/' && text[1] == '/') return argv;
            if (text[0] == '/' && text[1] == '*') {
                while (*text && (text[0] != '*' || text[1] != '/')) text++;
                if (!*text) return argv;
                text += 2;
            } else {
                break;
            }
        }
        std::string word;
        if (*text == '"') {
            text++;
            while (*text && *text != '"') word += *text++;
            argv.push_back(word);
            if (!*text) return argv;
            text++;
            continue;
        }
        while (static_cast<signed char>(*text) > ' ') {
            if (text[0] == '"' || (text[0] == '/' && (text[1] == '/' || text[1] == '*'))) break;
            word += *text++;
        }
        argv.push_back(word);
        if (!*text) return argv;
    }
}

std::string referenceChat(const std::string& code) {
    const strings commands = referenceCommands("bind K say " + code);
    if (commands.empty()) return {};
    const strings argv = referenceWords(commands[0]);
    std::string binding;
    for (std::size_t i = 2; i < argv.size(); ++i) binding += (i > 2 ? " " : "") + argv[i];
    const strings said = referenceWords(binding.substr(0, binding.find(';')));
    std::string chat;
    for (std::size_t i = 1; i < said.size(); ++i) {
        if (i > 1) chat += ' ';
        for (const char c : said[i].substr(0, 255)) chat += (c == '%' || (c & 0x80)) ? '.' : c;
    }
    return chat;
}

strings plainWords(const std::string& text) {
    strings out;
    std::string word;
    for (const char c : text + ' ') {
        if (!clsConsoleLexer::isBlank(c)) {
            word += c;
        } else if (!word.empty()) {
            out.push_back(word);
            word.clear();
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    strings commands;
    for (const clsConsoleCommand& c : clsConsoleLexer::commands(input)) commands.push_back(c.text);
    check(commands == referenceCommands(input));
    for (const std::string& c : commands) check(clsConsoleLexer::words(c) == referenceWords(c));
    check(clsChatPreview::joinWords(input) == referenceChat(input));

    // A line the safety checks pass is read as itself: one command; without
    // quotes, its words are the plain blank-separated words.
    const std::string line = "bind K " + input;
    if (line.size() <= 1023 && clsConsoleLexer::firstHazard(line, true) == clsConsoleHazard::none)
        check(clsConsoleLexer::commands(line) == std::vector<clsConsoleCommand>{{line, 1}});
    if (clsConsoleLexer::firstHazard(input, false) == clsConsoleHazard::none)
        check(clsConsoleLexer::words(input) == plainWords(input));
    return 0;
}
