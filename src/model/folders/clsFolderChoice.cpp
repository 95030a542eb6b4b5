// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/folders/clsFolderChoice.h"

namespace {

// "/a/b/" -> "/a/b", "/" -> "": a name is appended with its own "/".
std::string trimmed(std::string folder) {
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

clsFolderChoice clsFolderChoice::portable(const std::string& programFolder) {
    const std::string home = trimmed(programFolder);
    clsFolderChoice c;
    c.mode = clsRunMode::portable;
    c.definitionFolders = {home + "/InputFiles"};
    c.userDefinitionFolder = home + "/InputFiles";
    c.pictureFolder = home + "/Stuff";
    c.outputFolder = home + "/OutputCfgFiles";
    return c;
}

clsFolderChoice clsFolderChoice::decide(const clsFolderFacts& facts) {
    // A copy that can keep its own files stays portable; so does one that has
    // nowhere else to write to.
    if ((facts.programHasInputFiles && facts.programWritable) || facts.userDataFolder.empty()) {
        clsFolderChoice c = portable(facts.programFolder);
        c.userDataFolder = trimmed(facts.userDataFolder);
        return c;
    }

    // The shipped files: beside the program when they are there (a copy on a
    // read-only medium), else in the install data folder.
    const std::string shippedHome = trimmed(facts.programHasInputFiles ? facts.programFolder : facts.installDataFolder);

    const std::string user = trimmed(facts.userDataFolder);
    clsFolderChoice c;
    c.mode = clsRunMode::installed;
    c.userDefinitionFolder = user + "/InputFiles";
    c.definitionFolders = {c.userDefinitionFolder};
    if (shippedHome + "/InputFiles" != c.userDefinitionFolder)
        c.definitionFolders.push_back(shippedHome + "/InputFiles");
    c.pictureFolder = shippedHome + "/Stuff";
    c.outputFolder = user + "/OutputCfgFiles";
    c.userDataFolder = user;
    c.foldersToCreate = {c.userDefinitionFolder};
    return c;
}
