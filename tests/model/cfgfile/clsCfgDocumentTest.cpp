// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgDocument.h"
#include "model/cfgfile/clsCfgFile.h"
#include "model/console/clsBindLine.h"
#include "model/keys/clsGameKeys.h"

namespace {

// The binds the program shows after opening the file, with changes: a key to a new line ("" clears it).
std::vector<clsWantedBind> edited(const clsCfgDocument& doc,
                                  const std::vector<std::pair<std::string, std::string>>& edits) {
    std::vector<std::pair<std::string, std::string>> now;  // key -> line, in the file's order, new keys last
    for (const clsCfgBinding& b : doc.read().bindings) {
        // As the builder spells a key it adds: the file's name, or the game's where that is no word (";").
        const std::string key =
            clsConsoleLexer::isOneWord(b.bind.key) ? b.bind.key : *clsGameKeys::canonical(b.bind.key);
        now.emplace_back(key, clsBindLine::text(key, b.bind.kind, b.bind.code));
    }
    for (const auto& [key, line] : edits) {
        const auto at =
            std::find_if(now.begin(), now.end(), [&](const auto& n) { return clsGameKeys::sameKey(n.first, key); });
        if (at == now.end())
            now.emplace_back(key, line);
        else
            at->second = line;
    }
    std::vector<clsWantedBind> wanted;
    for (const auto& [key, line] : now)
        if (!line.empty()) wanted.push_back({clsGameKeys::identity(key), line});
    return wanted;
}

// The file saved after edits, "|" between them: a bind line sets its key, a key alone clears it.
std::string saved(const std::string& file, const std::string& edits) {
    std::vector<std::pair<std::string, std::string>> changes;
    for (std::size_t at = 0; at < edits.size();) {
        const std::size_t end = std::min(edits.find('|', at), edits.size());
        const std::string edit = edits.substr(at, end - at);
        changes.emplace_back(edit.starts_with("bind ") ? edit.substr(5, edit.find(' ', 5) - 5) : edit,
                             edit.starts_with("bind ") ? edit : "");
        at = end + 1;
    }
    const clsCfgDocument doc("my.cfg", file);
    return doc.saved(edited(doc, changes), "new.cfg", {2026, 12, 7, 9, 5, 3});
}

TEST(clsCfgDocument, changesOnlyWhatThePlayerChanged) {
    const std::string mine = "// my autoexec\r\nseta name \"^1me\"\r\nset m1 \"say one; set next vstr m2\"\r\n";
    const std::string cycle = "bind F2 vstr next // cycle\r\n\r\nexec other.cfg\r\n";
    const auto header = [](const char* name, const clsDateTime& when) {  // this program's own, with LF line ends
        std::string lines;
        for (const std::string& line : clsCfgFile::headerLines(name, when)) lines += line + "\n";
        return lines + "bind F1 say a\n";
    };
    const std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {mine + "bind F1 say hi\r\n" + cycle, "", mine + "bind F1 say hi\r\n" + cycle},
        {mine + "bind F1 say hi\r\n" + cycle, "bind F1 say ^1bye", mine + "bind F1 say ^1bye\r\n" + cycle},
        {"BIND f1 \"say  hi\"\n", "bind F1 \"say  hi\"", "BIND f1 \"say  hi\"\n"},  // the same binding
        {"bind a x; bind b y\n", "bind a \"+z; +w\"", "bind a \"+z; +w\"; bind b y\n"},
        {"bind F1 say a\nbind f1 say b\nseta x 1\n", "bind F1 say c", "bind F1 say a\nbind F1 say c\nseta x 1\n"},
        {"seta x 1\r\n", "bind F3 say new", "seta x 1\r\nbind F3 say new\r\n"},
        {"seta x 1\n", "bind F3 say new", "seta x 1\nbind F3 say new\n"},
        {"seta x 1\nseta y 2", "bind F3 say new|bind F4 say 4", "seta x 1\nseta y 2\nbind F3 say new\nbind F4 say 4"},
        {"bind F1 say a\nunbind F1\n", "bind F1 say b", "bind F1 say a\nunbind F1\nbind F1 say b\n"},
        {"bind F1 say a\nseta x 1\nbind F1 say b // again\nbind F2 say c\n", "f1", "seta x 1\nbind F2 say c\n"},
        {"bind a x; bind b y\nbind c z ;bind a w\necho 1;bind a v;echo 2\n", "a",
         " bind b y\nbind c z \necho 1;echo 2\n"},
        {"seta x 1\r\nbind F1 say a", "F1", "seta x 1"},
        {"bind F1 a;;\nx\n", "F1", "x\n"},
        // A command cut at 1,023 bytes: the console runs the rest of the line as a command of its own.
        {"bind F1 say " + std::string(1011, 'a') + "bquit\n", "bind F1 say b", "bind F1 say b\nquit\n"},
        {"bind A say up\nbind a say low\n", "bind a say x", "bind A say up\nbind a say x\n"},
        {"bind FOO say a\nbind F1 say b\n", "F1|bind MOUSE9 x", "bind FOO say a\nbind MOUSE9 x\n"},
        {"bind \";\" say a\n", "bind SEMICOLON say b", "bind SEMICOLON say b\n"},
        {header("old.cfg", {2025, 1, 2, 3, 4, 5}), "", header("new.cfg", {2026, 12, 7, 9, 5, 3})},
        {"// Description: mine\nbind F1 say a\n", "", "// Description: mine\nbind F1 say a\n"},
        {"", "bind F1 say a", "bind F1 say a\r\n"},
    };
    for (const auto& [file, edits, expected] : cases) EXPECT_EQ(saved(file, edits), expected) << file << edits;
}

// A bind the builder would not take stays as the file has it, whatever the builder holds.
TEST(clsCfgDocument, leavesRefusedBindsAlone) {
    clsCfgDocument doc("my.cfg", "bind F1 say a\nbind F2 say b\n");
    doc.leaveAlone({{2, "f2", clsLineVerdict::tooLong}});
    EXPECT_EQ(doc.saved({}, "my.cfg", {}), "bind F2 say b\n");
}

// Random console files, random edits: after exec of the saved file every key is bound as the program shows it,
// the console runs every other command as before, in order and byte for byte, and the binds of keys nobody
// changed stay as they were. Opened into a builder without a definition file (every key added) and written
// afresh, the file binds every key as before; only binds the builder refuses (and reports) are missing.
TEST(clsCfgDocument, savedFilesRunAsTheScreenShows) {
    const std::string chain = "set m \"say a; vstr n\"", longWord(700, 'w');
    const std::vector<std::string> pieces{
        "bind ",  "bind ",    "bind ",       "unbind ",    "unbindall", "say ",    "say_team ",  "F1 ",   "f1 ",
        "F2 ",    "\"F 3\" ", "A ",          "a ",         "FOO ",      "MOUSE1 ", "\";\" ",     "\"",    "\"",
        ";",      "//",       "/*",          "*/",         " ",         "  ",      "\t",         "\r\n",  "\n",
        "\r",     "^1",       "hi",          "x",          "\xE9",      "%",       "vsay_team ", "echo ", "\"\" ",
        "vstr m", chain,      "seta name x", "exec x.cfg", longWord};
    const std::vector<std::string> keys{"F1", "F2", "a", "A", "MOUSE1", "SEMICOLON", "KP_5"};
    const std::vector<std::string> bindings{"say ^1new", "\"+attack; +jump\"", "say_team x  y", "\"say a//b\""};
    const auto others = [](const clsCfgImport& read, std::string_view bytes) {
        std::vector<std::string> texts;
        for (const clsCfgCommand& c : read.commands)
            if (c.role != clsCommandRole::bind) texts.emplace_back(bytes.substr(c.span.begin, c.span.length));
        return texts;
    };
    const auto bindsOf = [](const clsCfgImport& read, std::string_view bytes, const std::string& key) {
        std::vector<std::string> texts;
        for (const clsCfgCommand& c : read.commands)
            if (c.role == clsCommandRole::bind && c.key == key)
                texts.emplace_back(bytes.substr(c.span.begin, c.span.length));
        return texts;
    };
    const auto bound = [](const clsCfgImport& read) {  // what exec leaves bound, by key
        std::map<std::string, std::string> keys;
        for (const clsCfgBinding& b : read.bindings) keys[b.key] = b.binding;
        return keys;
    };
    for (unsigned seed = 1; seed <= 500; ++seed) {
        std::mt19937 rng(seed);
        const auto pick = [&](const auto& from) {
            return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
        };
        std::string file;
        for (int n = std::uniform_int_distribution<int>(1, 100)(rng); n > 0; --n) file += pick(pieces);
        const clsCfgDocument doc("my.cfg", file);
        clsCfgBuilder fresh;
        std::map<std::string, std::string> kept = bound(doc.read());
        for (const clsOpenRefusal& r : fresh.open_binds(doc.read().binds()).refused) {
            EXPECT_EQ(r.why, clsLineVerdict::badKey) << "seed " << seed;
            kept.erase(clsGameKeys::identity(r.key));
        }
        ASSERT_EQ(bound(clsCfgImport::fromBytes(clsCfgFile::contents(fresh, "x.cfg", {}))), kept) << "seed " << seed;
        std::vector<std::pair<std::string, std::string>> edits;
        for (int n = std::uniform_int_distribution<int>(0, 4)(rng); n > 0; --n) {
            const std::string key = pick(keys);
            edits.emplace_back(key, rng() % 3 == 0 ? std::string() : "bind " + key + " " + pick(bindings));
        }
        const std::vector<clsWantedBind> wanted = edited(doc, edits);
        const std::string out = doc.saved(wanted, "my.cfg", {});
        const clsCfgImport again = clsCfgImport::fromBytes(out);

        std::map<std::string, std::string> expected;
        for (const clsWantedBind& w : wanted) {
            ASSERT_TRUE(clsCfgImport::bindingOf(w.line)) << w.line;
            expected[w.key] = *clsCfgImport::bindingOf(w.line);
        }
        ASSERT_EQ(bound(again), expected) << "seed " << seed << "\n" << file << "\n----\n" << out;
        ASSERT_EQ(others(again, out), others(doc.read(), file)) << "seed " << seed << "\n" << file << "\n----\n" << out;
        for (const clsCfgBinding& b : doc.read().bindings) {
            const auto now =
                std::find_if(wanted.begin(), wanted.end(), [&](const clsWantedBind& w) { return w.key == b.key; });
            if (now == wanted.end() || clsCfgImport::bindingOf(now->line) != b.binding) continue;
            ASSERT_EQ(bindsOf(again, out, b.key), bindsOf(doc.read(), file, b.key)) << "seed " << seed << "\n" << file;
        }
    }
}

}  // namespace
