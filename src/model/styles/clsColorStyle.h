// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <string>

// One named colour style. Colours are 00BBGGRR; a value with the top bit set
// names a system colour (8000000F: the button face).
class clsColorStyle {
public:
    std::string name;
    std::int32_t buttonColor = 0;
    std::int32_t labelTextColor = 0;
    std::int32_t textBoxBackGroundColor = 0;
    std::int32_t formColor = 0;
};
