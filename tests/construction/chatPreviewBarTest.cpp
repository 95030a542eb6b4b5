#include <gtest/gtest.h>

#include <QLabel>
#include <QLayout>

#include "construction/chatPreviewBar.h"
#include "shell/twips.h"
#include "styles/paintProbe.h"

// The meter and the line's cut mark warn in orange when over the limit; the line shows the game's colours.
TEST(chatPreviewBar, meterAndLineShowWhatTheServerKeeps) {
    const QString cut = QStringLiteral(" \u2013 the game cuts the rest");
    const QColor warning(0xff, 0x8c, 0x1a), red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255);
    const std::tuple<std::string, QString, QColor> cases[] = {{"  ^4a    b  ", "5 / 149", blue},  // spaces collapse
        {std::string(149, 'a'), "149 / 149", green}, {"^1" + std::string(148, 'a'), "150 / 149" + cut, red}};
    for (const auto& [code, meterText, lineColour] : cases) {
        chatPreviewBar bar;
        bar.showBind(code);
        bar.resize(1800, twips(chatPreviewBar::heightTwips()));  // room for the kept line and the cut mark
        bar.show();
        bar.layout()->activate();
        QApplication::processEvents();
        auto* meter = bar.findChild<QLabel*>(QStringLiteral("lblChatLength"));
        const QImage line = bar.findChild<QWidget*>(QStringLiteral("chatPreview"))->grab().toImage();
        EXPECT_EQ(meter->text(), meterText) << code;
        EXPECT_EQ(paintProbe::shows(meter->grab().toImage(), warning), meterText.endsWith(cut)) << code;
        EXPECT_EQ(paintProbe::shows(line, warning, 10), meterText.endsWith(cut)) << code << ": the cut mark";
        for (const QColor& c : {red, green, blue}) EXPECT_EQ(paintProbe::shows(line, c), c == lineColour) << code;
    }
}
