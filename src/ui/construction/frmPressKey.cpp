// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/frmPressKey.h"
#include "ui_frmPressKey.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QWheelEvent>

#include "model/keys/clsKeyNames.h"
#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/fitCaption.h"

frmPressKey::frmPressKey(clsAppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), ui(std::make_unique<Ui::frmPressKey>()) {
    ui->setupUi(this);
    useDesignFont(this);
    // The capture area holds the keyboard; Cancel takes no focus, so that
    // Tab, Space and Enter are keys to capture too.
    for (QWidget* area : {static_cast<QWidget*>(ui->fraCapture), static_cast<QWidget*>(ui->lblPrompt)})
        area->installEventFilter(this);
    ui->fraCapture->setFocus();
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    applyColorStyle();
}

frmPressKey::~frmPressKey() = default;

void frmPressKey::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({ui->cmdCancel});
    paint.boxes({ui->fraCapture, ui->lblPrompt});
    fitCaptions(font(), {ui->cmdCancel});
}

bool frmPressKey::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Every key is for the capture, none is a shortcut.
            event->accept();
            return true;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->isAutoRepeat()) return true;
            if (key->key() == Qt::Key_Escape) {
                reject();
                return true;
            }
            if (key->key() == 0 || key->key() == Qt::Key_unknown) return true;
            const bool keypad = key->modifiers().testFlag(Qt::KeypadModifier);
            consoleKey_ = clsKeyNames::isConsoleKey(key->key(), keypad);
            take(clsKeyNames::forKey(key->key(), keypad), QKeySequence(key->key()).toString(QKeySequence::NativeText));
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            take(clsKeyNames::forMouseButton(static_cast<int>(mouse->button())), tr("this mouse button"));
            return true;
        }
        case QEvent::Wheel: {
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (delta != 0) take(clsKeyNames::forWheel(delta), QString());
            return true;
        }
        default: return QDialog::eventFilter(watched, event);
    }
}

void frmPressKey::take(const std::string& name, const QString& shown) {
    name_ = name;
    shown_ = shown;
    accept();
}
