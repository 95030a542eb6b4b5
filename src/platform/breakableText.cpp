// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "platform/breakableText.h"

namespace {
constexpr int longest = 40;  // characters a line of a message holds without trouble
}  // namespace

QString breakableText(const QString& text) {
    const QChar zeroWidthSpace(0x200B);
    QString out;
    out.reserve(text.size() + text.size() / 8);
    // Word by word: a word that fits a line stays as it is (and copies as it is).
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !text.at(end).isSpace()) ++end;
        if (end - start <= longest) {
            out += text.mid(start, end - start);
        } else {
            int run = 0;
            for (qsizetype i = start; i < end; ++i) {
                const QChar c = text.at(i);
                out += c;
                if (c == QLatin1Char('/') || c == QLatin1Char('\\') || ++run >= longest) {
                    out += zeroWidthSpace;
                    run = 0;
                }
            }
        }
        while (end < text.size() && text.at(end).isSpace()) out += text.at(end++);
        start = end;
    }
    return out;
}
