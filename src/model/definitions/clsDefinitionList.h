// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <vector>

// The definition files the start screen offers, gathered from several folders.
class clsDefinitionList {
public:
    struct folderFiles {
        std::string folder;
        std::vector<std::string> names;  // in the order they are to be shown
    };
    struct entry {
        std::string name;
        std::string path;  // folder + "/" + name
    };

    // The first folder's files first, then each further folder's in turn; a
    // name already listed from an earlier folder is not listed again, so it
    // means the earlier folder's file.
    static std::vector<entry> merge(const std::vector<folderFiles>& folders);

    // What the list says when no folder holds a file: where definition files
    // go. folders: the folders as the player reads their paths, in list
    // order (the user's own first, then the program's shipped ones).
    static std::string noFilesHint(const std::vector<std::string>& folders);
};
