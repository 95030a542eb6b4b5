// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>

#include "model/folders/clsFolderChoice.h"

// Where the program lives and which folders it reads and writes. Paths use
// "/" inside the program; nativePath writes one with the platform's
// separators for showing to the user.
class IProgramFolder {
public:
    virtual ~IProgramFolder() = default;
    virtual std::string programFolder() const = 0;  // no trailing separator
    virtual std::string nativePath(const std::string& path) const = 0;
    // The folders chosen for this run; everything beside the program unless
    // an implementation knows better.
    virtual clsFolderChoice folders() const { return clsFolderChoice::portable(programFolder()); }
};
