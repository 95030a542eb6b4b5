// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>

#include "support/scratchFolder.h"
#include "ui/shell/commandLine.h"

namespace {

// --review prints what Extra / Review Made Binds would list after opening the file with no definition file, and on
// standard error each line of the open report (its wording is the report's), naming the file; a file it cannot read
// gives one line why and exit code 1.
TEST(commandLineReview, printsTheListingOrOneLineWhy) {
    scratchFolder dir;
    const std::string sep = "|----------|----------|--------------------------------------------------|\n";
    const std::string head = "|      Key:|     Type:|                                      Description:|\n" + sep;
    const std::string a = dir.write("a.cfg",
                                    "bind F1 say ^1h^4i\r\nbind MOUSE1 \"vsay_team medic; say_team go\"\r\n"
                                    "bind KP_RIGHTARROW say the quick brown fox jumps over the lazy dog and runs");
    const std::string b = dir.write("b.cfg", "echo x\nbind \"F 1\" say y\nbind \"\x01\" say z");
    std::ostringstream aOut, aErr, bOut, bErr, noneOut, noneErr;
    EXPECT_EQ(commandLine::printReview(a, aOut, aErr), 0);
    // A key or a description longer than its column is cut.
    EXPECT_EQ(aOut.str() + aErr.str(),
              head + "|        F1|       say|" + std::string(48, ' ') + "hi|\n|    MOUSE1|    radio:|" +
                  std::string(22, ' ') +
                  "vsay_team medic; say_team go|\n"
                  "|KP_RIGHTAR|       say|the quick brown fox jumps over the lazy dog and ru|\n" +
                  sep);
    EXPECT_EQ(commandLine::printReview(b, bOut, bErr), 0);
    EXPECT_EQ(bOut.str(), head + sep);
    std::istringstream lines(bErr.str());
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) EXPECT_TRUE(line.starts_with("brenvolt: " + b + ": "));
    EXPECT_EQ(count, 5);
    EXPECT_NE(bErr.str().find(": line 2: \"bind \"F 1\" say y\"\n"), std::string::npos) << bErr.str();
    EXPECT_EQ(commandLine::printReview(dir.file("none.cfg"), noneOut, noneErr), 1);
    EXPECT_TRUE(noneOut.str().empty());
    EXPECT_TRUE(noneErr.str().starts_with("brenvolt: " + dir.file("none.cfg") + " cannot be"));
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
