// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// The system's dialogs for picking a file to open or a name to save under.
class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    // The path of the file the user picked, starting in folder and offering
    // filter (for example "Cfg files (*.cfg)") and every file; empty when the
    // user cancelled.
    virtual std::string openFile(const std::string& title, const std::string& folder, const std::string& filter) = 0;
    // The path to save under, offering path (a folder and a file name) and
    // filter ("PNG pictures (*.png)"), whose first pattern's extension is
    // added to a name typed without one; replacing a file is asked about
    // there. Empty when the user cancelled.
    virtual std::string saveFile(const std::string& title, const std::string& path, const std::string& filter) = 0;
};
