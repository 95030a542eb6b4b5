// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QTimer>

struct clsAppContext;

// Writes the draft of the unsaved binds (clsDraft) at the right moments:
// within two seconds of any change to the binds (a single-shot timer started
// by the first change and not restarted by later ones), and at once when the
// program quits (a quit signal, the end of the desktop session) other than
// by a save or a confirmed Exit, which discard the draft. Every change goes
// through the builder, which tells this keeper, so no handler can forget one.
class draftKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int delayMs = 2000;

    explicit draftKeeper(clsAppContext& ctx, int delay = delayMs);
    ~draftKeeper() override;

    // Writes the draft now when the binds changed since the last one.
    void flush();
    const QTimer& timer() const { return timer_; }

private:
    clsAppContext& ctx_;
    QTimer timer_;
};
