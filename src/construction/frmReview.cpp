#include "construction/frmReview.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>

#include "widgets/qtListControl.h"
#include "widgets/twips.h"
#include "widgets/designFont.h"
#include "styles/stylePainter.h"

namespace {
// The listing pads its columns with blanks, so it needs a fixed-pitch font:
// Courier New (or what the platform puts in its place) when its letters are
// all equally wide, else the platform's own fixed-pitch font.
bool equallyWide(const QFont& f) {
    const QFontMetrics m(f);
    const int w = m.horizontalAdvance(QStringLiteral("WWWWWWWWWW"));
    return m.horizontalAdvance(QStringLiteral("iiiiiiiiii")) == w && m.horizontalAdvance(QStringLiteral("|||||-----")) == w &&
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

frmReview::frmReview(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmReview");
    setWindowTitle(QStringLiteral("Binds Review"));
    setFixedSize(twips(9270), twips(3930));

    lstReview = new QListWidget(this);
    lstReview->setObjectName("lstReview");
    lstReview->setGeometry(twipsRect(120, 120, 9015, 3180));
    lstReview->setFont(listingFont());
    lstReview->setWordWrap(false);
    lstReview->setUniformItemSizes(true);
    lstReview->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    cmdOk = new QPushButton(QStringLiteral("Ok"), this);
    cmdOk->setObjectName("cmdOk");
    cmdOk->setGeometry(twipsRect(120, 3360, 9015, 495));
    cmdOk->setFont(designFont(12, /*bold=*/true));

    useDesignFont(this);
    setTabOrder(lstReview, cmdOk);
    lstReview->setFocus();
    connect(cmdOk, &QPushButton::clicked, this, &frmReview::cmdOk_Click);

    Form_Load();
}

void frmReview::Form_Load() {
    applyColorStyle();
    listBoxControl list(lstReview);
    ctx_.builder.printScheme(list);
}

void frmReview::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({cmdOk});
    paint.boxes({lstReview});
}

void frmReview::cmdOk_Click() { accept(); }
