#pragma once
#include <string>

// The system's dialog for picking a file to open.
class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    // The path of the file the user picked, starting in folder and offering
    // filter (for example "Cfg files (*.cfg)") and every file; empty when the
    // user cancelled.
    virtual std::string openFile(const std::string& title, const std::string& folder, const std::string& filter) = 0;
};
