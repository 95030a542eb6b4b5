// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "support/windowTestContext.h"
#include "ui/styles/frmColorStyle.h"

using namespace paintProbe;

// Picks preview the style in the dialog alone; only OK after a pick keeps the last one.
TEST(frmColorStyle, previewsEachPickAndKeepsTheLastOnlyOnOk) {
    enum endBy { ok, cancel, escape, closeBox };
    const std::tuple<std::vector<const char*>, endBy, const char*> cases[] = {
        {{}, ok, "Greek"},
        {{"Chillin'", "Toy", "Dracula"}, ok, "Dracula"},
        {{"Dracula"}, cancel, "Greek"},
        {{"Dracula"}, escape, "Greek"},
        {{"Dracula"}, closeBox, "Greek"}};
    for (const auto& [picks, end, styleAfter] : cases) {
        SCOPED_TRACE(end);
        windowTestContext t(windowTestContext::standardDefinitions, "Greek");
        frmColorStyle dlg(t.ctx);
        dlg.show();
        auto* cbo = control<QComboBox>(&dlg, "cboColorStyle");
        for (const char* pick : picks) pickEntry(cbo, cbo->findText(pick));
        EXPECT_EQ(t.ctx.currentColorStyle, "Greek") << "a pick alone changes nothing";
        if (!picks.empty()) {
            EXPECT_EQ(windowBackground(&dlg), bgr(0x000000)) << "the preview shows at once";
            EXPECT_EQ(dominant(ownImage(control<QPushButton>(&dlg, "cmdOk"))), bgr(0x0000FF));
        }
        if (end == ok || end == cancel) control<QPushButton>(&dlg, end == ok ? "cmdOk" : "cmdCancel")->click();
        if (end == escape) QTest::keyClick(cbo, Qt::Key_Escape);
        if (end == closeBox) dlg.close();
        EXPECT_EQ(std::pair(dlg.isVisible(), t.ctx.currentColorStyle), std::pair(false, std::string(styleAfter)));
        // OK without a pick asks for one.
        EXPECT_EQ(t.platform.messages.asked(),
                  picks.empty() ? "Missing Information: Select a color style! (!) [OK]\n" : "");
        EXPECT_TRUE(t.platform.settings.values.empty()) << "the style is stored only at Exit and after a save";
    }
}
