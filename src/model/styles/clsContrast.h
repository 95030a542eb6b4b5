// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

// How well one colour stands out on another, measured as WCAG 2 does it
// (relative luminance, contrast ratio from 1:1 to 21:1). Colours are
// 00BBGGRR, red in the lowest byte, as the colour styles write them; a
// system colour must be resolved to its value first.
class clsContrast {
public:
    static constexpr std::uint32_t black = 0x000000;
    static constexpr std::uint32_t white = 0xFFFFFF;
    // The least ratio at which normal-sized text reads well.
    static constexpr double readable = 4.5;

    static double luminance(std::uint32_t bgr);
    static double ratio(std::uint32_t a, std::uint32_t b);

    // Black or white, whichever stands out more on the face.
    static std::uint32_t textOn(std::uint32_t face);
    // The text of a disabled control: moved toward the face (at most half
    // way) only as far as it stays readable. Text already below readable
    // stays as it is, so greying never makes it worse.
    static std::uint32_t greyedOn(std::uint32_t text, std::uint32_t face);
    // a moved toward b by the share t (0: a, 1: b), channel by channel.
    static std::uint32_t mix(std::uint32_t a, std::uint32_t b, double t);
};
