#pragma once
#include <string>

// Where the program lives. Paths use "/" inside the program; nativePath
// writes one with the platform's separators for showing to the user.
class IProgramFolder {
public:
    virtual ~IProgramFolder() = default;
    virtual std::string programFolder() const = 0;  // no trailing separator
    virtual std::string nativePath(const std::string& path) const = 0;
};
