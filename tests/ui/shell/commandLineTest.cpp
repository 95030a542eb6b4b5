// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>

#include "support/scratchFolder.h"
#include "ui/shell/commandLine.h"

namespace {

// --review prints what Extra / Review Made Binds would list after opening the file with no definition file.
TEST(commandLineReview, printsTheListingOrOneLineWhy) {
    scratchFolder dir;
    const std::string sep = "|----------|----------|--------------------------------------------------|\n";
    const std::string head = "|      Key:|     Type:|                                      Description:|\n" + sep;
    struct row {
        std::string file, out, err;
        int code;
    };
    const std::vector<row> rows{
        {dir.write("a.cfg", "bind F1 say ^1h^4i\r\nbind MOUSE1 \"vsay_team medic; say_team go\"\r\n"),
         head + "|        F1|       say|" + std::string(48, ' ') + "hi|\n|    MOUSE1|    radio:|" +
             std::string(22, ' ') + "vsay_team medic; say_team go|\n" + sep,
         "", 0},
        {dir.write("b.cfg", "echo x\nbind \"F 1\" say y\nbind \"\x01\" say z"), head + sep,
         "brenvolt: " + dir.file("b.cfg") +
             ": 1 bind was left out (line 3): the key name is not one word to the game.\n"
             "brenvolt: " +
             dir.file("b.cfg") +
             ": 1 command binds a key the game does not know (F 1), so it binds nothing:\n"
             "brenvolt: " +
             dir.file("b.cfg") +
             ": line 2: \"bind \"F 1\" say y\"\n"
             "brenvolt: " +
             dir.file("b.cfg") +
             ": 1 other command is not a bind (the program leaves it as it is):\n"
             "brenvolt: " +
             dir.file("b.cfg") + ": line 1: \"echo x\"\n",
         0},
        {dir.file("none.cfg"), "",
         "brenvolt: " + dir.file("none.cfg") +
             " cannot be opened: it is not there (it may have been moved, renamed "
             "or deleted).\n",
         1},
    };
    for (const row& r : rows) {
        std::ostringstream out, err;
        EXPECT_EQ(commandLine::printReview(r.file, out, err), r.code) << r.file;
        EXPECT_EQ(out.str(), r.out);
        EXPECT_EQ(err.str(), r.err);
    }
}

// --bind and --clear change one key in place with the checks of the windows; a refusal leaves the file as it was.
TEST(commandLineEdit, changesOneKeyOrSaysWhyNot) {
    scratchFolder dir;
    const std::string file = "seta name me\r\nbind f1 say hi // mine\r\nbind F2 \"+a; +b\"\r\n";
    struct row {
        const char* name;
        std::string key;
        std::optional<std::string> binding;
        int code;
        std::string after;  // empty: unchanged
        std::string err;
    };
    const std::vector<row> rows{
        {"changed", "F1", "say ^1bye", 0, "seta name me\r\nbind F1 say ^1bye\r\nbind F2 \"+a; +b\"\r\n", ""},
        {"chained", "MOUSE4", "+attack; +jump", 0, file + "bind MOUSE4 \"+attack; +jump\"\r\n", ""},
        {"cleared", "f2", std::nullopt, 0, "seta name me\r\nbind f1 say hi // mine\r\n", ""},
        {"clearedUnbound", "F9", std::nullopt, 0, "", ""},
        {"unknownKey", "MOUSE9", "say x", 1, "", "the game knows no key named MOUSE9"},
        {"quote", "F3", "say \"x\"", 1, "", "the game cannot keep a quote mark or a line break in a binding"},
        {"tooLong", "F3", "say " + std::string(1100, 'a'), 1, "",
         "the bind line would be longer than the 1,023 characters the game reads of a line"},
        {"empty", "F3", "  ", 1, "", "the binding is empty (--clear takes a key's bind away)"},
    };
    for (const row& r : rows) {
        const std::string path = dir.write("my.cfg", file);
        std::ostringstream err;
        EXPECT_EQ(commandLine::editKeyOf(path, r.key, r.binding, err), r.code) << r.name;
        EXPECT_EQ(scratchFolder::read(path), r.after.empty() ? file : r.after) << r.name;
        EXPECT_EQ(err.str(), r.err.empty() ? "" : "brenvolt: " + path + " was not changed: " + r.err + ".\n") << r.name;
    }
    std::ostringstream err;
    EXPECT_EQ(commandLine::editKeyOf(dir.file("none.cfg"), "F1", std::nullopt, err), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.cfg")));
}

}  // namespace
