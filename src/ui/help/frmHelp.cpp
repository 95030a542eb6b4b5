// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/help/frmHelp.h"
#include "ui_frmHelp.h"

#include "model/help/clsHelpText.h"
#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/keyPressFilter.h"

frmHelp::frmHelp(clsAppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), ui(std::make_unique<Ui::frmHelp>()) {
    ui->setupUi(this);
    // Nothing the user does changes the text (frmHelp.ui makes it read-only);
    // it can still be read with the keyboard, selected and copied. Every
    // typed character beeps.
    beepOnTyping(ui->txtHelp, ctx_.platform.beep);
    useDesignFont(this);
    ui->txtHelp->setFocus();
    connect(ui->cmdOk, &QPushButton::clicked, this, &frmHelp::cmdOk_Click);

    Form_Load();
}

frmHelp::~frmHelp() = default;

void frmHelp::Form_Load() {
    fillHelpText();
    applyColorStyle();
}

void frmHelp::fillHelpText() {
    const std::string folder = ctx_.platform.folder.nativePath(ctx_.inputFolder());
    // The box breaks lines at "\n".
    QString text = QString::fromUtf8(clsHelpText::build(folder));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ui->txtHelp->setPlainText(text);
}

void frmHelp::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({ui->cmdOk});
    paint.boxes({ui->txtHelp});
}

void frmHelp::cmdOk_Click() { accept(); }
