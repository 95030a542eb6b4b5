// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QHash>
#include <QRect>

class QMainWindow;
class QWidget;

// Places controls in twips and remembers each place, so that the run-time
// layout rules read as "top of this = top of that + height of that + 150".
// A control not placed yet stands where its form put it.
class twipsLayout {
public:
    void place(QWidget* w, int left, int top, int width, int height);
    QRect twipsOf(const QWidget* w) const;
    int topOf(const QWidget* w) const;
    int heightOf(const QWidget* w) const;
    void setTopOf(QWidget* w, int top);
    void setHeightOf(QWidget* w, int height);

private:
    QHash<const QWidget*, QRect> placed_;
};

// Gives a main window a client area clientWidth twips wide under its menu
// bar, for a window windowHeight twips high as the original platform counts
// it: caption, menu bar and borders take frame twips of that height.
void fitMainWindow(QMainWindow* window, int clientWidth, int windowHeight, int frame);
