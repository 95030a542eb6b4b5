#include "ui/styles/frmColorStyle.h"

#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/qtListControl.h"

frmColorStyle::frmColorStyle(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setupUi(this);
    useDesignFont(this);
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
