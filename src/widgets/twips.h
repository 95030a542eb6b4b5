#pragma once
#include <QRect>

// Layout figures are twips: 15 twips make one pixel at 96 dpi (Qt scales
// for high-dpi screens). A rectangle's edges are converted, not its width,
// so that touching controls stay touching.
constexpr int twips(int t) { return t >= 0 ? (t + 7) / 15 : -((-t + 7) / 15); }

inline QRect twipsRect(int left, int top, int width, int height) {
    const int l = twips(left);
    const int t = twips(top);
    return QRect(l, t, twips(left + width) - l, twips(top + height) - t);
}
