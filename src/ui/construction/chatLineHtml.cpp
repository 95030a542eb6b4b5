// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/chatLineHtml.h"

#include <algorithm>

#include "model/console/clsChatPreview.h"
#include "platform/qtText.h"
#include "ui/styles/stylePainter.h"

namespace chatColours {

QColor game(int index) {
    const clsChatColor c = clsChatPreview::rgb(index);
    return QColor(c.red, c.green, c.blue);
}

QString html(const clsChatPreview& line) {
    QString spans;
    std::size_t left = shownBytes;
    bool more = false;
    for (const clsChatRun& run : line.runs()) {
        if (left == 0) {
            more = true;
            break;
        }
        const std::size_t take = std::min(left, run.text.size());
        more = more || take < run.text.size();
        left -= take;
        QColor colour = game(run.color);
        QString style;
        if (run.cut) {
            colour = stylePainter::mixed(colour, consoleBack, 0.5);
            style += QStringLiteral("text-decoration:line-through;");
        }
        if (run.color == 0) style += QStringLiteral("background-color:%1;").arg(blackHalo.name());
        spans += QStringLiteral("<span style=\"color:%1;%2\">%3</span>")
                     .arg(colour.name(), style, toQString(run.text.substr(0, take)).toHtmlEscaped());
    }
    if (more) spans += QStringLiteral("<span style=\"color:%1\">\u2026</span>").arg(quietText.name());
    return QStringLiteral(
               "<table bgcolor=\"%1\" cellpadding=\"4\"><tr><td style=\"font-family:monospace;"
               " font-weight:bold; white-space:pre-wrap\">%2</td></tr></table>")
        .arg(consoleBack.name(), spans);
}

}  // namespace chatColours
