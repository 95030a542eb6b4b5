// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <optional>

#include "model/definitions/clsItem.h"
#include "model/definitions/clsReadReport.h"

// Which definition entries the game's console would misread, checked as the
// file is read:
//  - a key name must be one word to the console (blanks around it are
//    harmless);
//  - a colour code and an OSP token are chat text: no ';', '"', "//" or "/*";
//    an OSP token holds a word (blanks alone send nothing);
//  - a radio command may hold ';', "//" and "/*" (its bind line quotes it),
//    but no '"', and must hold a word;
//  - no value may hold a line break or a zero byte.
// Every other byte is kept.
class clsEntryCheck {
public:
    // Why the item is left out; nothing when it may be used.
    static std::optional<clsLeftOutReason> check(const clsItem& item);
};
