// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <initializer_list>

class QFont;
class QLabel;
class QPushButton;

// Controls keep their designed sizes; where the platform's face is wider than
// the design's, a caption that would be cut shrinks its font, half a point at
// a time (down to 6 points), until it fits the room the control gives its
// text. Call after the control is painted and its caption set.
//
// The buttons of a row share one face: each starts from `face`, and when one
// caption would be cut, the whole row takes the face at which every caption
// of the row fits, so no button looks smaller than its neighbour.
void fitCaptions(const QFont& face, std::initializer_list<QPushButton*> row);
void fitCaption(QLabel* label);
