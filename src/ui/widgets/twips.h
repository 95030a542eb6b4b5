// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QRect>

// Layout figures are twips: 15 twips make one pixel at 96 dpi (Qt scales
// for high-dpi screens). A rectangle's edges are converted, not its width,
// so that touching controls stay touching.
constexpr int twipsPerPixel = 15;
constexpr int twips(int t) { return t >= 0 ? (t + 7) / twipsPerPixel : -((-t + 7) / twipsPerPixel); }

inline QRect twipsRect(int left, int top, int width, int height) {
    const int l = twips(left);
    const int t = twips(top);
    return QRect(l, t, twips(left + width) - l, twips(top + height) - t);
}

// A place the forms give in whole pixels, in twips: twipsRect turns the
// result back into the same pixels, so the run-time layout rules can take it
// up where the form left off.
inline QRect pixelsToTwips(const QRect& pixels) {
    return QRect(pixels.x() * twipsPerPixel, pixels.y() * twipsPerPixel, pixels.width() * twipsPerPixel,
                 pixels.height() * twipsPerPixel);
}
