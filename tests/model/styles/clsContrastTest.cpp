// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/styles/clsContrast.h"

namespace {

// Ratios as WCAG 2 gives them (00BBGGRR colours).
TEST(clsContrast, measuresAsWcagDoes) {
    for (const auto& [a, b, ratio] : {std::tuple{0x000000u, 0xFFFFFFu, 21.0},
                                      {0xFFFFFFu, 0xFFFFFFu, 1.0},
                                      {0x767676u, 0xFFFFFFu, 4.54},
                                      {0x0000FFu, 0x000000u, 5.25},  // red on black
                                      {0xFF0000u, 0xFFFFFFu, 8.59},
                                      {0x00FF00u, 0x000000u, 15.30},  // blue, green
                                      {0x0000FFu, 0x00FF00u, 2.91}})  // red text on green: a style's own pair
        EXPECT_NEAR(clsContrast::ratio(a, b), ratio, 0.01) << std::hex << a << " on " << b;
}

// Black or white by the higher ratio; a disabled caption greys only as far as it stays readable, and a style's own
// colour that is already hard to read is left as it is.
TEST(clsContrast, choosesTheCaptionThatReads) {
    for (const auto& [face, caption] : {std::pair{0xFF0000u, 0xFFFFFFu},
                                        {0x0000FFu, 0x000000u},
                                        {0xEFEFEFu, 0x000000u},
                                        {0x353535u, 0xFFFFFFu},
                                        {0x00FFFFu, 0x000000u},
                                        {0xC000C0u, 0xFFFFFFu}}) {
        EXPECT_EQ(clsContrast::textOn(face), caption) << std::hex << face;
        const std::uint32_t greyed = clsContrast::greyedOn(caption, face);
        EXPECT_GE(clsContrast::ratio(greyed, face), clsContrast::readable) << std::hex << face;
        EXPECT_LE(clsContrast::ratio(greyed, face), clsContrast::ratio(caption, face));
    }
    EXPECT_EQ(clsContrast::greyedOn(0x000000u, 0xFFFFFFu), 0x747474u);  // as near the face as still reads
    EXPECT_EQ(clsContrast::greyedOn(0x0000FFu, 0x00FF00u), 0x0000FFu);
}

}  // namespace
