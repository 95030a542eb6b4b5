// The chat preview under the text frame follows the bind while it is built.
#include "construction/frmConstructTest.h"

namespace {

TEST(frmConstructPreview, followsAddUndoAndOspWithItsMeterAndWarnsOverTheLimit) {
    constructScreen s;
    QWidget* bar = s.get("chatPreviewBar");
    auto meter = [&] { return bar->isVisible() ? s.get<QLabel>("lblChatLength")->text() : "hidden"; };
    EXPECT_EQ(meter(), "hidden");
    s.run("Keys:F2 optTeamBind cmdContinue Colors:2 Color0:Red Color1:Blue Switch:1");
    EXPECT_EQ(meter(), "0 / 149");
    s.addText(QString(50, QLatin1Char('a')));  // 150 bytes, one over
    EXPECT_TRUE(meter().startsWith("150 / 149") && meter().contains("the game cuts the rest")) << meter().toStdString();
    s.run("cmdTextUndo");
    EXPECT_EQ(meter(), "0 / 149");
    s.addText("hi   ");  // repeated spaces collapse as the game re-joins the words
    s.addText("  yo");
    EXPECT_EQ(meter(), "13 / 149");
    // The OSP picker takes the bind's key, kind and end.
    const QString before = s.text("txtOutput");
    onModal([](QWidget* w) {
        auto* list = w->findChild<QComboBox*>("cboOsp");
        list->setCurrentIndex(list->findText("Health"));
        w->findChild<QPushButton*>("cmdOk")->click();
    });
    s.run("chkAddToFront cmdTextOsp");
    EXPECT_EQ(s.text("txtOutput"), "#h" + before);
    EXPECT_EQ(s.ctx.builder.get_bindKind("F2"), "say_team");
    EXPECT_EQ(meter(), "15 / 149");
    s.run("cmdTextDone");
    EXPECT_EQ(meter(), "hidden");
    s.run(radioF1);
    EXPECT_EQ(meter(), "hidden");
}

}  // namespace
