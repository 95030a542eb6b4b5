// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/widgets/twipsLayout.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

#include "ui/widgets/twips.h"

void twipsLayout::place(QWidget* w, int left, int top, int width, int height) {
    placed_[w] = QRect(left, top, width, height);
    w->setGeometry(twipsRect(left, top, width, height));
}

QRect twipsLayout::twipsOf(const QWidget* w) const {
    const auto placed = placed_.constFind(w);
    return placed != placed_.cend() ? *placed : pixelsToTwips(w->geometry());
}

int twipsLayout::topOf(const QWidget* w) const { return twipsOf(w).y(); }
int twipsLayout::heightOf(const QWidget* w) const { return twipsOf(w).height(); }

void twipsLayout::setTopOf(QWidget* w, int top) {
    const QRect r = twipsOf(w);
    place(w, r.x(), top, r.width(), r.height());
}

void twipsLayout::setHeightOf(QWidget* w, int height) {
    const QRect r = twipsOf(w);
    place(w, r.x(), r.y(), r.width(), height);
}

void fitMainWindow(QMainWindow* window, int clientWidth, int windowHeight, int frame) {
    const int width = twips(clientWidth);
    const int client = twips(windowHeight - frame);
    window->centralWidget()->setFixedSize(width, client);
    int bar = window->menuBar()->heightForWidth(width);
    if (bar < 0) bar = window->menuBar()->sizeHint().height();
    window->setFixedSize(width, bar + client);
}
