// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <QWidget>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "model/styles/clsColorStyleManager.h"

// The one painting rule of every window: the window and its frames, option
// buttons and check boxes take the form colour, buttons the button colour,
// labels (and the captions of frames, option buttons and check boxes) the
// label text colour, text, combo and list boxes the box colour. The styles
// give no text colour for buttons and boxes: their text is black or white,
// whichever reads better on their colour (clsContrast), and so is the greyed
// text of a disabled control, as far as the style's own colours allow.
//
// Colours are set with per-control style sheets, which every Qt style honours
// (button faces included); each sheet names its control, so nothing spreads
// to the control's children.
class stylePainter {
public:
    stylePainter(clsColorStyleManager& catalogue, std::string styleName)
        : catalogue_(catalogue), style_(std::move(styleName)) {}

    void form(QWidget* window);
    void buttons(std::initializer_list<QWidget*> controls);
    void labels(std::initializer_list<QWidget*> controls);
    void boxes(std::initializer_list<QWidget*> controls);
    void framesAndOptions(std::initializer_list<QWidget*> controls);

    void button(QWidget* control);
    void label(QWidget* control);
    void box(QWidget* control);
    void frameOrOption(QWidget* control);

    // 00BBGGRR to a colour; a system colour (top bit set) is the platform
    // palette's button colour.
    static QColor toQColor(std::int32_t value);
    static QColor fromBgr(std::uint32_t bgr);
    static std::uint32_t toBgr(const QColor& c);
    // a with t of b mixed in (0: a, 1: b).
    static QColor mixed(const QColor& a, const QColor& b, double t);

private:
    clsColorStyleManager& catalogue_;
    std::string style_;
};
