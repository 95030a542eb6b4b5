// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <QListWidget>

#include "support/recordingList.h"
#include "support/windowTestContext.h"
#include "ui/construction/frmReview.h"

// The listing's columns are the builder's concern (checked through --review); the window shows it as it is then.
TEST(frmReview, showsThePrintSchemeListingOfThatMoment) {
    windowTestContext t;
    t.ctx.builder.add_code("F1", "hi", "say", {"1", "4"}, 2, "1", false);
    t.ctx.builder.add_radio_code("F2", "vsay_team sniper", "Sniper");
    recordingList printed;
    t.ctx.builder.printScheme(printed);
    frmReview w(t.ctx);
    auto* lst = control<QListWidget>(&w, "lstReview");
    std::vector<std::string> shown;
    for (int i = 0; i < lst->count(); ++i) shown.push_back(lst->item(i)->text().toStdString());
    EXPECT_EQ(shown, printed.lines);
}
