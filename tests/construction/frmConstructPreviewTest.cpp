// The chat preview under the text frame follows the bind while it is built.
#include <QDialog>
#include <QLabel>

#include "construction/frmConstructTest.h"

namespace {

QString meter(const constructScreen& s) { return s.get<QLabel>("lblChatLength")->text(); }

struct previewCase {
    const char* name;
    std::function<void(constructScreen&)> steps;
    bool shown;
    const char* meterText;  // when shown
};

class frmConstructPreview : public testing::TestWithParam<previewCase> {};

TEST_P(frmConstructPreview, followsTheBindBeingBuilt) {
    const previewCase& c = GetParam();
    constructScreen s;
    c.steps(s);
    QWidget* bar = s.get("chatPreviewBar");
    EXPECT_EQ(bar->isVisible(), c.shown);
    if (c.shown) {
        EXPECT_EQ(meter(s), c.meterText);
        // It stands under the text frame, inside the window, and covers nothing.
        const QRect frame = s.get("fraTextBind")->geometry();
        EXPECT_GT(bar->geometry().top(), frame.bottom());
        EXPECT_LE(bar->geometry().bottom(), s.clientHeight());
    }
}

void redBlue(constructScreen& s) {
    s.startBind("F1", "optPublicBind");
    s.pattern({"Red", "Blue"}, 1);
}

INSTANTIATE_TEST_SUITE_P(
    steps, frmConstructPreview,
    testing::Values(previewCase{"selectingKey", [](constructScreen&) {}, false, ""},
                    previewCase{"afterContinue", [](constructScreen& s) { s.startBind("F1", "optPublicBind"); },
                                true, "0 / 149"},
                    previewCase{"afterAdd",
                                [](constructScreen& s) {
                                    redBlue(s);
                                    s.addText("hi");
                                },
                                true, "6 / 149"},
                    // Repeated spaces collapse as the game re-joins the words.
                    previewCase{"afterTwoPieces",
                                [](constructScreen& s) {
                                    redBlue(s);
                                    s.addText("hi   ");
                                    s.addText("  yo");
                                },
                                true, "13 / 149"},
                    previewCase{"afterUndoOfTheOnlyPiece",
                                [](constructScreen& s) {
                                    redBlue(s);
                                    s.addText("hi");
                                    s.click("cmdTextUndo");
                                },
                                true, "0 / 149"},
                    previewCase{"afterDone",
                                [](constructScreen& s) {
                                    redBlue(s);
                                    s.addText("hi");
                                    s.click("cmdTextDone");
                                },
                                false, ""},
                    previewCase{"buildingRadio", [](constructScreen& s) { s.startBind("F1", "optRadio"); }, false,
                                ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(frmConstructPreview, warnsWhenTheGameCutsTheLine) {
    constructScreen s;
    redBlue(s);
    // 50 letters coloured one by one: 150 bytes.
    s.addText(QString(50, QLatin1Char('a')));
    EXPECT_TRUE(meter(s).startsWith("150 / 149")) << meter(s).toStdString();
    EXPECT_TRUE(meter(s).contains("the game cuts the rest"));
    s.click("cmdTextUndo");
    EXPECT_EQ(meter(s), "0 / 149");
}

TEST(frmConstructPreview, anOspTokenShowsAfterTheDialogCloses) {
    constructScreen s;
    redBlue(s);
    QTimer::singleShot(0, [&s] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QComboBox*>("cboOsp");
        list->setCurrentIndex(list->findText("Health"));
        dialog->findChild<QPushButton*>("cmdOk")->click();
    });
    s.click("cmdTextOsp");
    EXPECT_EQ(meter(s), "2 / 149");
}

}  // namespace
