#include "help/helpWindowHolder.h"

#include <QWindow>

#include "help/frmHelp.h"

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
        const QRect frame = over->frameGeometry();
        window_->move(frame.center() - QPoint(window_->width() / 2, window_->height() / 2));
    }
    window_->exec();
}
