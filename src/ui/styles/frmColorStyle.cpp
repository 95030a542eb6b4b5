// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/styles/frmColorStyle.h"
#include "ui_frmColorStyle.h"

#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/qtListControl.h"

frmColorStyle::frmColorStyle(clsAppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), ui(std::make_unique<Ui::frmColorStyle>()) {
    ui->setupUi(this);
    useDesignFont(this);
    ui->cboColorStyle->setFocus();

    connect(ui->cboColorStyle, &QComboBox::activated, this, &frmColorStyle::cboColorStyle_Click);
    connect(ui->cmdOk, &QPushButton::clicked, this, &frmColorStyle::cmdOk_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmColorStyle::cmdCancel_Click);

    Form_Load();
}

frmColorStyle::~frmColorStyle() = default;

void frmColorStyle::Form_Load() {
    pendingStyle.clear();
    applyColorStyle(ctx_.currentColorStyle);
    comboListControl list(ui->cboColorStyle, /*sorted=*/true);
    ctx_.colorStyles.fillCombo(list);
}

void frmColorStyle::applyColorStyle(const std::string& styleName) {
    stylePainter paint(ctx_.colorStyles, styleName);
    paint.form(this);
    paint.buttons({ui->cmdOk, ui->cmdCancel});
    paint.labels({ui->lblcolorstyle});
    paint.boxes({ui->cboColorStyle});
}

void frmColorStyle::cboColorStyle_Click() {
    pendingStyle = pickedText(ui->cboColorStyle);
    // A preview of this dialog only; the program's style is unchanged.
    applyColorStyle(pendingStyle);
}

void frmColorStyle::cmdOk_Click() {
    if (pendingStyle.empty())
        ctx_.platform.messages.show(tr("Missing Information").toStdString(), tr("Select a color style!").toStdString(),
                                    msgIcon::Exclamation, msgButtons::Ok);
    else
        ctx_.currentColorStyle = pendingStyle;
    accept();
}

void frmColorStyle::cmdCancel_Click() { reject(); }
