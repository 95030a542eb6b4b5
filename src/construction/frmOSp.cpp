#include "construction/frmOSp.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "widgets/qtListControl.h"
#include "widgets/twips.h"
#include "widgets/designFont.h"
#include "styles/stylePainter.h"

namespace {
template <typename W>
W* place(QWidget* parent, const char* name, QRect where) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(where);
    return w;
}
}  // namespace

frmOSp::frmOSp(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmOSp");
    setWindowTitle(QStringLiteral("             Select An OSP Command"));
    setFixedSize(twips(5145), twips(1815));

    lblOsp = place<QLabel>(this, "lblOsp", twipsRect(240, 240, 2175, 195));
    lblOsp->setText(QStringLiteral("Select an OSP command:"));
    cboOsp = place<QComboBox>(this, "cboOsp", twipsRect(240, 480, 4695, 315));
    cmdOk = place<QPushButton>(this, "cmdOk", twipsRect(960, 1200, 1215, 375));
    cmdOk->setText(QStringLiteral("OK"));
    cmdCancel = place<QPushButton>(this, "cmdCancel", twipsRect(3000, 1200, 1215, 375));
    cmdCancel->setText(QStringLiteral("Cancel"));

    useDesignFont(this);
    setTabOrder(cboOsp, cmdOk);
    setTabOrder(cmdOk, cmdCancel);
    cboOsp->setFocus();

    connect(cmdOk, &QPushButton::clicked, this, &frmOSp::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOSp::cmdCancel_Click);

    Form_Load();
}

void frmOSp::set_Properties(const std::string& a_key, const std::string& a_kind, const std::string& a_front) {
    bindKey = a_key;
    bindKind = a_kind;
    frontFlag = a_front;
}

void frmOSp::Form_Load() {
    applyColorStyle();
    comboListControl list(cboOsp, /*sorted=*/true);
    ctx_.builder.fillCombo(list, "osp:");
}

void frmOSp::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({cmdOk, cmdCancel});
    paint.labels({lblOsp});
    paint.boxes({cboOsp});
}

void frmOSp::cmdOk_Click() {
    const std::string chosen = pickedText(cboOsp);
    if (!chosen.empty()) {
        // Two tokens of the same name both give the first one's text.
        const std::string token = ctx_.builder.get_value("osp:", chosen);
        ctx_.builder.add_osp_code(bindKey, token, bindKind, frontFlag == "True");
    }
    accept();
}

void frmOSp::cmdCancel_Click() { reject(); }

void frmOSp::keyPressEvent(QKeyEvent* event) {
    // Escape presses Cancel (an open list closes itself first).
    if (event->matches(QKeySequence::Cancel)) {
        cmdCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
