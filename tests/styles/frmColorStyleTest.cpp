#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "styles/frmColorStyle.h"
#include "styles/paintProbe.h"
#include "styles/windowTestContext.h"

namespace {

TEST(frmColorStyle, offersEveryStyleSortedWithNothingPicked) {
    windowTestContext t;
    frmColorStyle dlg(t.ctx);
    EXPECT_EQ(dlg.windowTitle(), "Change Color Style");
    auto* cbo = control<QComboBox>(&dlg, "cboColorStyle");
    ASSERT_NE(cbo, nullptr);
    const QStringList names = entries(cbo);
    ASSERT_EQ(names.size(), 33);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(names, sorted);
    EXPECT_TRUE(names.contains("Carribean Sea"));
    EXPECT_TRUE(names.contains("Norweigian"));
    EXPECT_EQ(cbo->currentIndex(), -1);
    EXPECT_FALSE(cbo->isEditable());
    EXPECT_EQ(control<QLabel>(&dlg, "lblcolorstyle")->text(), "Color Style:");
}

enum class endBy { ok, cancel, escape, closeBox };

struct flowCase {
    const char* name;
    std::vector<const char*> picks;
    endBy end;
    const char* styleAfter;
    bool missingMessage;
};
void PrintTo(const flowCase& c, std::ostream* os) { *os << c.name; }

class frmColorStyleFlow : public testing::TestWithParam<flowCase> {};

TEST_P(frmColorStyleFlow, endsWithTheRightStyle) {
    const flowCase& c = GetParam();
    windowTestContext t(windowTestContext::standardDefinitions, "Greek");
    frmColorStyle dlg(t.ctx);
    dlg.show();
    auto* cbo = control<QComboBox>(&dlg, "cboColorStyle");
    for (const char* pick : c.picks) {
        pickEntry(cbo, cbo->findText(pick));
        EXPECT_EQ(t.ctx.currentColorStyle, "Greek") << "a pick alone changes nothing";
    }
    switch (c.end) {
        case endBy::ok: control<QPushButton>(&dlg, "cmdOk")->click(); break;
        case endBy::cancel: control<QPushButton>(&dlg, "cmdCancel")->click(); break;
        case endBy::escape: QTest::keyClick(cbo, Qt::Key_Escape); break;
        case endBy::closeBox: dlg.close(); break;
    }
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(t.ctx.currentColorStyle, c.styleAfter);
    if (c.missingMessage) {
        ASSERT_EQ(t.platform.messages.log.size(), 1u);
        const auto& m = t.platform.messages.log.front();
        EXPECT_EQ(m.title, "Missing Information");
        EXPECT_EQ(m.text, "Select a color style!");
        EXPECT_EQ(m.icon, msgIcon::Exclamation);
        EXPECT_EQ(m.buttons, msgButtons::Ok);
    } else {
        EXPECT_TRUE(t.platform.messages.log.empty());
    }
    EXPECT_TRUE(t.platform.settings.values.empty()) << "the style is stored only at Exit and after a save";
}

INSTANTIATE_TEST_SUITE_P(
    flows, frmColorStyleFlow,
    testing::Values(flowCase{"okWithoutPick", {}, endBy::ok, "Greek", true},
                    flowCase{"pickThenOk", {"Dracula"}, endBy::ok, "Dracula", false},
                    flowCase{"lastPickWins", {"Dracula", "Toy", "Chillin'"}, endBy::ok, "Chillin'", false},
                    flowCase{"pickThenCancel", {"Dracula"}, endBy::cancel, "Greek", false},
                    flowCase{"pickThenEscape", {"Dracula"}, endBy::escape, "Greek", false},
                    flowCase{"pickThenCloseBox", {"Dracula"}, endBy::closeBox, "Greek", false},
                    flowCase{"cancelWithoutPick", {}, endBy::cancel, "Greek", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(frmColorStyle, theOpenerIsNotRepaintedByThePreview) {
    windowTestContext t(windowTestContext::standardDefinitions, "Greek");
    QWidget opener;
    opener.setObjectName("opener");
    opener.setStyleSheet("QWidget#opener { background-color: #00ff00; }");
    opener.resize(200, 100);
    frmColorStyle dlg(t.ctx, &opener);
    opener.show();
    dlg.show();
    EXPECT_EQ(paintProbe::windowBackground(&dlg), paintProbe::bgr(0xFFFFFF)) << "opens in the style in use";

    auto* cbo = control<QComboBox>(&dlg, "cboColorStyle");
    pickEntry(cbo, cbo->findText("Dracula"));
    EXPECT_EQ(paintProbe::windowBackground(&dlg), paintProbe::bgr(0x000000)) << "the preview shows at once";
    EXPECT_EQ(paintProbe::dominant(paintProbe::ownImage(control<QPushButton>(&dlg, "cmdOk"))),
              paintProbe::bgr(0x0000FF));
    EXPECT_TRUE(paintProbe::shows(paintProbe::ownImage(control<QLabel>(&dlg, "lblcolorstyle")),
                                  paintProbe::bgr(0xFFFFFF)));
    EXPECT_EQ(opener.styleSheet(), "QWidget#opener { background-color: #00ff00; }");
    EXPECT_EQ(opener.grab().toImage().pixelColor(2, 2), QColor(0, 255, 0));
}

}  // namespace
