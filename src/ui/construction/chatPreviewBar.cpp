// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/chatPreviewBar.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "model/console/clsChatPreview.h"
#include "platform/qtText.h"
#include "ui/construction/chatLineHtml.h"
#include "ui/widgets/twips.h"

namespace {

using chatColours::blackHalo;
using chatColours::consoleBack;
using chatColours::quietText;
using chatColours::shownBytes;

// The strip's own colours beside the console's: a dim frame, orange for the
// warning.
const QColor consoleEdge(0x3a, 0x3a, 0x3a);
const QColor warning(0xff, 0x8c, 0x1a);

QString meterSheet(bool over) {
    return QStringLiteral("QLabel#lblChatLength { color: %1; background: transparent; %2 }")
        .arg(over ? warning.name() : quietText.name(), over ? QStringLiteral("font-weight: bold;") : QString());
}

}  // namespace

// The chat line itself, painted run by run.
class chatLineView : public QWidget {
public:
    struct piece {
        QString text;
        QColor color;
        bool cut = false;
    };

    explicit chatLineView(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("chatPreview"));
        QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setBold(true);
        setFont(f);
        setAccessibleName(chatPreviewBar::tr("Chat line as the game shows it"));
    }

    void setLine(const clsChatPreview& line) {
        pieces_.clear();
        more_ = false;
        QString plain;
        std::size_t left = shownBytes;
        for (const clsChatRun& run : line.runs()) {
            if (left == 0) {
                more_ = true;
                break;
            }
            const std::size_t take = std::min(left, run.text.size());
            if (take < run.text.size()) more_ = true;
            left -= take;
            const QString text = QString::fromUtf8(run.text.data(), static_cast<qsizetype>(take));
            const QColor color = chatColours::game(run.color);
            pieces_.push_back(piece{text, color, run.cut});
            if (!run.cut) plain += text;
        }
        setAccessibleDescription(plain);
        // The whole line (up to the strip's limit) in its colours, for lines
        // wider than the strip.
        setToolTip(pieces_.empty() ? QString() : chatColours::html(line));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), consoleBack);
        if (pieces_.empty()) return;

        const QFontMetrics fm(font());
        const int pad = 6;
        const int right = width() - pad;
        const int baseline = (height() - fm.height()) / 2 + fm.ascent();
        const QString ellipsis = QStringLiteral("\u2026");
        const int ellipsisWidth = fm.horizontalAdvance(ellipsis);

        p.setClipRect(QRect(pad, 0, std::max(0, right - pad), height()));
        int x = pad;
        bool cutMarked = false;
        bool overflow = more_;
        for (const piece& pc : pieces_) {
            if (x > right) {
                overflow = true;
                break;
            }
            if (pc.cut && !cutMarked) {
                // Where the server stops keeping the line.
                p.setOpacity(1.0);
                p.setPen(warning);
                p.drawLine(x, 3, x, height() - 4);
                x += 2;
                cutMarked = true;
            }
            // The cut part is faded and struck through: the game never shows it.
            p.setOpacity(pc.cut ? 0.4 : 1.0);
            QFont f = font();
            f.setStrikeOut(pc.cut);
            p.setFont(f);
            if (pc.color == Qt::black) {
                p.setPen(blackHalo);
                for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
                    p.drawText(x + d.x(), baseline + d.y(), pc.text);
            }
            p.setPen(pc.color);
            p.drawText(x, baseline, pc.text);
            x += fm.horizontalAdvance(pc.text);
        }
        if (x > right) overflow = true;
        if (overflow) {
            p.setOpacity(1.0);
            p.setClipping(false);
            const QRect mark(right - ellipsisWidth - 2, 0, ellipsisWidth + pad + 2, height());
            p.fillRect(mark, consoleBack);
            p.setPen(quietText);
            p.drawText(mark.left() + 2, baseline, ellipsis);
        }
    }

private:
    std::vector<piece> pieces_;
    bool more_ = false;  // the line goes on past what was kept for drawing
};

chatPreviewBar::chatPreviewBar(QWidget* parent)
    : QWidget(parent), preview_(new chatLineView(this)), meter_(new QLabel(this)) {
    setObjectName(QStringLiteral("chatPreviewBar"));
    meter_->setObjectName(QStringLiteral("lblChatLength"));
    meter_->setTextFormat(Qt::PlainText);
    meter_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    meter_->setToolTip(tr("Bytes the game receives for this chat line, colour codes included. The server keeps at "
                          "most %1 of them. Past that, the bind's line in the cfg file is counted too: the game reads "
                          "at most 1,023 bytes of a line.")
                           .arg(clsChatPreview::chatLimit));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 8, 1);
    row->setSpacing(8);
    row->addWidget(preview_, 1);
    row->addWidget(meter_, 0);
    showBind({}, 0);
}

void chatPreviewBar::showBind(const std::string& code, std::size_t lineBytes) {
    const clsChatPreview line(code);
    preview_->setLine(line);
    meter_->setText(toQString(clsChatPreview::meterText(line.byteCount(), lineBytes)));
    meter_->setStyleSheet(meterSheet(line.over()));
}

void chatPreviewBar::clear() { showBind({}, 0); }

QSize chatPreviewBar::sizeHint() const { return QSize(twips(8895), twips(heightTwips())); }

void chatPreviewBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), consoleBack);
    p.setPen(consoleEdge);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
