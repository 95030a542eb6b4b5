// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QtWidgets>
#include <functional>
#include <map>

// Reads the colours a window really shows, from rendered pixels.
namespace paintProbe {

// A catalogue colour (00BBGGRR); the system button face is the palette's button colour.
inline QColor bgr(std::uint32_t v) {
    return v & 0x80000000u ? QApplication::palette().color(QPalette::Active, QPalette::Button)
                           : QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// The control drawn alone over a colour, shown or hidden (a scroll area: its viewport).
inline QImage ownImage(QWidget* w, const QColor& under = QColor(1, 2, 3)) {
    w->ensurePolished();
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) w = area->viewport();
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(under);
    w->render(&img, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return img;
}

// How often each colour shows.
inline std::map<QRgb, int> colours(const QImage& img) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) ++counts[img.pixel(x, y) | 0xFF000000u];
    return counts;
}
inline QColor dominant(const QImage& img) {
    const auto counts = colours(img);
    auto best = std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second);
    return QColor::fromRgb(best == counts.end() ? 0 : best->first);
}

// True when some pixel is (nearly) the colour: text strokes.
inline bool shows(const QImage& img, const QColor& c, int tol = 40) {
    return std::ranges::any_of(colours(img), [&](auto& p) {
        return std::max({std::abs(qRed(p.first) - c.red()), std::abs(qGreen(p.first) - c.green()),
                         std::abs(qBlue(p.first) - c.blue())}) <= tol;
    });
}

// The window's own background, drawn without its controls.
inline QColor windowBackground(QWidget* window) { return dominant(ownImage(window)); }

}  // namespace paintProbe
