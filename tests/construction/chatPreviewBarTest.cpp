#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <string>
#include <vector>

#include "construction/chatPreviewBar.h"
#include "shell/twips.h"

namespace {

const QColor warningColor(0xff, 0x8c, 0x1a);

bool near(QRgb px, const QColor& c, int tolerance) {
    return std::abs(qRed(px) - c.red()) <= tolerance && std::abs(qGreen(px) - c.green()) <= tolerance &&
           std::abs(qBlue(px) - c.blue()) <= tolerance;
}

int countNear(QWidget* w, const QColor& c, int tolerance = 40) {
    const QImage img = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += near(img.pixel(x, y), c, tolerance) ? 1 : 0;
    return n;
}

QLabel* meterOf(chatPreviewBar& bar) { return bar.findChild<QLabel*>(QStringLiteral("lblChatLength")); }
QWidget* previewOf(chatPreviewBar& bar) { return bar.findChild<QWidget*>(QStringLiteral("chatPreview")); }

void layOut(chatPreviewBar& bar, int width) {
    bar.resize(width, twips(chatPreviewBar::heightTwips()));
    bar.show();
    bar.layout()->activate();
    QApplication::processEvents();
}

struct meterCase {
    std::string name;
    std::string code;
    QString meter;
    bool over;
};

TEST(chatPreviewBar, meterReadsTheBytesAgainstTheLimitAndWarnsWhenOver) {
    const QString cut = QStringLiteral(" \u2013 the game cuts the rest");
    const std::vector<meterCase> cases{
        {"empty", "", QStringLiteral("0 / 149"), false},
        {"codes count", "^1hi", QStringLiteral("4 / 149"), false},
        {"spaces collapse", "  a    b  ", QStringLiteral("3 / 149"), false},
        {"149 fits", std::string(149, 'a'), QStringLiteral("149 / 149"), false},
        {"150 is cut", std::string(150, 'a'), QStringLiteral("150 / 149") + cut, true},
        {"a code tips it over", "^1" + std::string(148, 'a'), QStringLiteral("150 / 149") + cut, true},
    };
    for (const auto& c : cases) {
        chatPreviewBar bar;
        bar.showBind(c.code);
        layOut(bar, 1800);  // wide enough to show the whole kept line and the cut mark
        QLabel* meter = meterOf(bar);
        ASSERT_NE(meter, nullptr);
        EXPECT_EQ(meter->text(), c.meter) << c.name;
        EXPECT_EQ(countNear(meter, warningColor) > 0, c.over) << c.name;
        // The cut mark in the line sits where the server stops keeping it.
        EXPECT_EQ(countNear(previewOf(bar), warningColor, 10) > 0, c.over) << c.name;
    }
}

struct colourCase {
    std::string code;
    std::vector<QColor> shown;
    std::vector<QColor> notShown;
};

TEST(chatPreviewBar, previewDrawsTheLineInTheGamesColours) {
    const QColor red(255, 0, 0), green(0, 255, 0), yellow(255, 255, 0), blue(0, 0, 255), cyan(0, 255, 255),
        magenta(255, 0, 255), white(255, 255, 255);
    const std::vector<colourCase> cases{
        {"plain words", {green}, {red, blue, white}},
        {"^1red ^4blue", {red, blue}, {green, white}},
        {"^3Y^5C^6M^7W", {yellow, cyan, magenta, white}, {green, red}},
        {"^8^9nine", {red}, {green}},
        {"^1a^", {red}, {green}},
        {"^^1x", {green, red}, {white}},
        {"", {}, {red, green, blue, yellow, cyan, magenta, white}},
    };
    for (const auto& c : cases) {
        chatPreviewBar bar;
        bar.showBind(c.code);
        layOut(bar, 600);
        QWidget* preview = previewOf(bar);
        ASSERT_NE(preview, nullptr);
        for (const QColor& color : c.shown) EXPECT_GT(countNear(preview, color), 0) << c.code << " " << color.name().toStdString();
        for (const QColor& color : c.notShown) EXPECT_EQ(countNear(preview, color), 0) << c.code << " " << color.name().toStdString();
    }
}

TEST(chatPreviewBar, clearEmptiesTheLineAndTheCount) {
    chatPreviewBar bar;
    bar.showBind("^1" + std::string(200, 'x'));
    bar.clear();
    layOut(bar, 600);
    EXPECT_EQ(meterOf(bar)->text(), QStringLiteral("0 / 149"));
    EXPECT_EQ(countNear(previewOf(bar), QColor(255, 0, 0)), 0);
    EXPECT_EQ(countNear(meterOf(bar), warningColor), 0);
    EXPECT_TRUE(previewOf(bar)->toolTip().isEmpty());
}

TEST(chatPreviewBar, tooltipShowsMarkupCharactersLiterally) {
    chatPreviewBar bar;
    bar.showBind("^1<b>&lt</b> x\"y");  // no ";": the game would end the line there
    const QString tip = previewOf(bar)->toolTip();
    EXPECT_TRUE(tip.contains(QStringLiteral("&lt;b&gt;&amp;lt&lt;/b&gt;"))) << tip.toStdString();
    EXPECT_FALSE(tip.contains(QStringLiteral("<b>")));
    EXPECT_EQ(previewOf(bar)->accessibleDescription(), QStringLiteral("<b>&lt</b> x y"));
}

TEST(chatPreviewBar, survivesAnyBytesAndAnySize) {
    std::string noise;
    unsigned seed = 12345;
    for (int i = 0; i < 5000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>((seed >> 16) & 0xFF);
    }
    const std::vector<std::string> codes{noise, std::string(1 << 20, 'w'), std::string(3000, '^'),
                                         "\xc3\x28\xa0\xa1^\xe9\xff", "^0" + std::string(300, '0')};
    for (const auto& code : codes) {
        chatPreviewBar bar;
        bar.showBind(code);
        for (int width : {1, 40, 600}) {
            layOut(bar, width);
            EXPECT_FALSE(previewOf(bar)->grab().isNull() && width > 40);
        }
        EXPECT_TRUE(meterOf(bar)->text().contains(QStringLiteral(" / 149")));
    }
}

}  // namespace
