// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/shell/draftKeeper.h"

#include <QCoreApplication>
#include <QGuiApplication>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include "ui/shell/clsAppContext.h"

draftKeeper::draftKeeper(clsAppContext& ctx, int delay) : ctx_(ctx) {
    timer_.setSingleShot(true);
    timer_.setInterval(delay);
    // The timer's draft is written on the draft's own thread: a handler
    // never waits for the disk.
    connect(&timer_, &QTimer::timeout, this,
            [this] { ctx_.draft.writeLater(ctx_.builder, ctx_.clock(), ctx_.openedCfg); });
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

// Now, at the end: the program waits for the disk. A failed write stays
// silent: the next change or flush tries again.
void draftKeeper::flush() {
    timer_.stop();
    ctx_.writeDraft();
}
