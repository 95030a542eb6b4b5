// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/keys/clsKindColours.h"

#include "model/styles/clsContrast.h"

const std::array<std::uint32_t, clsKindColours::kinds>& clsKindColours::designed() {
    // #2F7FD8, #2E9E4F, #E8871E, #9350C0
    static const std::array<std::uint32_t, kinds> colours{0xD87F2F, 0x4F9E2E, 0x1E87E8, 0xC05093};
    return colours;
}

std::array<std::uint32_t, clsKindColours::kinds> clsKindColours::onFace(std::uint32_t face) {
    std::array<std::uint32_t, kinds> out{};
    for (std::size_t k = 0; k < kinds; ++k) out[k] = fitted(designed()[k], face);
    return out;
}

std::uint32_t clsKindColours::fitted(std::uint32_t colour, std::uint32_t face) {
    if (clsContrast::ratio(colour, face) >= least) return colour;
    // Black or white stands out from any face by 3:1 or more (a face at
    // least as light as 10 % has it against black, one at most 30 % against
    // white), so one of the two walks always ends.
    constexpr int steps = 64;
    for (int k = 1; k <= steps; ++k) {
        const double t = static_cast<double>(k) / steps;
        for (const std::uint32_t end : {clsContrast::black, clsContrast::white}) {
            const std::uint32_t moved = clsContrast::mix(colour, end, t);
            if (clsContrast::ratio(moved, face) >= least) return moved;
        }
    }
    return clsContrast::textOn(face);
}
