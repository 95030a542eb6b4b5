// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The whole bind model over any definition file and any sequence of adds:
// read the file from disk, then run operations decoded from the input (typed
// text in any colours, OSP tokens and radio commands from the file or made of
// any bytes, undo, clear, reset). Every refused add changes nothing, and
// every cfg file holds only bind lines that the console reads as one command
// each: at most 1,023 bytes, no line break, no ';' or comment outside
// quotes, quotes balanced, a command after the key, and chat lines without
// any ';' or quote mark.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgFile.h"
#include "model/console/clsConsoleLexer.h"

namespace {

const std::string& scratchFile() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("brenvolt-fuzz-" + std::to_string(getpid()) + ".txt")).string();
    return path;
}

struct countingList : clsListControl {
    std::size_t entries = 0;
    void clear() override { entries = 0; }
    void addItem(const std::string&) override { ++entries; }
};

void check(bool holds) {
    if (!holds) __builtin_trap();
}

// Reads operation arguments from the fuzzer's bytes; zeros once they run out.
struct script {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;
    bool done() const { return pos >= size; }
    std::uint8_t byte() { return pos < size ? data[pos++] : 0; }
    std::string text() {
        std::size_t length = byte();
        if (length == 255) length = 255u * byte() + byte();  // now and then a long one
        std::string t;
        while (t.size() < length && !done()) t += static_cast<char>(byte());
        return t;
    }
};

// The n-th value of a group, or some bytes when the group has too few.
std::string valueOf(clsCfgBuilder& b, const char* token, script& s) {
    clsGroup& g = b.getGroup(token);
    const std::size_t n = s.byte();
    if (n >= static_cast<std::size_t>(g.count())) return s.text();
    g.get_front();
    for (std::size_t k = 0; k < n; ++k) g.get_next();
    return g.get_next().value;
}

// What reading let into the groups: chat text without ';', '"', "//", "/*";
// radio commands without '"'; keys one word; nothing with a line break or zero byte.
void checkGroups(clsCfgBuilder& b) {
    for (const char* token : {"key:", "color:", "osp:", "radio:"}) {
        clsGroup& g = b.getGroup(token);
        g.get_front();
        while (g.has_next()) {
            const std::string& v = g.get_next().value;
            check(v.find_first_of(std::string("\r\n\0\"", 4)) == std::string::npos);
            if (std::string(token) == "radio:") continue;
            check(v.find(';') == std::string::npos && v.find("//") == std::string::npos &&
                  v.find("/*") == std::string::npos);
            if (std::string(token) == "key:") check(clsConsoleLexer::words(v).size() == 1);
        }
    }
}

// The line read with the console's quote rule, written out plainly.
bool soundLine(const std::string& line, bool chat) {
    if (line.size() > 1023) return false;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\r' || c == '\n' || c == '\0') return false;
        if (c == '"') {
            if (chat) return false;
            quoted = !quoted;
        }
        if (chat && c == ';') return false;
        if (quoted) continue;
        if (c == ';') return false;
        if (c == '/' && i + 1 < line.size() && (line[i + 1] == '/' || line[i + 1] == '*')) return false;
    }
    return !quoted;
}

void checkLine(const std::string& key, clsBindKind kind, const std::string& code) {
    const std::string line = clsBindLine::text(key, kind, code);
    check(soundLine(line, kind != clsBindKind::radio));
    const std::vector<std::string> w = clsConsoleLexer::words(line);
    // "bind KEY" and at least one more word: the line binds, it does not only show the old binding
    check(w.size() >= 3 && w[0] == "bind" && clsConsoleLexer::words(key) == std::vector<std::string>{w[1]});
}

// The whole file as exec reads it: the header lines are comments, every bind line is one command.
void checkFile(clsCfgBuilder& b) {
    const std::string bytes = clsCfgFile::contents(b, "fuzz.cfg", clsDateTime{});
    std::size_t lines = 0;
    b.go_to_first_bind();
    for (const clsbind* x = &b.get_next_bind(); !x->key.empty(); x = &b.get_next_bind()) {
        checkLine(x->key, x->kind, x->get_code());
        check(bytes.find("\r\n" + clsBindLine::text(*x) + "\r\n") != std::string::npos);
        ++lines;
    }
    std::size_t commands = 0;
    for (const clsConsoleCommand& c : clsConsoleLexer::commands(bytes))
        if (!clsConsoleLexer::words(c.text).empty()) ++commands;
    check(commands == lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t defsSize = std::min<std::size_t>(size - 2, data[0] | (data[1] << 8));
    {
        std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 2), static_cast<std::streamsize>(defsSize));
    }
    clsCfgBuilder b;
    check(b.read_info(scratchFile()));
    const clsReadReport& report = b.get_left_out();
    check(report.entries().size() <= report.total());
    checkGroups(b);

    std::vector<std::string> keys;
    clsGroup& keyGroup = b.getGroup("key:");
    keyGroup.get_front();
    while (keyGroup.has_next()) keys.push_back(keyGroup.get_next().value);
    if (keys.empty()) return 0;

    countingList list;
    b.fillCombo(list, "radio:");
    script s{data + 2 + defsSize, size - 2 - defsSize};
    const char* const kinds[] = {"say", "say_team", "radio:", ""};
    for (int steps = 0; !s.done() && steps < 200; ++steps) {
        const std::string key = keys[s.byte() % keys.size()];
        const std::string codeBefore = b.get_bindcode(key), kindBefore = b.get_bindKind(key);
        bool added = true;
        switch (s.byte() % 6) {
            case 0: {
                std::vector<std::string> colours;
                const std::int16_t n = static_cast<std::int16_t>(s.byte() % 9);
                for (int k = 0; k < n; ++k) colours.push_back(valueOf(b, "color:", s));
                const std::string step = std::to_string(1 + s.byte() % 10);
                const bool front = s.byte() & 1;
                added = b.add_code(key, s.text(), kinds[s.byte() % 2], colours, n, step, front);
                break;
            }
            case 1: {
                const std::string token = valueOf(b, "osp:", s);
                const bool front = s.byte() & 1;
                added = b.add_osp_code(key, token, kinds[s.byte() % 4], front);
                break;
            }
            case 2: added = b.add_radio_code(key, valueOf(b, "radio:", s), "r"); break;
            case 3: b.remove_bind_part(key); break;
            case 4: b.remove_entire_bind(key); break;
            default: b.Reset_Binds(); break;
        }
        if (!added) check(b.get_bindcode(key) == codeBefore && b.get_bindKind(key) == kindBefore);
        if (b.isBound(key)) checkLine(key, b.bindKind(key), b.get_bindcode(key));
    }
    checkFile(b);
    b.printScheme(list);
    return 0;
}
