#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "styles/frmColorStyle.h"
#include "styles/windowTestContext.h"

using namespace paintProbe;

// Picks preview the style in the dialog alone; only OK after a pick keeps the last one.
TEST(frmColorStyle, previewsEachPickAndKeepsTheLastOnlyOnOk) {
    enum endBy { ok, cancel, escape, closeBox };
    const std::tuple<std::vector<const char*>, endBy, const char*> cases[] = {
        {{}, ok, "Greek"}, {{"Chillin'", "Toy", "Dracula"}, ok, "Dracula"}, {{"Dracula"}, cancel, "Greek"},
        {{"Dracula"}, escape, "Greek"}, {{"Dracula"}, closeBox, "Greek"}};
    for (const auto& [picks, end, styleAfter] : cases) {
        SCOPED_TRACE(end);
        windowTestContext t(windowTestContext::standardDefinitions, "Greek");
        QWidget opener;
        opener.setObjectName("opener");
        opener.setStyleSheet("QWidget#opener { background-color: #00ff00; }");
        frmColorStyle dlg(t.ctx, &opener);
        opener.show();
        dlg.show();
        EXPECT_EQ(windowBackground(&dlg), bgr(0xFFFFFF)) << "opens in the style in use";
        auto* cbo = control<QComboBox>(&dlg, "cboColorStyle");
        for (const char* pick : picks) pickEntry(cbo, cbo->findText(pick));
        EXPECT_EQ(t.ctx.currentColorStyle, "Greek") << "a pick alone changes nothing";
        if (!picks.empty()) {
            EXPECT_EQ(windowBackground(&dlg), bgr(0x000000)) << "the preview shows at once";
            EXPECT_EQ(dominant(ownImage(control<QPushButton>(&dlg, "cmdOk"))), bgr(0x0000FF));
        }
        EXPECT_EQ(opener.styleSheet(), "QWidget#opener { background-color: #00ff00; }");
        EXPECT_EQ(opener.grab().toImage().pixelColor(2, 2), QColor(0, 255, 0));
        if (end == ok) control<QPushButton>(&dlg, "cmdOk")->click();
        if (end == cancel) control<QPushButton>(&dlg, "cmdCancel")->click();
        if (end == escape) QTest::keyClick(cbo, Qt::Key_Escape);
        if (end == closeBox) dlg.close();
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(t.ctx.currentColorStyle, styleAfter);
        ASSERT_EQ(t.platform.messages.log.size(), picks.empty() ? 1u : 0u);  // OK without a pick asks for one
        for (const auto& m : t.platform.messages.log) EXPECT_EQ(m.title + ": " + m.text, "Missing Information: Select a color style!");
        EXPECT_TRUE(t.platform.settings.values.empty()) << "the style is stored only at Exit and after a save";
    }
}
