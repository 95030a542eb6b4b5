#include "styles/stylePainter.h"

#include <QApplication>
#include <QPalette>

namespace {
QString selector(const QWidget* w) {
    return QStringLiteral("%1#%2").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}
QString hex(const QColor& c) { return c.name(QColor::HexRgb); }
}  // namespace

QColor stylePainter::toQColor(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    if (v & 0x80000000u) return QApplication::palette().color(QPalette::Active, QPalette::Button);
    return QColor(static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu), static_cast<int>((v >> 16) & 0xFFu));
}

void stylePainter::form(QWidget* window) {
    const QColor c = toQColor(catalogue_.getFormColor(style_));
    window->setStyleSheet(QStringLiteral("%1 { background-color: %2; }").arg(selector(window), hex(c)));
}

void stylePainter::button(QWidget* control) {
    const QColor c = toQColor(catalogue_.getButtonColor(style_));
    // A raised face in the button colour, sunk while pressed; a plain sheet
    // background alone would be hidden by some styles' native bevel.
    const QString s = selector(control);
    control->setStyleSheet(QStringLiteral(
        "%1 { background-color: %2; border: 2px outset %3; padding: 1px 4px; }"
        "%1:pressed { border-style: inset; }"
        "%1:focus { outline: 1px dotted; }")
                               .arg(s, hex(c), hex(c.lighter(115))));
}

void stylePainter::label(QWidget* control) {
    const QColor c = toQColor(catalogue_.getLabelTextColor(style_));
    control->setStyleSheet(QStringLiteral("%1 { color: %2; }").arg(selector(control), hex(c)));
}

void stylePainter::box(QWidget* control) {
    const QColor c = toQColor(catalogue_.getTextBoxBackGroundColor(style_));
    control->setStyleSheet(QStringLiteral("%1 { background-color: %2; }").arg(selector(control), hex(c)));
}

void stylePainter::frameOrOption(QWidget* control) {
    const QColor back = toQColor(catalogue_.getFormColor(style_));
    const QColor text = toQColor(catalogue_.getLabelTextColor(style_));
    control->setStyleSheet(
        QStringLiteral("%1 { background-color: %2; color: %3; }").arg(selector(control), hex(back), hex(text)));
}

void stylePainter::buttons(std::initializer_list<QWidget*> controls) {
    for (QWidget* w : controls) button(w);
}
void stylePainter::labels(std::initializer_list<QWidget*> controls) {
    for (QWidget* w : controls) label(w);
}
void stylePainter::boxes(std::initializer_list<QWidget*> controls) {
    for (QWidget* w : controls) box(w);
}
void stylePainter::framesAndOptions(std::initializer_list<QWidget*> controls) {
    for (QWidget* w : controls) frameOrOption(w);
}
