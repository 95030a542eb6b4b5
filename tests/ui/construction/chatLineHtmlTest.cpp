// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/chatLineHtml.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QTextDocument>

#include "model/console/clsChatPreview.h"
#include "support/paintProbe.h"

// The tool tips of the preview strip and the keyboard view draw a chat line on the console's black: black text
// (^0) gets a grey halo so it can be read, other colours none.
TEST(chatLineHtml, blackTextStaysReadableOnTheConsoleBackground) {
    for (const auto& [code, halo] : {std::pair{"^0dark", true}, {"^1red ^7white", false}, {"plain", false}}) {
        QTextDocument doc;
        doc.setHtml(chatColours::html(clsChatPreview(code)));
        QImage img(doc.size().toSize(), QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        doc.drawContents(&p);
        p.end();
        // A halo fills the text's cells; anti-aliased strokes of other colours give a pixel of its grey or two.
        EXPECT_EQ(paintProbe::colours(img)[chatColours::blackHalo.rgb()] > 40, halo) << code;
        EXPECT_TRUE(paintProbe::shows(img, chatColours::consoleBack, 8)) << code;
    }
}
