// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>

// The colours of the four kinds of bind on the keyboard picture (public chat,
// team chat, radio, other command; clsKeyboardMap::kindIndex), fitted to the
// face of a free key in the colour style in use: each kind keeps its own hue
// and is darkened or lightened only as far as it needs to stand out from the
// face by at least 3:1 (WCAG 2, as for the parts of a picture), so that a
// bound key never looks free. Colours are 00BBGGRR, as clsContrast takes them.
class clsKindColours {
public:
    static constexpr double least = 3.0;
    static constexpr std::size_t kinds = 4;

    // The colours as designed: blue, green, orange and purple.
    static const std::array<std::uint32_t, kinds>& designed();
    // The colours on a free key's face.
    static std::array<std::uint32_t, kinds> onFace(std::uint32_t face);
    // One colour moved toward black or white, whichever takes the smaller
    // step (black on a tie), until it stands out from the face by `least`.
    static std::uint32_t fitted(std::uint32_t colour, std::uint32_t face);
};
