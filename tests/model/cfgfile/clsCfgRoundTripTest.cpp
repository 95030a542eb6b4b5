// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Round trips through the cfg reader, over seeded random schemes.
#include <gtest/gtest.h>

#include <random>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgFile.h"
#include "model/cfgfile/clsCfgImport.h"
#include "support/scratchFolder.h"

namespace {

// Odd pieces included: chat text with blanks, tabs and high bytes, radio commands with chains, comments, runs
// of spaces and blanks at their ends. The definition file offers the keys; the pieces need no entry.
const std::vector<std::string> keys{"F1", "F2", "MOUSE1", "a", "KP_ENTER", "F10", "/", "A"};
const std::vector<std::string> colours{"1", "4", "a", "^"};
const std::vector<std::string> osp{"#n", " $h ", "%\xE9", "\t", "x  y"};
const std::vector<std::string> radios{"vsay_team sniper",
                                      "vsay_team medic; say_team need a medic",
                                      "vsay_team  sniper",
                                      " ui_radio ",
                                      "say a//b",
                                      "caf\xC3\xA9 x",
                                      "x\ty"};
const std::string typed = "abcXYZ019 !@$)(*&[{}]:?/\\|~+=-_.,<>'`  ";

template <typename T> const T& pick(std::mt19937& rng, const std::vector<T>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
}

void randomEdits(clsCfgBuilder& b, std::mt19937& rng) {
    std::uniform_int_distribution<int> percent(0, 99);
    for (int step = 0; step < 40; ++step) {
        const std::string& key = pick(rng, keys);
        const std::string kind = percent(rng) < 50 ? "say" : "say_team";
        const int what = percent(rng);
        if (what < 45) {
            std::string text;
            for (int n = 1 + percent(rng) % 12; n > 0; --n) text += typed[percent(rng) % typed.size()];
            std::vector<std::string> pattern;
            for (int n = 1 + percent(rng) % 4; n > 0; --n) pattern.push_back(pick(rng, colours));
            b.add_code(key, text, kind, pattern, static_cast<std::int16_t>(pattern.size()),
                       std::to_string(1 + percent(rng) % 3), percent(rng) < 30);
        } else if (what < 65) {
            b.add_osp_code(key, pick(rng, osp), kind, percent(rng) < 30);
        } else if (what < 85) {
            b.add_radio_code(key, pick(rng, radios), "r");
        } else if (what < 95) {
            b.remove_bind_part(key);
        } else {
            b.remove_entire_bind(key);
        }
    }
}

// Opening a cfg file the program wrote and writing it again gives the same file, byte for byte.
TEST(cfgRoundTrip, theProgramsOwnFilesComeBackByteForByte) {
    scratchFolder dir;
    std::string definitions;
    for (const std::string& key : keys) definitions += "key:" + key + "\n";
    const std::string defs = dir.write("defs.txt", definitions);
    const clsDateTime when{2026, 7, 14, 21, 5, 33};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        clsCfgBuilder made, opened;
        ASSERT_TRUE(made.read_info(defs));
        ASSERT_TRUE(opened.read_info(defs));
        randomEdits(made, rng);
        const std::string file = clsCfgFile::contents(made, "mybinds.cfg", when);
        const clsOpenResult result = opened.open_binds(clsCfgImport::fromBytes(file).binds());
        EXPECT_TRUE(result.refused.empty()) << "seed " << seed;
        EXPECT_TRUE(result.addedKeys.empty()) << "seed " << seed;
        ASSERT_EQ(clsCfgFile::contents(opened, "mybinds.cfg", when), file) << "seed " << seed;
    }
}

}  // namespace
