// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/styles/clsContrast.h"

#include <algorithm>
#include <cmath>

namespace {

int channel(std::uint32_t bgr, int shift) { return static_cast<int>((bgr >> shift) & 0xFFu); }

// An sRGB channel (0 to 255) as linear light.
double linear(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double clsContrast::luminance(std::uint32_t bgr) {
    return 0.2126 * linear(channel(bgr, 0)) + 0.7152 * linear(channel(bgr, 8)) + 0.0722 * linear(channel(bgr, 16));
}

double clsContrast::ratio(std::uint32_t a, std::uint32_t b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::uint32_t clsContrast::textOn(std::uint32_t face) {
    return ratio(black, face) >= ratio(white, face) ? black : white;
}

std::uint32_t clsContrast::mix(std::uint32_t a, std::uint32_t b, double t) {
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const double v = channel(a, shift) + (channel(b, shift) - channel(a, shift)) * t;
        out |= static_cast<std::uint32_t>(std::clamp(static_cast<int>(std::lround(v)), 0, 255)) << shift;
    }
    return out;
}

std::uint32_t clsContrast::greyedOn(std::uint32_t text, std::uint32_t face) {
    if (ratio(text, face) < readable) return text;
    // From half way back toward the text, the first step that reads well.
    constexpr int steps = 32;
    for (int k = steps; k > 0; --k) {
        const std::uint32_t grey = mix(text, face, 0.5 * k / steps);
        if (ratio(grey, face) >= readable) return grey;
    }
    return text;
}
