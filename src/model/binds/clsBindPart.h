// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// One piece of a bind: as the user reads it and as the game receives it.
class clsBindPart {
public:
    std::string Description;
    std::string codepiece;
};
