// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QListWidget>

#include "support/recordingList.h"
#include "support/windowTestContext.h"
#include "ui/construction/frmReview.h"

TEST(frmReview, eachOpeningShowsThePrintSchemeListingOfThatMoment) {
    windowTestContext t(windowTestContext::standardDefinitions + "key:F3\r\n");
    const auto check = [&] {
        recordingList printed;
        t.ctx.builder.printScheme(printed);
        frmReview w(t.ctx);
        auto* lst = control<QListWidget>(&w, "lstReview");
        std::vector<std::string> shown;
        for (int i = 0; i < lst->count(); ++i) shown.push_back(lst->item(i)->text().toStdString());
        EXPECT_EQ(shown, printed.lines);
        return shown.size();
    };
    check();  // nothing bound
    t.ctx.builder.add_code("F1", "hi", "say", {"1", "4"}, 2, "1", false);
    const auto before = check();
    EXPECT_EQ(check(), before) << "a second opening is not a doubled listing";
    t.ctx.builder.add_radio_code("F2", "vsay_team sniper", "Sniper");
    t.ctx.builder.add_code("F3", std::string(80, 'w'), "say_team", {"1"}, 1, "1", false);
    EXPECT_EQ(check(), before + 2);
}
