// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/frmConstructTest.h"

namespace {

// The meter counts the bytes the server keeps (codes count, repeated spaces collapse) and warns in orange over
// the limit; the line shows in the game's colours.
TEST(frmConstructPreview, followsAddUndoAndOspWithItsMeterAndWarnsOverTheLimit) {
    constructScreen s;
    QWidget* bar = s.get("chatPreviewBar");
    auto meter = [&] { return bar->isVisible() ? s.get<QLabel>("lblChatLength")->text() : "hidden"; };
    auto orange = [&] { return paintProbe::shows(s.get("lblChatLength")->grab().toImage(), QColor(0xff, 0x8c, 0x1a)); };
    EXPECT_EQ(meter(), "hidden");
    s.run("Keys:F2 optTeamBind cmdContinue Colors:1 Color0:Red Switch:1");
    EXPECT_EQ(meter(), "0 / 149");
    s.addText(QString(147, QLatin1Char('a')));  // "^1" and 147 letters: at the limit
    EXPECT_TRUE(meter() == "149 / 149") << meter().toStdString();
    EXPECT_TRUE(!orange()) << meter().toStdString();
    EXPECT_TRUE(paintProbe::shows(s.get("chatPreview")->grab().toImage(), QColor(255, 0, 0)));
    s.run("cmdTextUndo");
    s.addText(QString(148, QLatin1Char('a')));  // one over
    // "bind F2 say_team " and the 150 bytes of the bind: 167 of the 1,023 the game reads of a line
    EXPECT_TRUE(meter() == QStringLiteral("150 / 149 \u2013 the game cuts the rest \u00b7 line 167 / 1,023"))
        << meter().toStdString();
    EXPECT_TRUE(orange()) << meter().toStdString();
    s.run("cmdTextUndo");
    EXPECT_EQ(meter(), "0 / 149");
    s.addText("hi");
    onModal([](QWidget* w) {  // the OSP token goes to the end the screen's check box says, in the bind's kind
        pickEntry(control<QComboBox>(w, "cboOsp"), control<QComboBox>(w, "cboOsp")->findText("Health"));
        control<QPushButton>(w, "cmdOk")->click();
    });
    const QString before = s.text("txtOutput");
    s.run("chkAddToFront cmdTextOsp");
    EXPECT_TRUE(s.text("txtOutput") == "#h" + before);
    EXPECT_TRUE(s.ctx.builder.get_bindKind("F2") == "say_team");
    EXPECT_EQ(meter(), "6 / 149");  // "#h^1hi"
    s.run("cmdTextDone");
    EXPECT_EQ(meter(), "hidden");
    s.run(radioF1);
    EXPECT_EQ(meter(), "hidden");
}

}  // namespace
