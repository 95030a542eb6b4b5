// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/definitions/clsDefinitionList.h"

namespace {

using folders = std::vector<clsDefinitionList::folderFiles>;
using listed = std::vector<std::string>;  // "name=path"

// The user's folder comes first; only the very same name means the user's file. (The start screen's test
// covers a shadowed shipped file.)
TEST(clsDefinitionList, listsEachNameOnceFromTheFirstFolderHoldingIt) {
    const std::pair<folders, listed> cases[] = {
        {{{"/u", {}}, {"/s", {"SoF2 default.txt"}}}, {"SoF2 default.txt=/s/SoF2 default.txt"}},
        {{{"/u", {"keys.txt", "a"}}, {"/s", {"Keys.txt", "a"}}},
         {"keys.txt=/u/keys.txt", "a=/u/a", "Keys.txt=/s/Keys.txt"}},
    };
    for (const auto& [in, want] : cases) {
        listed got;
        for (const auto& e : clsDefinitionList::merge(in)) got.push_back(e.name + "=" + e.path);
        EXPECT_EQ(got, want);
    }
}

// With no file anywhere the list says where they go: the user's folder, then where the shipped ones belong.
TEST(clsDefinitionList, noFilesHintNamesTheFolders) {
    EXPECT_EQ(clsDefinitionList::noFilesHint({"C:\\Brenvolt\\InputFiles"}).find("belong in"), std::string::npos);
    const std::string two = clsDefinitionList::noFilesHint({"/home/u/InputFiles", "/usr/share/brenvolt/InputFiles"});
    EXPECT_NE(two.find("folder:\n/home/u/InputFiles\n\nThe files that come with the program belong in:\n"
                       "/usr/share/brenvolt/InputFiles\n"),
              std::string::npos)
        << two;
}

}  // namespace
