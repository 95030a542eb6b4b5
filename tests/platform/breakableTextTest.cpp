// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "platform/breakableText.h"

namespace {

// Breaks offered in stretches without a blank longer than 40 characters: after folder separators and every 40
// characters. Shorter words stay as they are.
TEST(breakableText, offersBreaksInLongPathsOnly) {
    const QString z(QChar(0x200B));
    const QString forty(40, 'a'), folder = "/home/player/.local/share/brenvolt/";  // 35 characters
    for (const auto& [in, out] :
         {std::pair{QString("A file needs a name..."), QString("A file needs a name...")},
          {"The file " + folder + "x.cfg could", "The file " + folder + "x.cfg could"},
          {folder + "Output/x.cfg", "/" + z + "home/" + z + "player/" + z + ".local/" + z + "share/" + z + "brenvolt/" +
                                        z + "Output/" + z + "x.cfg"},
          {"C:\\" + forty, "C:\\" + z + forty + z},
          {forty + forty + "b x", forty + z + forty + z + "b x"}})
        EXPECT_EQ(breakableText(in), out) << in.toStdString();
}

}  // namespace
