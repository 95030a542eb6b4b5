#pragma once
#include <QApplication>
#include <QFont>
#include <QStringList>

// The font the windows were laid out for: "MS Sans Serif" at 8 point, or its
// later name, or the platform's own face at that size, so that captions fit
// the controls' sizes.
inline QFont designFont(int pointSize = 8, bool bold = false) {
    QFont f = QApplication::font();
    const QString own = f.family();
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), own});
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}
