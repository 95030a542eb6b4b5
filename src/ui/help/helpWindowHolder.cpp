// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/help/helpWindowHolder.h"

#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "ui/help/frmHelp.h"

helpWindowHolder::helpWindowHolder(clsAppContext& ctx) : ctx_(ctx) {}
helpWindowHolder::~helpWindowHolder() = default;

void helpWindowHolder::showModal(QWidget* opener) {
    // The window has no owning parent: it outlives whichever screen opened it
    // first. It is only tied to the opener on screen, and centred over it.
    if (!window_) window_ = std::make_unique<frmHelp>(ctx_);
    if (opener) {
        QWidget* over = opener->window();
        window_->winId();
        if (over->windowHandle()) window_->windowHandle()->setTransientParent(over->windowHandle());
        // Centred over the opener, but wholly on its screen.
        QPoint at = over->frameGeometry().center() - QPoint(window_->width() / 2, window_->height() / 2);
        if (const QScreen* screen = over->screen()) {
            const QRect room = screen->availableGeometry();
            at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - window_->width())));
            at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - window_->height())));
        }
        window_->move(at);
    }
    window_->exec();
}
