// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/frmOSp.h"
#include "ui_frmOSp.h"

#include <QKeyEvent>

#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/qtListControl.h"

frmOSp::frmOSp(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx), ui(std::make_unique<Ui::frmOSp>()) {
    ui->setupUi(this);
    useDesignFont(this);
    ui->cboOsp->setFocus();

    connect(ui->cmdOk, &QPushButton::clicked, this, &frmOSp::cmdOk_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmOSp::cmdCancel_Click);

    Form_Load();
}

frmOSp::~frmOSp() = default;

void frmOSp::set_Properties(const std::string& a_key, const std::string& a_kind, const std::string& a_front) {
    bindKey = a_key;
    bindKind = kindOf(a_kind).value_or(clsBindKind::none);
    toFront = a_front == "True";
}

void frmOSp::Form_Load() {
    applyColorStyle();
    comboListControl list(ui->cboOsp, /*sorted=*/true);
    ctx_.builder.fillCombo(list, clsGroupToken::osp);
}

void frmOSp::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({ui->cmdOk, ui->cmdCancel});
    paint.labels({ui->lblOsp});
    paint.boxes({ui->cboOsp});
}

void frmOSp::cmdOk_Click() {
    const std::string chosen = pickedText(ui->cboOsp);
    if (!chosen.empty()) {
        // Two tokens of the same name both give the first one's text.
        const std::string token = ctx_.builder.get_value(clsGroupToken::osp, chosen);
        if (!ctx_.builder.add_osp_code(bindKey, token, bindKind, toFront)) {
            // The bind stays as it was; the player is told why.
            const clsRefusal r = clsBindLine::refusal(ctx_.builder.get_refusal(), false);
            ctx_.platform.messages.show(r.title, r.text, msgIcon::Exclamation, msgButtons::Ok);
        }
    }
    accept();
}

void frmOSp::cmdCancel_Click() { reject(); }

void frmOSp::keyPressEvent(QKeyEvent* event) {
    // Escape presses Cancel (an open list closes itself first).
    if (event->matches(QKeySequence::Cancel)) {
        ui->cmdCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
