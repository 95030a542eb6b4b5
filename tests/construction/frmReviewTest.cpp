#include <gtest/gtest.h>

#include <QListWidget>

#include "construction/frmReview.h"
#include "styles/windowTestContext.h"

static QStringList printed(clsAppContext& ctx) {
    struct recordingList : clsListControl {
        QStringList lines;
        void clear() override { lines.clear(); }
        void addItem(const std::string& entry) override { lines << QString::fromStdString(entry); }
    } r;
    ctx.builder.printScheme(r);
    return r.lines;
}

static QStringList shown(clsAppContext& ctx) {
    frmReview w(ctx);
    auto* lst = control<QListWidget>(&w, "lstReview");
    QStringList all;
    for (int i = 0; i < lst->count(); ++i) all << lst->item(i)->text();
    return all;
}

TEST(frmReview, eachOpeningShowsThePrintSchemeListingOfThatMoment) {
    windowTestContext t(windowTestContext::standardDefinitions + "key:F3\r\n");
    EXPECT_EQ(shown(t.ctx), printed(t.ctx)) << "nothing bound";
    t.ctx.builder.add_code("F1", "hi", "say", {"1", "4"}, 2, "1", false);
    const QStringList before = printed(t.ctx);
    EXPECT_EQ(shown(t.ctx), before);
    EXPECT_EQ(shown(t.ctx), before) << "a second opening is not a doubled listing";
    t.ctx.builder.add_radio_code("F2", "vsay_team sniper", "Sniper");
    t.ctx.builder.add_code("F3", std::string(80, 'w'), "say_team", {"1"}, 1, "1", false);
    EXPECT_EQ(shown(t.ctx), printed(t.ctx));
    EXPECT_EQ(printed(t.ctx).size(), before.size() + 2);
}
