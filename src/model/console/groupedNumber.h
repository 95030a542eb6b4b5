// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>

// A count with its digits grouped by three: 16384 -> "16,384" (the player's
// language may group with another separator: clsText::number).
inline std::string groupedNumber(std::size_t n, const std::string& separator = ",") {
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}
