#include <gtest/gtest.h>

#include "shell/clsDefinitionList.h"

namespace {

using folders = std::vector<clsDefinitionList::folderFiles>;
using listed = std::vector<std::string>;  // "name=path"

// The user's folder comes first; a name it shares with the shipped folder means the user's file.
TEST(clsDefinitionList, listsEachNameOnceFromTheFirstFolderHoldingIt) {
    const std::pair<folders, listed> cases[] = {
        {{{"/u", {"b.txt", "SoF2 default.txt"}}, {"/s", {"a.txt", "SoF2 default.txt"}}},
         {"b.txt=/u/b.txt", "SoF2 default.txt=/u/SoF2 default.txt", "a.txt=/s/a.txt"}},
        {{{"/u", {}}, {"/s", {"SoF2 default.txt"}}}, {"SoF2 default.txt=/s/SoF2 default.txt"}},
        {{{"/u", {"keys.txt"}}, {"/s", {"Keys.txt"}}}, {"keys.txt=/u/keys.txt", "Keys.txt=/s/Keys.txt"}},
        {{{"/p/InputFiles", {"x", "y"}}}, {"x=/p/InputFiles/x", "y=/p/InputFiles/y"}},
    };
    for (const auto& [in, want] : cases) {
        listed got;
        for (const auto& e : clsDefinitionList::merge(in)) got.push_back(e.name + "=" + e.path);
        EXPECT_EQ(got, want);
    }
}

}  // namespace
