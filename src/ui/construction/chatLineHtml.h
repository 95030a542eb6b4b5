// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <QString>
#include <cstddef>

class clsChatPreview;

// The colours a chat line is drawn in, as the game's console shows it.
namespace chatColours {
// The near-black console background.
inline const QColor consoleBack(0x14, 0x14, 0x14);
// Behind black text, so that "^0" stays readable on the console background.
inline const QColor blackHalo(0x6a, 0x6a, 0x6a);
// Light grey for the elision mark.
inline const QColor quietText(0xc8, 0xc8, 0xc8);
// No line is shown wider than this many bytes; the rest is elided.
constexpr std::size_t shownBytes = 512;

// Colour index 0-7 as its RGB value.
QColor game(int index);
// The line as rich text on the console background, each run in its colour;
// what the server drops faded and struck through.
QString html(const clsChatPreview& line);
}  // namespace chatColours
