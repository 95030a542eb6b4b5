// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/styles/clsColorStyleManager.h"
#include "support/recordingList.h"

namespace {

constexpr std::int32_t face = clsColorStyleManager::systemButtonFace;

std::vector<std::int32_t> colours(clsColorStyleManager& m, const std::string& name) {  // 00BBGGRR
    return {m.getButtonColor(name), m.getLabelTextColor(name), m.getTextBoxBackGroundColor(name), m.getFormColor(name)};
}

TEST(clsColorStyleManager, catalogueAndUnknownNames) {
    clsColorStyleManager m;
    m.registerStandardStyles();
    recordingList list;
    m.fillCombo(list);
    ASSERT_EQ(list.lines.size(), 33u);
    EXPECT_EQ(list.lines[0], "Windows");
    for (const std::string name : {"Windows", "No Such Style", "", "greek", "Caribbean Sea"}) {
        EXPECT_EQ(m.getFormColor("Greek"), 0xFFFFFF);  // something else was current before
        EXPECT_EQ(colours(m, name), (std::vector<std::int32_t>{face, 0, 0xFFFFFF, face})) << name;
    }
    EXPECT_EQ(clsColorStyleManager().getButtonColor("Greek"), face);  // no style at all
}

}  // namespace
