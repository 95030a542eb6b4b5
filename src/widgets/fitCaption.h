#pragma once

class QLabel;
class QPushButton;

// Controls keep their designed sizes; where the platform's face is wider than
// the design's, a caption that would be cut shrinks the control's font, half a
// point at a time (down to 6 points), until it fits the room the control
// gives its text. Call after the control is painted and its caption set.
void fitCaption(QPushButton* button);
void fitCaption(QLabel* label);
