#include "styles/frmColorStyle.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "widgets/qtListControl.h"
#include "widgets/twips.h"
#include "widgets/designFont.h"
#include "styles/stylePainter.h"

frmColorStyle::frmColorStyle(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmColorStyle");
    setWindowTitle(QStringLiteral("Change Color Style"));
    setFixedSize(twips(5265), twips(1500));

    cboColorStyle = new QComboBox(this);
    cboColorStyle->setObjectName("cboColorStyle");
    cboColorStyle->setGeometry(twipsRect(1200, 360, 3735, 315));
    // All 33 names at once, without a scroll bar where the screen allows.
    cboColorStyle->setMaxVisibleItems(33);

    lblcolorstyle = new QLabel(QStringLiteral("Color Style:"), this);
    lblcolorstyle->setObjectName("lblcolorstyle");
    lblcolorstyle->setGeometry(twipsRect(120, 400, 990, 195));

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName("cmdOk");
    cmdOk->setGeometry(twipsRect(1680, 960, 1215, 375));

    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(twipsRect(3120, 960, 1215, 375));

    useDesignFont(this);
    setTabOrder(cboColorStyle, cmdOk);
    setTabOrder(cmdOk, cmdCancel);
    cboColorStyle->setFocus();

    connect(cboColorStyle, &QComboBox::activated, this, &frmColorStyle::cboColorStyle_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmColorStyle::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmColorStyle::cmdCancel_Click);

    Form_Load();
}

void frmColorStyle::Form_Load() {
    pendingStyle.clear();
    applyColorStyle(ctx_.currentColorStyle);
    comboListControl list(cboColorStyle, /*sorted=*/true);
    ctx_.colorStyles.fillCombo(list);
}

void frmColorStyle::applyColorStyle(const std::string& styleName) {
    stylePainter paint(ctx_.colorStyles, styleName);
    paint.form(this);
    paint.buttons({cmdOk, cmdCancel});
    paint.labels({lblcolorstyle});
    paint.boxes({cboColorStyle});
}

void frmColorStyle::cboColorStyle_Click() {
    pendingStyle = pickedText(cboColorStyle);
    // A preview of this dialog only; the program's style is unchanged.
    applyColorStyle(pendingStyle);
}

void frmColorStyle::cmdOk_Click() {
    if (pendingStyle.empty())
        ctx_.platform.messages.show("Missing Information", "Select a color style!", msgIcon::Exclamation,
                                    msgButtons::Ok);
    else
        ctx_.currentColorStyle = pendingStyle;
    accept();
}

void frmColorStyle::cmdCancel_Click() { reject(); }
