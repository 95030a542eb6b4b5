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
};
