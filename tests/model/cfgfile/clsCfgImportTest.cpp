// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "model/cfgfile/clsCfgImport.h"
#include "model/console/clsConsoleLexer.h"
#include "support/scratchFolder.h"

namespace {

// "KEY kind [code] @line" per bind, then "skip @line: text" per skipped command, then the unbinds if any.
std::string described(const clsCfgImport& read) {
    std::string out;
    for (const clsCfgBinding& b : read.bindings)
        out += b.bind.key + " " + std::string(kindText(b.bind.kind)) + " [" + b.bind.code + "] @" +
               std::to_string(b.bind.line) + "\n";
    for (const clsSkippedCommand& c : read.skipped) out += "skip @" + std::to_string(c.line) + ":" + c.text + "\n";
    return read.unbinds ? out + "unbinds " + std::to_string(read.unbinds) + "\n" : out;
}

// Every bind read gives its binding again when the program writes it.
TEST(clsCfgImport, followsTheConsoleAndWritesEveryBindingBack) {
    const std::string a1011(1011, 'a');
    const std::vector<std::pair<std::string, std::string>> cases{
        // The program's own chat line comes back as written, double spaces and all.
        {"bind F1 say ^1hi  ^4there \r\n", "F1 say [^1hi  ^4there ] @1\n"},
        {"bind F1 \"say hi there\"", "F1 say [hi there] @1\n"},
        // bind joins these words with single spaces; written as chat they would come back joined again.
        {"bind F1 \"say hi  there\"\nbind F2 \"say caf\xC3\xA9\"",
         "F1 radio: [say hi  there] @1\nF2 radio: [say caf\xC3\xA9] @2\n"},
        {"bind F1 say hi; quit", "F1 say [hi] @1\nskip @1: quit\n"},
        {"bind F1 \"vsay_team medic; say_team go\"", "F1 radio: [vsay_team medic; say_team go] @1\n"},
        {"// header\r\nbind F1 say hi // note\r\nbind F2 say a/* x */b\r\n/* all\r\n",
         "F1 say [hi] @2\nF2 say [a b] @3\n"},
        {"BIND F1 say hi\nBind F2 SAY hi", "F1 say [hi] @1\nF2 radio: [SAY hi] @2\n"},
        {"bind F1 say a\nbind F2 say b\nbind f1 say c", "F1 say [c] @3\nF2 say [b] @2\n"},
        {"bind F1 say a\nbind F2 say b\nunbind f1\nbind F3 say c\nunbindall\nbind F4 say d\nbind F5 say e\nunbind F5",
         "F4 say [d] @6\nunbinds 3\n"},
        {"bind F1 say a\nbind F1 \"\"\nbind F2 say b\nbind F2 \" \"", "unbinds 2\n"},
        {"bind F1\nbind\nunbind\nunbind F1 F2\nseta name x\nbind \"\" say x",
         "skip @1:bind F1\nskip @2:bind\nskip @3:unbind\nskip @4:unbind F1 F2\nskip @5:seta name x\nskip @6:bind \"\" "
         "say x\n"},
        {"bind F1 say a\r\nx\r\n\r\nbind F2 say b\rbind F3 say c\nbind F4 say d",
         "F1 say [a] @1\nF2 say [b] @4\nF3 say [c] @5\nF4 say [d] @6\nskip @2:x\n"},
        // A quote left open stops at the line end; the next line's lone quote makes an empty word.
        {"bind F1 \"say hi\nbind F2 say b\"", "F1 say [hi] @1\nF2 radio: [say b ] @2\n"},
        // Past 1,023 bytes the console drops one byte and runs the tail as a command of its own.
        {"bind F1 say " + a1011 + "b quit\n", "F1 say [" + a1011 + "] @1\nskip @1: quit\n"},
        {"\xEF\xBB\xBF"
         "bind F1 say hi",
         "F1 say [hi] @1\n"},
        // Key names as the game reads them: one character is that byte, several letters match in any case.
        {"bind \"F 1\" say hi\nbind FOO say x\nbind MOUSE9 +attack\nunbind FOO",
         "skip @1:bind \"F 1\" say hi\nskip @2:bind FOO say x\nskip @3:bind MOUSE9 +attack\nskip @4:unbind FOO\n"},
        {"bind a say low\nbind A say high\nbind \";\" say semi\nbind SEMICOLON say colon",
         "a say [low] @1\nA say [high] @2\n; say [colon] @4\n"},
        {"BIND ALT say x\nbind alt say y\nUNBINDALL\nbind Alt say z\nUnBind aLT", "unbinds 2\n"},
        {"bind F1 say a\nunbind F1\nbind F1 say b", "F1 say [b] @3\nunbinds 1\n"},
    };
    for (const auto& [file, expected] : cases) {
        const clsCfgImport read = clsCfgImport::fromBytes(file);
        EXPECT_EQ(described(read), expected) << file;
        for (const clsCfgBinding& b : read.bindings) {  // a key of more words is no bind the builder takes
            if (clsConsoleLexer::isOneWord(b.bind.key)) {
                EXPECT_EQ(clsCfgImport::bindingOf(clsBindLine::text(b.bind.key, b.bind.kind, b.bind.code)), b.binding)
                    << file;
            }
        }
    }
}

// A file that cannot be read is refused with its reason; one holding a zero byte is no text file.
TEST(clsCfgImport, refusesWhatIsNoReadableTextFile) {
    scratchFolder dir;
    std::filesystem::create_directory(dir.file("folder"));
    const std::string locked = dir.write("locked.cfg", "bind F1 say hi");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const bool root = geteuid() == 0;  // root reads it anyway
    using P = clsImportProblem;
    const std::vector<std::tuple<std::string, P, std::size_t>> cases{
        {dir.file("missing.cfg"), P::missing, 0},
        {dir.file("folder"), P::notAFile, 0},
        {"/dev/zero", P::notAFile, 0},
        {locked, root ? P::none : P::unreadable, 0},
        {dir.write("nul.cfg", std::string("bind F1 say a\0b", 15)), P::binary, 15},
        {dir.write("big.cfg", std::string(clsCfgImport::largestFile + 1, ' ')), P::tooLarge,
         clsCfgImport::largestFile + 1},
        {dir.write("limit.cfg", std::string(clsCfgImport::largestFile, ' ')), P::none, clsCfgImport::largestFile},
    };
    for (const auto& [path, problem, size] : cases) {
        const clsCfgImport read = clsCfgImport::fromFile(path);
        EXPECT_EQ(read.problem, problem) << path;
        EXPECT_EQ(size ? read.size : 0, size) << path;  // the file's size, where the row names one
    }
}

}  // namespace
