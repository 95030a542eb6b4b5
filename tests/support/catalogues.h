// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <set>
#include <string>
#include <vector>

#include "model/keys/clsKeyNames.h"
#include "model/styles/clsColorStyleManager.h"
#include "support/recordingList.h"

// The names of the 33 standard colour styles, in list order.
inline std::vector<std::string> styleNames() {
    clsColorStyleManager m;
    m.registerStandardStyles();
    recordingList list;
    m.fillCombo(list);
    return list.lines;
}

// Every name Press Key gives: from every key code the toolkit has (characters, and its own keys from 0x01000000
// on), on the number pad or not, every mouse button and both wheel steps.
inline std::set<std::string> pressKeyNames() {
    std::set<std::string> named;
    auto add = [&](const std::string& name) {
        if (!name.empty()) named.insert(name);
    };
    for (const auto& [from, to] : {std::pair{0, 0x30000}, {0x01000000, 0x01030000}, {0x01100000, 0x01110000}})
        for (int code = from; code < to; ++code)
            for (bool keypad : {false, true}) add(clsKeyNames::forKey(code, keypad));
    for (int bit = 0; bit < 31; ++bit) add(clsKeyNames::forMouseButton(1 << bit));
    add(clsKeyNames::forWheel(120));
    add(clsKeyNames::forWheel(-120));
    return named;
}
