// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// One usable line of an input definition file.
class clsItem {
public:
    std::string Description;  // shown in lists
    std::string value;        // what goes into the cfg file
    std::string kind;         // "key:", "color:", "osp:", "radio:"; "START"/"END" for markers
    clsItem* nxt = nullptr;   // chain links, never owning
    clsItem* prev = nullptr;
};
