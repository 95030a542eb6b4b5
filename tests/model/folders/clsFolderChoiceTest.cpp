// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/folders/clsFolderChoice.h"

namespace {

struct folderCase {
    const char* name;
    clsFolderFacts facts;
    clsRunMode mode;
    std::vector<std::string> definitions;  // in list order: the user's own folder first
    std::string picture, output;
};
void PrintTo(const folderCase& c, std::ostream* out) { *out << c.name; }

const std::string home = "/home/u/.local/share/brenvolt";
const std::string shared = "/usr/share/brenvolt";

const folderCase folderCases[] = {
    {"buildTreeStaysBesideTheProgram",
     {"/w/build/src", true, true, "/w/build/share/brenvolt", home},
     clsRunMode::portable,
     {"/w/build/src/InputFiles"},
     "/w/build/src/Stuff",
     "/w/build/src/OutputCfgFiles"},
    {"installedReadsTheSharedFilesAndKeepsTheUsersAtHome",
     {"/usr/bin", false, false, shared, home},
     clsRunMode::installed,
     {home + "/InputFiles", shared + "/InputFiles"},
     shared + "/Stuff",
     home + "/OutputCfgFiles"},
    // Root may write anywhere: without InputFiles beside it the program is still installed.
    {"writableWithoutInputFilesIsInstalled",
     {"/usr/bin", false, true, shared, home},
     clsRunMode::installed,
     {home + "/InputFiles", shared + "/InputFiles"},
     shared + "/Stuff",
     home + "/OutputCfgFiles"},
    {"readOnlyCopyReadsItsOwnFilesAndWritesAtHome",
     {"/media/cd", true, false, "/media/share/brenvolt", home},
     clsRunMode::installed,
     {home + "/InputFiles", "/media/cd/InputFiles"},
     "/media/cd/Stuff",
     home + "/OutputCfgFiles"},
    {"noUserFolderKnownStaysBesideTheProgram",
     {"/usr/bin", false, false, shared, ""},
     clsRunMode::portable,
     {"/usr/bin/InputFiles"},
     "/usr/bin/Stuff",
     "/usr/bin/OutputCfgFiles"},
    {"trailingSeparatorsDropped",
     {"/opt/b/", false, false, "/opt/share/brenvolt/", home + "/"},
     clsRunMode::installed,
     {home + "/InputFiles", "/opt/share/brenvolt/InputFiles"},
     "/opt/share/brenvolt/Stuff",
     home + "/OutputCfgFiles"},
    {"aFolderListedOnceWhenBothAreTheSame",
     {home, true, false, shared, home},
     clsRunMode::installed,
     {home + "/InputFiles"},
     home + "/Stuff",
     home + "/OutputCfgFiles"},
};

class folderChoice : public testing::TestWithParam<folderCase> {};

// The user's own definitions are the first folder listed; only an installed program makes it at start.
TEST_P(folderChoice, followsWhatIsFoundAroundTheProgram) {
    const folderCase& c = GetParam();
    const clsFolderChoice chosen = clsFolderChoice::decide(c.facts);
    EXPECT_EQ(chosen.mode, c.mode);
    EXPECT_EQ(chosen.definitionFolders, c.definitions);
    EXPECT_EQ(chosen.userDefinitionFolder, c.definitions.front());
    EXPECT_EQ(chosen.pictureFolder, c.picture);
    EXPECT_EQ(chosen.outputFolder, c.output);
    EXPECT_EQ(chosen.foldersToCreate,
              c.mode == clsRunMode::installed ? std::vector{c.definitions.front()} : std::vector<std::string>{});
    EXPECT_EQ(chosen.userDataFolder, c.facts.userDataFolder.empty() ? "" : home);  // drafts, both ways
}

INSTANTIATE_TEST_SUITE_P(clsFolderChoice, folderChoice, testing::ValuesIn(folderCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
