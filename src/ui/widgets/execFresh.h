// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QPointer>
#include <utility>

// Makes a fresh dialog, shows it modally and deletes it afterwards (unless
// it went away meanwhile); answers what exec answered.
template <typename Dialog, typename... Args> int execFresh(Args&&... args) {
    QPointer<Dialog> dialog = new Dialog(std::forward<Args>(args)...);
    const int answer = dialog->exec();
    delete dialog;
    return answer;
}
