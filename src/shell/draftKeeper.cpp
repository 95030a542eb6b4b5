#include "shell/draftKeeper.h"

#include <QCoreApplication>
#include <QGuiApplication>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include "widgets/clsAppContext.h"

draftKeeper::draftKeeper(clsAppContext& ctx, int delay) : ctx_(ctx) {
    timer_.setSingleShot(true);
    timer_.setInterval(delay);
    connect(&timer_, &QTimer::timeout, this, &draftKeeper::flush);
    ctx_.builder.set_on_change([this] {
        ctx_.draft.changed();
        if (!timer_.isActive()) timer_.start();
    });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &draftKeeper::flush);
#ifndef QT_NO_SESSIONMANAGER
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { flush(); });
#endif
}

draftKeeper::~draftKeeper() { ctx_.builder.set_on_change({}); }

// A failed write stays silent: the next change or flush tries again.
void draftKeeper::flush() {
    timer_.stop();
    ctx_.writeDraft();
}
