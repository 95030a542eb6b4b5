// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// What the builder needs of a drop-down list or a list box.
class clsListControl {
public:
    virtual ~clsListControl() = default;
    virtual void clear() = 0;
    virtual void addItem(const std::string& entry) = 0;
};
