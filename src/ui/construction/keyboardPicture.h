// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

#include "model/keys/clsKeyboardMap.h"

// The keyboard and mouse of clsKeyboardLayout, drawn with what a
// clsKeyboardMap says of each key: free keys in the key face, bound keys in
// the colour of their kind with a few words of the bind, keys that cannot be
// bound greyed. Under it a legend of the colours. It fills its size, keeping
// its proportions; each key is a child of its accessible interface, named
// "F1, team chat: ^1Hello". A click, or Enter on the key the arrow keys
// moved the focus ring to, sends picked().
class keyboardPicture : public QWidget {
    Q_OBJECT
public:
    struct palette {
        QColor form;                  // around the keys
        QColor face;                  // a free key
        std::array<QColor, 4> kinds;  // public chat, team chat, radio, other command
    };
    // A saved picture is this wide, whatever the window's size.
    static constexpr int savedWidth = 1280;

    explicit keyboardPicture(QWidget* parent = nullptr);
    ~keyboardPicture() override;

    // What the keys show; the map stays its owner's and is read at every paint.
    void setMap(const clsKeyboardMap* map);
    void setPalette(const palette& colours);
    // Whether a click picks (the pointer shows it over a key that can be picked).
    void setPickable(bool pickable) { pickable_ = pickable; }
    const palette& colours() const { return colours_; }

    // A place of the layout in this widget's coordinates (its whole cell),
    // and the place at a point (-1 between keys).
    QRectF placeRect(int place) const;
    // The same in any area the picture is fitted into (a saved picture: the
    // rectangle of savedSize()).
    static QRectF placeRectIn(int place, const QRectF& area);
    int placeAt(const QPointF& point) const;
    int focusPlace() const { return focus_; }
    void setFocusPlace(int place);

    // The key and its bind in words (its accessible name), and as its tool
    // tip shows it: a chat line in the game's colours on the console's dark
    // background, the command of a radio or other bind.
    QString describe(int place) const;
    QString toolTipFor(int place) const;

    // The picture as it is saved: savedWidth wide, no focus ring, the
    // counts written beside the legend.
    static QSize savedSize();
    QImage savedImage(const QString& counts) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return false; }

signals:
    void picked(int place);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Paints keys and legend into area (the picture fitted and centred in it).
    void paintPicture(QPainter& p, const QRectF& area, bool withFocus, const QString& counts) const;
    void tellFocus();

    const clsKeyboardMap* map_ = nullptr;
    palette colours_;
    int focus_ = 0;
    int pressed_ = -1;
    bool pickable_ = true;
};
