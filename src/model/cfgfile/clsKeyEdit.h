// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "model/cfgfile/clsCfgFile.h"

// What changing one key of a cfg file gave: the file's new bytes, or why
// nothing was changed.
struct clsKeyEditResult {
    bool ok = false;
    std::string reason;  // when refused: a sentence without its full stop
    std::string bytes;   // when ok: the whole file
    bool changed = false;
};

// One key of a cfg file changed in place, as opening the file, changing
// the key's bind and saving would do it (clsCfgDocument), with the same
// checks: a binding the builder would refuse changes nothing.
class clsKeyEdit {
public:
    // binding: what the key is to do, as the game stores it ("say ^1hi",
    // "+attack; +jump"); none clears the key.
    static clsKeyEditResult apply(std::string_view bytes, const std::string& fileName, const std::string& key,
                                  const std::optional<std::string>& binding, const clsDateTime& when);
};
