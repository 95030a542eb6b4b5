// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// The fixed text of the help page: what a cfg file is, how the program is
// used and how its definition files can be edited. Paragraphs are joined
// with CR LF; blanks are kept exactly as written.
class clsHelpText {
public:
    // The most colours a text pattern can have (the construction screen's
    // colour rows).
    static constexpr int maxPatternColors = 8;
    static inline const std::string lineBreak = "\r\n";

    // inputFolder: the definition files' folder as the user should see it
    // (the platform's separators).
    static std::string build(const std::string& inputFolder);
};
