// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/definitions/clsDefinitionList.h"

namespace {

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
