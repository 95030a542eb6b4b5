// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/windowTestContext.h"
#include "ui/construction/frmOSp.h"

// F1 holds "[x]"; OK after a pick adds the token before or after it (either "Mike" adds the first one's text),
// any other way out changes nothing.
TEST(frmOSp, listsTheTokensSortedAndOnlyOkAfterAPickAddsOne) {
    enum endBy { ok, cancel, escape, escapeInTheList, okWithoutPick, closeBox };
    const std::tuple<const char*, endBy, int, const char*> cases[] = {
        {"True", ok, 1, "$m[x]"},    {"False", ok, 2, "[x]$m"},           {"True", cancel, 1, "[x]"},
        {"True", escape, 1, "[x]"},  {"True", escapeInTheList, 1, "[x]"}, {"False", okWithoutPick, -1, "[x]"},
        {"True", closeBox, 1, "[x]"}};
    for (const auto& [front, end, pick, expected] : cases) {
        SCOPED_TRACE(end);
        windowTestContext t("key:F1\r\nosp:Mike<>$m\r\nosp:Zulu<>$z\r\nosp:alpha<>$a\r\nosp:Mike<>$2\r\n");
        t.ctx.builder.add_osp_code("F1", "[x]", "say", false);
        frmOSp dlg(t.ctx);
        dlg.set_Properties("F1", "say_team", front);
        dlg.show();
        auto* cbo = control<QComboBox>(&dlg, "cboOsp");
        QStringList entries;
        for (int i = 0; i < cbo->count(); ++i) entries << cbo->itemText(i);
        EXPECT_TRUE(entries == QStringList({"alpha", "Mike", "Mike", "Zulu"}));
        EXPECT_TRUE(cbo->currentIndex() == -1);
        QSignalSpy cancelPressed(control<QPushButton>(&dlg, "cmdCancel"), &QPushButton::clicked);
        if (pick >= 0) pickEntry(cbo, pick);
        if (end == ok || end == okWithoutPick || end == cancel)
            control<QPushButton>(&dlg, end == cancel ? "cmdCancel" : "cmdOk")->click();
        if (end == escape || end == escapeInTheList)
            QTest::keyClick(end == escape ? (QWidget*)&dlg : cbo, Qt::Key_Escape);
        if (end == closeBox) dlg.close();
        EXPECT_TRUE(!dlg.isVisible());
        EXPECT_TRUE(t.platform.messages.log.empty());
        EXPECT_EQ(std::pair(t.ctx.builder.get_bindcode("F1"), t.ctx.builder.get_bindKind("F1")),
                  std::pair(std::string(expected), std::string(end == ok ? "say_team" : "say")));
        EXPECT_EQ(cancelPressed.count(), end == cancel || end == escape || end == escapeInTheList ? 1 : 0);
    }
}

// A token the game would misread beside what F1 holds is refused with the reason (which reason is the builder's
// concern); F1 stays, the dialog closes.
TEST(frmOSp, tellsWhyATokenIsRefusedAndLeavesTheBind) {
    windowTestContext t("key:F1\r\nosp:Mike<>$m\r\n");
    const std::string before(1010, 'a');  // "bind F1 say " and 1,010 bytes: $m would make 1,024
    t.ctx.builder.add_osp_code("F1", before, "say", false);
    frmOSp dlg(t.ctx);
    dlg.set_Properties("F1", "say", "False");
    dlg.show();
    pickEntry(control<QComboBox>(&dlg, "cboOsp"), 0);
    control<QPushButton>(&dlg, "cmdOk")->click();
    ASSERT_EQ(t.platform.messages.log.size(), 1u);
    EXPECT_EQ(t.platform.messages.log[0].title, "Bind Too Long");
    EXPECT_TRUE(t.ctx.builder.get_bindcode("F1") == before);
    EXPECT_TRUE(!dlg.isVisible());
}
