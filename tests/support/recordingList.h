// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <vector>

#include "model/binds/clsListControl.h"

// A list control that keeps what it was given.
struct recordingList : clsListControl {
    std::vector<std::string> lines;
    void clear() override { lines.clear(); }
    void addItem(const std::string& entry) override { lines.push_back(entry); }
};
