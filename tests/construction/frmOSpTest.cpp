#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "construction/frmOSp.h"
#include "styles/windowTestContext.h"

namespace {

TEST(frmOSp, showsTheTitleAndTheTokenNamesSortedWithNothingPicked) {
    windowTestContext t;
    frmOSp dlg(t.ctx);
    EXPECT_EQ(dlg.windowTitle(), QString(13, QLatin1Char(' ')) + "Select An OSP Command");
    auto* cbo = control<QComboBox>(&dlg, "cboOsp");
    ASSERT_NE(cbo, nullptr);
    EXPECT_EQ(entries(cbo), (QStringList{"alpha", "Mike", "Zulu"}));
    EXPECT_EQ(cbo->currentIndex(), -1);
    EXPECT_FALSE(cbo->isEditable());
}

struct okCase {
    const char* name;
    const char* front;
    const char* picked;
    const char* expectedCode;
};
void PrintTo(const okCase& c, std::ostream* os) { *os << c.name; }

// The bind of F1 already holds "[x]"; the picked token goes before or after it.
class frmOSpOk : public testing::TestWithParam<okCase> {};

TEST_P(frmOSpOk, addsThePickedTokenAtTheAskedEnd) {
    const okCase& c = GetParam();
    windowTestContext t;
    t.ctx.builder.add_osp_code("F1", "[x]", "say", false);
    frmOSp dlg(t.ctx);
    dlg.set_Properties("F1", "say_team", c.front);
    auto* cbo = control<QComboBox>(&dlg, "cboOsp");
    pickEntry(cbo, cbo->findText(c.picked));
    control<QPushButton>(&dlg, "cmdOk")->click();
    EXPECT_EQ(t.ctx.builder.get_bindcode("F1"), c.expectedCode);
    EXPECT_EQ(t.ctx.builder.get_bindKind("F1"), "say_team");
    EXPECT_EQ(t.ctx.builder.get_bindcode("F2"), "This key is not bound yet...");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(frontAndBack, frmOSpOk,
                         testing::Values(okCase{"front", "True", "Mike", "$m[x]"},
                                         okCase{"back", "False", "Mike", "[x]$m"},
                                         okCase{"lowerCaseName", "False", "alpha", "[x]$a"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(frmOSp, eitherOfTwoEntriesWithTheSameNameAddsTheFirstOnesText) {
    windowTestContext t("key:F1\r\nosp:Same<>first\r\nosp:Other<>o\r\nosp:Same<>second\r\n");
    for (int which = 0; which < 2; ++which) {
        t.ctx.builder.remove_entire_bind("F1");
        frmOSp dlg(t.ctx);
        dlg.set_Properties("F1", "say", "False");
        auto* cbo = control<QComboBox>(&dlg, "cboOsp");
        ASSERT_EQ(entries(cbo), (QStringList{"Other", "Same", "Same"}));
        pickEntry(cbo, 1 + which);
        control<QPushButton>(&dlg, "cmdOk")->click();
        EXPECT_EQ(t.ctx.builder.get_bindcode("F1"), "first") << "entry " << which;
    }
}

enum class leaveBy { cancel, escape, escapeInTheList, okWithoutPick, closeBox };
const char* const leaveNames[] = {"cancel", "escape", "escapeInTheList", "okWithoutPick", "closeBox"};
void PrintTo(leaveBy w, std::ostream* os) { *os << leaveNames[static_cast<int>(w)]; }

class frmOSpLeave : public testing::TestWithParam<leaveBy> {};

TEST_P(frmOSpLeave, leavesTheBindUnchanged) {
    windowTestContext t;
    t.ctx.builder.add_osp_code("F1", "[x]", "say", false);
    frmOSp dlg(t.ctx);
    dlg.set_Properties("F1", "say", "True");
    auto* cbo = control<QComboBox>(&dlg, "cboOsp");
    auto* cancel = control<QPushButton>(&dlg, "cmdCancel");
    QSignalSpy cancelPressed(cancel, &QPushButton::clicked);
    dlg.show();
    if (GetParam() != leaveBy::okWithoutPick) pickEntry(cbo, 0);
    switch (GetParam()) {
        case leaveBy::cancel: cancel->click(); break;
        case leaveBy::escape: QTest::keyClick(&dlg, Qt::Key_Escape); break;
        case leaveBy::escapeInTheList: QTest::keyClick(cbo, Qt::Key_Escape); break;
        case leaveBy::okWithoutPick: control<QPushButton>(&dlg, "cmdOk")->click(); break;
        case leaveBy::closeBox: dlg.close(); break;
    }
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(t.ctx.builder.get_bindcode("F1"), "[x]");
    if (GetParam() == leaveBy::escape || GetParam() == leaveBy::escapeInTheList) {
        EXPECT_EQ(cancelPressed.count(), 1) << "Escape presses Cancel";
    }
    EXPECT_TRUE(t.platform.messages.log.empty());
}

INSTANTIATE_TEST_SUITE_P(ways, frmOSpLeave,
                         testing::Values(leaveBy::cancel, leaveBy::escape, leaveBy::escapeInTheList,
                                         leaveBy::okWithoutPick, leaveBy::closeBox),
                         [](const auto& info) { return std::string(leaveNames[static_cast<int>(info.param)]); });

TEST(frmOSp, withoutTokensTheListIsEmptyAndOkChangesNothing) {
    windowTestContext t("key:F1\r\n");
    frmOSp dlg(t.ctx);
    dlg.set_Properties("F1", "say", "False");
    EXPECT_EQ(control<QComboBox>(&dlg, "cboOsp")->count(), 0);
    control<QPushButton>(&dlg, "cmdOk")->click();
    EXPECT_EQ(t.ctx.builder.get_bindcode("F1"), "This key is not bound yet...");
}

TEST(frmOSp, tabGoesFromTheListToOkToCancel) {
    windowTestContext t;
    frmOSp dlg(t.ctx);
    QWidget* cbo = control<QWidget>(&dlg, "cboOsp");
    EXPECT_EQ(cbo->nextInFocusChain(), control<QWidget>(&dlg, "cmdOk"));
    EXPECT_EQ(control<QWidget>(&dlg, "cmdOk")->nextInFocusChain(), control<QWidget>(&dlg, "cmdCancel"));
}

}  // namespace
