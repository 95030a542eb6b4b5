// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <vector>

// What the program finds about its surroundings at start.
struct clsFolderFacts {
    std::string programFolder;          // the folder holding the executable
    bool programHasInputFiles = false;  // programFolder/InputFiles is a folder
    bool programWritable = false;       // cfg files can be written beside the program
    std::string installDataFolder;      // <prefix>/share/brenvolt, found from the executable's place
    std::string userDataFolder;         // the per-user data folder; empty when none is known
};

enum class clsRunMode { portable, installed };

// Where the program reads and writes. Portable: everything beside the program,
// as a build tree or an unpacked copy has it. Installed: the shipped
// definitions and picture are read from the install data folder, the user's
// own definitions and the cfg files live in the per-user data folder.
// Paths use "/" and have no trailing separator.
struct clsFolderChoice {
    clsRunMode mode = clsRunMode::portable;
    std::vector<std::string> definitionFolders;  // in list order: the user's first
    std::string userDefinitionFolder;            // where the user keeps their own files (the help names it)
    std::string pictureFolder;                   // holds front.jpg
    std::string outputFolder;                    // the cfg files
    std::string userDataFolder;                  // the per-user data folder (drafts); empty when none is known
    std::vector<std::string> foldersToCreate;    // made at start, parents included

    static clsFolderChoice decide(const clsFolderFacts& facts);
    // Everything beside the program.
    static clsFolderChoice portable(const std::string& programFolder);
};
