#include <gtest/gtest.h>

#include "shell/clsFolderChoice.h"

namespace {

struct folderCase {
    const char* name;
    clsFolderFacts facts;
    clsRunMode mode;
    std::vector<std::string> definitions;  // in list order
    std::string user, picture, output;
    std::vector<std::string> made;
};

const std::string home = "/home/u/.local/share/brenvolt";

const folderCase folderCases[] = {
    {"buildTreeStaysBesideTheProgram", {"/w/build/src", true, true, "/w/build/share/brenvolt", home},
     clsRunMode::portable, {"/w/build/src/InputFiles"}, "/w/build/src/InputFiles", "/w/build/src/Stuff",
     "/w/build/src/OutputCfgFiles", {}},
    {"installedReadsTheSharedFilesAndKeepsTheUsersAtHome", {"/usr/bin", false, false, "/usr/share/brenvolt", home},
     clsRunMode::installed, {home + "/InputFiles", "/usr/share/brenvolt/InputFiles"}, home + "/InputFiles",
     "/usr/share/brenvolt/Stuff", home + "/OutputCfgFiles", {home + "/InputFiles"}},
    // Root may write anywhere: without InputFiles beside it the program is still installed.
    {"writableWithoutInputFilesIsInstalled", {"/usr/bin", false, true, "/usr/share/brenvolt", home},
     clsRunMode::installed, {home + "/InputFiles", "/usr/share/brenvolt/InputFiles"}, home + "/InputFiles",
     "/usr/share/brenvolt/Stuff", home + "/OutputCfgFiles", {home + "/InputFiles"}},
    {"readOnlyCopyReadsItsOwnFilesAndWritesAtHome", {"/media/cd", true, false, "/media/share/brenvolt", home},
     clsRunMode::installed, {home + "/InputFiles", "/media/cd/InputFiles"}, home + "/InputFiles", "/media/cd/Stuff",
     home + "/OutputCfgFiles", {home + "/InputFiles"}},
    {"noUserFolderKnownStaysBesideTheProgram", {"/usr/bin", false, false, "/usr/share/brenvolt", ""},
     clsRunMode::portable, {"/usr/bin/InputFiles"}, "/usr/bin/InputFiles", "/usr/bin/Stuff", "/usr/bin/OutputCfgFiles",
     {}},
    {"trailingSeparatorsDropped", {"/opt/b/", false, false, "/opt/share/brenvolt/", home + "/"},
     clsRunMode::installed, {home + "/InputFiles", "/opt/share/brenvolt/InputFiles"}, home + "/InputFiles",
     "/opt/share/brenvolt/Stuff", home + "/OutputCfgFiles", {home + "/InputFiles"}},
    {"aFolderListedOnceWhenBothAreTheSame", {home, true, false, "/usr/share/brenvolt", home}, clsRunMode::installed,
     {home + "/InputFiles"}, home + "/InputFiles", home + "/Stuff", home + "/OutputCfgFiles", {home + "/InputFiles"}},
};

class folderChoice : public testing::TestWithParam<folderCase> {};

TEST_P(folderChoice, followsWhatIsFoundAroundTheProgram) {
    const folderCase& c = GetParam();
    const clsFolderChoice chosen = clsFolderChoice::decide(c.facts);
    EXPECT_EQ(chosen.mode, c.mode);
    EXPECT_EQ(chosen.definitionFolders, c.definitions);
    EXPECT_EQ(chosen.userDefinitionFolder, c.user);
    EXPECT_EQ(chosen.pictureFolder, c.picture);
    EXPECT_EQ(chosen.outputFolder, c.output);
    EXPECT_EQ(chosen.foldersToCreate, c.made);
    EXPECT_EQ(chosen.userDataFolder, c.facts.userDataFolder.empty() ? "" : home);  // drafts, both ways
}

INSTANTIATE_TEST_SUITE_P(clsFolderChoice, folderChoice, testing::ValuesIn(folderCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
