// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/widgets/fitCaption.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr double smallestPoints = 6.0;
constexpr int smallestPixels = 8;

// The largest face, not larger than `font`, at which the caption fits the room.
QFont fittingFace(QFont font, QString caption, int room) {
    caption.remove(QLatin1Char('&'));
    const auto fits = [&] { return QFontMetrics(font).horizontalAdvance(caption) <= room; };
    if (font.pointSizeF() > 0) {
        while (!fits() && font.pointSizeF() - 0.5 >= smallestPoints) font.setPointSizeF(font.pointSizeF() - 0.5);
    } else {
        while (!fits() && font.pixelSize() > smallestPixels) font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

// The width a button gives its caption: its face less border and padding as
// the button's style draws them.
int captionRoom(QPushButton* button) {
    button->ensurePolished();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() - 2;
}

}  // namespace

void fitCaptions(const QFont& face, std::initializer_list<QPushButton*> row) {
    QFont shared = face;
    for (QPushButton* b : row) {
        // Measured at the face it would get: the room depends on the style sheet, not the font.
        b->setFont(face);
        shared = fittingFace(shared, b->text(), captionRoom(b));
    }
    for (QPushButton* b : row) b->setFont(shared);
}

void fitCaption(QLabel* label) {
    label->ensurePolished();
    label->setFont(fittingFace(label->font(), label->text(), label->contentsRect().width()));
}
