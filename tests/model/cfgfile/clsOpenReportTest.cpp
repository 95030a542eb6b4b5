// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/cfgfile/clsOpenReport.h"
#include "support/loadedBuilder.h"

namespace {

// What opening the file into a builder that knows F1 tells the player.
std::string told(const std::string& file) {
    loadedBuilder t("key:F1\n");
    const clsCfgImport read = clsCfgImport::fromBytes(file);
    const clsOpenResult result = t.b.open_binds(read.binds());
    return result.opened ? clsOpenReport::opened("my.cfg", read, result)
                         : clsOpenReport::nothingOpened("my.cfg", read, result);
}

TEST(clsOpenReport, saysWhatWasReadAddedLeftOutAndSkipped) {
    const std::string gap = "\r\n\r\n";
    const std::string a70(70, 'a');
    const std::vector<std::pair<std::string, std::string>> cases{
        {"bind f1 say hi", "Read 1 bind from my.cfg."},
        {"bind F1 say a\nbind X say b\necho\n\nfoo; bind \"Y Z\" say c;bind \"\x01\" say d",
         "Read 2 binds from my.cfg." + gap +
             "One of its keys is not in the definition file, so it was added at the end of the key list: X." + gap +
             "1 bind was left out (line 5): the key name is not one word to the game." + gap +
             "1 command binds a key the game does not know (Y Z), so it binds nothing:\r\nline 5: \"bind \"Y Z\" say "
             "c\"" +
             gap +
             "2 other commands are not binds (the program leaves them as they are):\r\nline 3: \"echo\"\r\nline 5: "
             "\"foo\""},
        {"echo a\n// only\n",
         "my.cfg holds no binds, so nothing was changed." + gap +
             "1 other command is not a bind (the program leaves it as it is):\r\nline 1: \"echo a\""},
        {"bind \"\x01\" say x", "The one bind of my.cfg could not be opened, so nothing was changed." + gap +
                                    "1 bind was left out (line 1): the key name is not one word to the game."},
        // Quoted: the first 60 bytes, whole characters, control bytes as blanks; past 1,023 bytes the console runs
        // the tail as a command of its own.
        {"bind FOO x\nbind mouse9 y\nbind FOO z\nbind F1 say " + std::string(1011, 'a') + "b" + a70 +
             "\n\tseta \"\xC3\xA9\t\"\n" + std::string(59, 'x') + "\xC3\xA9",
         "Read 1 bind from my.cfg." + gap +
             "3 commands bind a key the game does not know (FOO, mouse9), so they bind nothing:\r\nline 1: \"bind FOO "
             "x\"\r\nline 2: \"bind mouse9 y\"\r\nline 3: \"bind FOO z\"" +
             gap + "3 other commands are not binds (the program leaves them as they are):\r\nline 4: \"" +
             std::string(60, 'a') + "...\"\r\nline 5: \"seta \"\xC3\xA9 \"\"\r\nline 6: \"" + std::string(59, 'x') +
             "...\""},
        // exec runs no file of 16,384 bytes or more.
        {"bind F1 say x\n" + std::string(16383 - 14, ' '), "Read 1 bind from my.cfg."},
        {"bind F1 say x\n" + std::string(16384 - 14, ' '),
         "Read 1 bind from my.cfg." + gap +
             "The file holds 16,384 bytes: the game's exec does not run a file of 16,384 "
             "bytes or more (its command buffer holds 16,383 bytes of a file)."},
    };
    for (const auto& [file, message] : cases) EXPECT_EQ(told(file), message) << file;
}

// Opened while binds are made, a file without binds keeps them, and its other commands are named.
TEST(clsOpenReport, aFileWithoutBindsKeepsTheBindsMade) {
    EXPECT_EQ(clsOpenReport::noBindsYet("my.cfg", 2, clsCfgImport::fromBytes("seta name x\n")),
              "my.cfg holds no binds yet: the 2 binds you have made are added to it when you save.\r\n\r\n1 other "
              "command is not a bind (the program leaves it as it is):\r\nline 1: \"seta name x\"" +
                  clsOpenReport::savingKeeps("my.cfg"));
}

TEST(clsOpenReport, namesTheFirstFewLines) {
    const std::vector<std::pair<std::vector<std::size_t>, std::string>> cases{
        {{4}, "line 4"},
        {{4, 9}, "lines 4 and 9"},
        {{1, 2, 3, 4, 5}, "lines 1, 2, 3, 4 and 5"},
        {{1, 2, 3, 4, 5, 6, 7, 8}, "lines 1, 2, 3, 4, 5 and 3 more"}};
    for (const auto& [lines, text] : cases) EXPECT_EQ(clsOpenReport::lineList(lines), text);
}

}  // namespace
