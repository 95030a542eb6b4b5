// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/styles/stylePainter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPalette>
#include <QRadioButton>

#include "model/styles/clsContrast.h"

namespace {
QString selector(const QWidget* w) {
    return QStringLiteral("%1#%2").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}
QString hex(const QColor& c) { return c.name(QColor::HexRgb); }
QString hex(std::uint32_t bgr) { return hex(stylePainter::fromBgr(bgr)); }

// Option buttons and check boxes draw their marks in the caption colour on
// the background colour: the platform's own marks would take the background
// as their inside and vanish on dark styles.
QString optionMarks(const QWidget* w, const QString& s, const QColor& back, const QColor& text, const QColor& off) {
    if (qobject_cast<const QRadioButton*>(w))
        return QStringLiteral(
                   "%1::indicator { width: 11px; height: 11px; border: 1px solid %3; border-radius: 6px;"
                   " background-color: %2; }"
                   "%1::indicator:checked { background-color: qradialgradient(cx: 0.5, cy: 0.5, radius: 0.5,"
                   " fx: 0.5, fy: 0.5, stop: 0 %3, stop: 0.45 %3, stop: 0.55 %2, stop: 1 %2); }"
                   "%1::indicator:disabled { border-color: %4; }"
                   "%1::indicator:checked:disabled { background-color: qradialgradient(cx: 0.5, cy: 0.5,"
                   " radius: 0.5, fx: 0.5, fy: 0.5, stop: 0 %4, stop: 0.45 %4, stop: 0.55 %2, stop: 1 %2); }")
            .arg(s, hex(back), hex(text), hex(off));
    if (qobject_cast<const QCheckBox*>(w))
        return QStringLiteral(
                   "%1::indicator { width: 11px; height: 11px; border: 1px solid %3; background-color: %2; }"
                   "%1::indicator:checked { background-color: %3; padding: 2px; background-clip: content; }"
                   "%1::indicator:disabled { border-color: %4; }"
                   "%1::indicator:checked:disabled { background-color: %4; }")
            .arg(s, hex(back), hex(text), hex(off));
    return {};
}
}  // namespace

QColor stylePainter::toQColor(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    if (v & 0x80000000u) return QApplication::palette().color(QPalette::Active, QPalette::Button);
    return fromBgr(v);
}

QColor stylePainter::mixed(const QColor& a, const QColor& b, double t) {
    return fromBgr(clsContrast::mix(toBgr(a), toBgr(b), t));
}

QColor stylePainter::fromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

std::uint32_t stylePainter::toBgr(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.blue()) << 16;
}

void stylePainter::form(QWidget* window) {
    const QColor c = toQColor(catalogue_.getFormColor(style_));
    window->setStyleSheet(QStringLiteral("%1 { background-color: %2; }").arg(selector(window), hex(c)));
}

void stylePainter::button(QWidget* control) {
    const QColor c = toQColor(catalogue_.getButtonColor(style_));
    // A raised face in the button colour, sunk while pressed, flat while
    // disabled; a plain sheet background alone would be hidden by some
    // styles' native bevel. The styles give no caption colour for buttons:
    // black or white, whichever reads better on the face.
    const std::uint32_t face = toBgr(c);
    const std::uint32_t caption = clsContrast::textOn(face);
    const QString s = selector(control);
    control->setStyleSheet(
        QStringLiteral("%1 { background-color: %2; border: 2px outset %3; padding: 1px 4px; color: %4; }"
                       "%1:disabled { color: %5; border-style: solid; }"
                       "%1:pressed { border-style: inset; }"
                       "%1:focus { outline: 1px dotted; }")
            .arg(s, hex(c), hex(c.lighter(115)), hex(caption), hex(clsContrast::greyedOn(caption, face))));
}

void stylePainter::label(QWidget* control) {
    const std::uint32_t text = toBgr(toQColor(catalogue_.getLabelTextColor(style_)));
    const std::uint32_t back = toBgr(toQColor(catalogue_.getFormColor(style_)));
    control->setStyleSheet(QStringLiteral("%1 { color: %2; } %1:disabled { color: %3; }")
                               .arg(selector(control), hex(text), hex(clsContrast::greyedOn(text, back))));
}

void stylePainter::box(QWidget* control) {
    const QColor c = toQColor(catalogue_.getTextBoxBackGroundColor(style_));
    const QString s = selector(control);
    // The styles give no text colour for boxes: black or white, whichever
    // reads better on the box colour.
    const std::uint32_t text = clsContrast::textOn(toBgr(c));
    const QString textSheet = QStringLiteral("%1 { color: %2; } %1:disabled { color: %3; }")
                                  .arg(s, hex(text), hex(clsContrast::greyedOn(text, toBgr(c))));
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        // A pick-only list is drawn as a button by some styles, which would
        // only tint it: with a border of its own it shows the box colour, and
        // its opened list does too. The opened list is a scrolling list under
        // the box (as many rows as the list allows, with a scroll bar), never
        // a screen-high menu over it; a style that opens such menus has
        // already turned the scroll bar off when the list was made.
        combo->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        control->setStyleSheet(
            QStringLiteral("%1 { background-color: %2; border: 1px solid #7a7a7a; padding: 1px 18px 1px 3px;"
                           " combobox-popup: 0; }"
                           "%1 QAbstractItemView { background-color: %2; color: %3; }")
                .arg(s, hex(c), hex(text)) +
            textSheet);
        return;
    }
    control->setStyleSheet(QStringLiteral("%1 { background-color: %2; }").arg(s, hex(c)) + textSheet);
}

void stylePainter::frameOrOption(QWidget* control) {
    const QColor back = toQColor(catalogue_.getFormColor(style_));
    const QColor text = toQColor(catalogue_.getLabelTextColor(style_));
    const QColor off = fromBgr(clsContrast::greyedOn(toBgr(text), toBgr(back)));
    const QString s = selector(control);
    QString sheet = QStringLiteral("%1 { background-color: %2; color: %3; } %1:disabled { color: %4; }")
                        .arg(s, hex(back), hex(text), hex(off));
    if (qobject_cast<QGroupBox*>(control)) {
        // A frame of its own, an etched line through the middle of the
        // caption: some styles shade a frame's inside, which would not be
        // the form colour.
        const int half = control->fontMetrics().height() / 2;
        sheet += QStringLiteral(
                     "%1 { border: 2px groove #a0a0a0; margin-top: %2px; }"
                     "%1::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
                     " padding: 0px 2px; }")
                     .arg(s)
                     .arg(half);
    }
    control->setStyleSheet(sheet + optionMarks(control, s, back, text, off));
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
