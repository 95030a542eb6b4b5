// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/folders/clsFolderChoice.h"

namespace {

// The definition folders in list order, the user's own first; the picture is read beside the last, the cfg files
// written beside the first. Only an installed program makes the user's folder at start; drafts go to the user's data
// folder both ways.
TEST(clsFolderChoice, followsWhatIsFoundAroundTheProgram) {
    const std::string home = "/home/u/.local/share/brenvolt", shared = "/usr/share/brenvolt";
    const std::string homeFirst = home + "/InputFiles|" + shared + "/InputFiles";
    const std::vector<std::tuple<clsFolderFacts, clsRunMode, std::string>> cases{
        {{"/w/build/src", true, true, "/w/build/share/brenvolt", home},
         clsRunMode::portable,
         "/w/build/src/InputFiles"},
        {{"/usr/bin", false, false, shared, home}, clsRunMode::installed, homeFirst},
        {{"/usr/bin", false, true, shared, home}, clsRunMode::installed, homeFirst},  // root writes anywhere
        {{"/media/cd", true, false, "/media/share/brenvolt", home},  // a read-only copy reads its own files
         clsRunMode::installed,
         home + "/InputFiles|/media/cd/InputFiles"},
        {{"/usr/bin", false, false, shared, ""}, clsRunMode::portable, "/usr/bin/InputFiles"},  // no user folder known
        {{"/opt/b/", false, false, "/opt/share/brenvolt/", home + "/"},
         clsRunMode::installed,
         home + "/InputFiles|/opt/share/brenvolt/InputFiles"},
        {{home, true, false, shared, home}, clsRunMode::installed, home + "/InputFiles"},  // listed once
    };
    for (const auto& [facts, mode, definitions] : cases) {
        SCOPED_TRACE(facts.programFolder);
        const clsFolderChoice chosen = clsFolderChoice::decide(facts);
        std::string listed;
        for (const std::string& folder : chosen.definitionFolders) listed += (listed.empty() ? "" : "|") + folder;
        const auto beside = [](const std::string& folder, const char* name) {
            return folder.substr(0, folder.rfind('/') + 1) + name;
        };
        EXPECT_EQ(chosen.mode, mode);
        EXPECT_EQ(listed, definitions);
        EXPECT_EQ(chosen.userDefinitionFolder, chosen.definitionFolders.front());
        EXPECT_EQ(chosen.pictureFolder, beside(chosen.definitionFolders.back(), "Stuff"));
        EXPECT_EQ(chosen.outputFolder, beside(chosen.definitionFolders.front(), "OutputCfgFiles"));
        EXPECT_EQ(chosen.foldersToCreate, mode == clsRunMode::installed ? std::vector{chosen.definitionFolders.front()}
                                                                        : std::vector<std::string>{});
        EXPECT_EQ(chosen.userDataFolder, facts.userDataFolder.empty() ? "" : home);
    }
}

}  // namespace
