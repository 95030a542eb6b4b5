// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QApplication>
#include <QFont>
#include <QStringList>
#include <QWidget>

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

// The design font at the size and weight a form gives a control: a form
// names one face, which the platform may not have.
inline QFont designFont(const QFont& formFont) { return designFont(formFont.pointSize(), formFont.bold()); }

// Gives the window (or a main window's client area) and each of its controls
// that has no font of its own the design font at the size the form gives the
// window. Each control gets it itself: a painted opener's style sheet would
// otherwise hand the controls the platform's font again.
inline void useDesignFont(QWidget* window) {
    const QFont f = designFont(window->font());
    window->setFont(f);
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!w->testAttribute(Qt::WA_SetFont)) w->setFont(f);
}

// The construction screen's face: its layout is measured for an 8 point sans
// serif face (11 pixels at 15 twips a pixel); a wider default face would cut
// the captions. Set on every control, since a painted control does not take
// its parent's face.
inline QFont controlFace(QFont face) {
    face.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans")});
    face.setPixelSize(11);
    return face;
}
