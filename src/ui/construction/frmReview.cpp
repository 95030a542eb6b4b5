// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/frmReview.h"
#include "ui_frmReview.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/qtListControl.h"

namespace {
// The listing pads its columns with blanks, so it needs a fixed-pitch font:
// Courier New (or what the platform puts in its place) at 9.75 points, which
// a form cannot say, when its letters are all equally wide, else the
// platform's own fixed-pitch font.
bool equallyWide(const QFont& f) {
    const QFontMetrics m(f);
    const int w = m.horizontalAdvance(QStringLiteral("WWWWWWWWWW"));
    return m.horizontalAdvance(QStringLiteral("iiiiiiiiii")) == w &&
           m.horizontalAdvance(QStringLiteral("|||||-----")) == w &&
           m.horizontalAdvance(QStringLiteral("          ")) == w;
}

QFont listingFont() {
    QFont f(QStringLiteral("Courier New"));
    f.setPointSizeF(9.75);
    if (equallyWide(f)) return f;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(9.75);
    return fixed;
}

}  // namespace

frmReview::frmReview(clsAppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), ui(std::make_unique<Ui::frmReview>()) {
    ui->setupUi(this);
    ui->lstReview->setFont(listingFont());
    ui->cmdOk->setFont(designFont(ui->cmdOk->font()));
    useDesignFont(this);
    ui->lstReview->setFocus();
    connect(ui->cmdOk, &QPushButton::clicked, this, &frmReview::cmdOk_Click);

    Form_Load();
}

frmReview::~frmReview() = default;

void frmReview::Form_Load() {
    applyColorStyle();
    listBoxControl list(ui->lstReview);
    ctx_.builder.printScheme(list);
}

void frmReview::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({ui->cmdOk});
    paint.boxes({ui->lstReview});
}

void frmReview::cmdOk_Click() { accept(); }
