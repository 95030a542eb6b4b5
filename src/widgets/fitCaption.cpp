#include "widgets/fitCaption.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr double smallestPoints = 6.0;

void shrinkToFit(QWidget* control, QString caption, int room) {
    caption.remove(QLatin1Char('&'));
    QFont font = control->font();
    const auto fits = [&] { return QFontMetrics(font).horizontalAdvance(caption) <= room; };
    if (font.pointSizeF() > 0) {
        while (!fits() && font.pointSizeF() - 0.5 >= smallestPoints) font.setPointSizeF(font.pointSizeF() - 0.5);
    } else {
        while (!fits() && font.pixelSize() > 8) font.setPixelSize(font.pixelSize() - 1);
    }
    control->setFont(font);
}

}  // namespace

void fitCaption(QPushButton* button) {
    button->ensurePolished();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    // The face's border and padding as the control's style draws them.
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    shrinkToFit(button, button->text(), contents.width() - 2);
}

void fitCaption(QLabel* label) {
    label->ensurePolished();
    shrinkToFit(label, label->text(), label->contentsRect().width());
}
