#include "widgets/breakableText.h"

QString breakableText(const QString& text) {
    constexpr int longest = 40;
    const QChar zeroWidthSpace(0x200B);
    QString out;
    out.reserve(text.size() + text.size() / 8);
    int run = 0;
    for (const QChar c : text) {
        out += c;
        if (c.isSpace()) {
            run = 0;
        } else if (c == QLatin1Char('/') || c == QLatin1Char('\\') || ++run >= longest) {
            out += zeroWidthSpace;
            run = 0;
        }
    }
    return out;
}
