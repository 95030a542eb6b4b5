// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// Opens a folder in the system file browser without waiting; failures are ignored.
class IFileBrowser {
public:
    virtual ~IFileBrowser() = default;
    virtual void openFolder(const std::string& folder) = 0;
};
