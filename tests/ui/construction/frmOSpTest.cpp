// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/windowTestContext.h"
#include "ui/construction/frmOSp.h"

// F1 holds "[x]"; OK after a pick adds the token before or after it (either "Mike" adds the first one's text), any
// other way out changes nothing. A token that would make the line too long (F1 holding 1,010 bytes) is refused with
// the builder's reason, and F1 stays.
TEST(frmOSp, listsTheTokensSortedAndOnlyOkAfterAPickAddsOne) {
    enum endBy { ok, cancel, escape, escapeInTheList, okWithoutPick, closeBox };
    const std::string full(1010, 'a');  // "bind F1 say " and 1,010 bytes: $m would make 1,024
    const std::tuple<const char*, endBy, int, std::string> cases[] = {{"True", ok, 1, "$m[x]"},
                                                                      {"False", ok, 2, "[x]$m"},
                                                                      {"True", cancel, 1, "[x]"},
                                                                      {"True", escape, 1, "[x]"},
                                                                      {"True", escapeInTheList, 1, "[x]"},
                                                                      {"False", okWithoutPick, -1, "[x]"},
                                                                      {"True", closeBox, 1, "[x]"},
                                                                      {"False", ok, 1, full}};
    for (const auto& [front, end, pick, expected] : cases) {
        SCOPED_TRACE(end);
        windowTestContext t("key:F1\r\nosp:Mike<>$m\r\nosp:Zulu<>$z\r\nosp:alpha<>$a\r\nosp:Mike<>$2\r\n");
        t.ctx.builder.add_osp_code("F1", expected == full ? full : "[x]", "say", false);
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
        EXPECT_EQ(t.platform.messages.asked().starts_with("Bind Too Long: "), expected == full)
            << t.platform.messages.asked();
        EXPECT_EQ(t.ctx.builder.get_bindcode("F1"), expected);
        EXPECT_EQ(t.ctx.builder.get_bindKind("F1"), end == ok && expected != full ? "say_team" : "say");
        EXPECT_EQ(cancelPressed.count(), end == cancel || end == escape || end == escapeInTheList ? 1 : 0);
    }
}
