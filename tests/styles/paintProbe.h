#pragma once
#include <QAbstractScrollArea>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <map>

// Reads the colours a window really shows, from rendered pixels.
namespace paintProbe {

// A colour from the catalogue's 00BBGGRR text; the system button face is
// the palette's button colour.
inline QColor bgr(std::uint32_t v) {
    if (v & 0x80000000u) return QApplication::palette().color(QPalette::Active, QPalette::Button);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// The control drawn by itself (a scroll area: its viewport, where the
// background shows), without its children.
inline QImage ownImage(QWidget* w) {
    QWidget* target = w;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) target = area->viewport();
    QImage img(target->size(), QImage::Format_RGB32);
    img.fill(QColor(1, 2, 3));
    target->render(&img, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return img;
}

inline QColor dominant(const QImage& img, QRect area = {}) {
    if (area.isNull()) area = img.rect();
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[img.pixel(x, y) | 0xFF000000u];
    QRgb best = 0;
    int most = -1;
    for (const auto& [rgb, n] : counts)
        if (n > most) best = rgb, most = n;
    return QColor::fromRgb(best);
}

inline bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// True when some pixel of the area is (nearly) the colour: text strokes.
inline bool shows(const QImage& img, const QColor& c, QRect area = {}, int tolerance = 40) {
    if (area.isNull()) area = img.rect();
    area &= img.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (near(QColor::fromRgb(img.pixel(x, y)), c, tolerance)) return true;
    return false;
}

// The window's own background: the most common colour of the points no
// control covers (a plain container, such as a main window's centre, lets
// the window show through).
inline QColor windowBackground(QWidget* window) {
    const QImage img = window->grab().toImage();
    const qreal ratio = img.devicePixelRatio();
    std::map<QRgb, int> counts;
    for (int y = 1; y < window->height(); y += 4)
        for (int x = 1; x < window->width(); x += 4) {
            QWidget* over = window->childAt(x, y);
            if (over && (over->metaObject() != &QWidget::staticMetaObject ||
                         qobject_cast<QAbstractScrollArea*>(over->parentWidget())))
                continue;  // a control, or the viewport of a list or text box
            ++counts[img.pixel(int(x * ratio), int(y * ratio)) | 0xFF000000u];
        }
    QRgb best = 0;
    int most = -1;
    for (const auto& [rgb, n] : counts)
        if (n > most) best = rgb, most = n;
    return QColor::fromRgb(best);
}

}  // namespace paintProbe
