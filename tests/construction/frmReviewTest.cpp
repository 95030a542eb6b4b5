#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "construction/frmReview.h"
#include "styles/windowTestContext.h"

namespace {

struct recordingList : clsListControl {
    QStringList lines;
    void clear() override { lines.clear(); }
    void addItem(const std::string& entry) override { lines << QString::fromStdString(entry); }
};

QStringList listing(clsAppContext& ctx) {
    recordingList r;
    ctx.builder.printScheme(r);
    return r.lines;
}

QStringList shown(frmReview& w) {
    QStringList all;
    auto* lst = control<QListWidget>(&w, "lstReview");
    for (int i = 0; i < lst->count(); ++i) all << lst->item(i)->text();
    return all;
}

struct reviewCase {
    const char* name;
    std::function<void(clsCfgBuilder&)> bind;
    int rows;  // bound keys listed between the header, the separators
};
void PrintTo(const reviewCase& c, std::ostream* os) { *os << c.name; }

class frmReviewListing : public testing::TestWithParam<reviewCase> {};

TEST_P(frmReviewListing, showsExactlyTheBuildersListing) {
    windowTestContext t;
    GetParam().bind(t.ctx.builder);
    frmReview w(t.ctx);
    const QStringList expected = listing(t.ctx);
    EXPECT_EQ(shown(w), expected);
    EXPECT_EQ(expected.size(), 3 + GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    schemes, frmReviewListing,
    testing::Values(
        reviewCase{"nothingBound", [](clsCfgBuilder&) {}, 0},
        reviewCase{"oneChatBind",
                   [](clsCfgBuilder& b) { b.add_code("F1", "hi", "say", {"1", "4"}, 2, "1", false); }, 1},
        reviewCase{"radioAndLongText",
                   [](clsCfgBuilder& b) {
                       b.add_radio_code("F1", "vsay_team sniper", "Sniper");
                       b.add_code("F2", std::string(80, 'w'), "say_team", {"1"}, 1, "1", false);
                   },
                   2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(frmReview, eachOpeningShowsTheBindsOfThatMomentOnce) {
    windowTestContext t;
    t.ctx.builder.add_code("F1", "hi", "say", {"1"}, 1, "1", false);
    const QStringList before = listing(t.ctx);
    {
        frmReview first(t.ctx);
        EXPECT_EQ(shown(first), before);
    }
    frmReview again(t.ctx);
    EXPECT_EQ(shown(again), before) << "a second opening is not a doubled listing";

    t.ctx.builder.add_radio_code("F2", "ui_radio", "Radio menu");
    frmReview later(t.ctx);
    EXPECT_EQ(shown(later), listing(t.ctx));
    EXPECT_EQ(shown(later).size(), before.size() + 1);
}

TEST(frmReview, theListingsColumnsLineUp) {
    windowTestContext t;
    frmReview w(t.ctx);
    auto* lst = control<QListWidget>(&w, "lstReview");
    const QFontMetrics m(lst->font());
    const int width = m.horizontalAdvance(QString(10, 'W'));
    for (const char* same : {"iiiiiiiiii", "          ", "|---------", "say_team.:"})
        EXPECT_EQ(m.horizontalAdvance(QString::fromLatin1(same)), width) << same;
    EXPECT_DOUBLE_EQ(lst->font().pointSizeF(), 9.75);
    EXPECT_FALSE(lst->wordWrap());
}

TEST(frmReview, okHidesTheWindow) {
    windowTestContext t;
    frmReview w(t.ctx);
    EXPECT_EQ(w.windowTitle(), "Binds Review");
    w.show();
    auto* ok = control<QPushButton>(&w, "cmdOk");
    EXPECT_EQ(ok->text(), "Ok");
    EXPECT_TRUE(ok->font().bold());
    ok->click();
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
