// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QTest>
#include <QtWidgets>
#include <functional>
#include <string>

#include "ui/construction/frmConstruct.h"
#include "ui/shell/frmStart.h"

// Runs `act` on the modal window that opens next, inside its own event loop; closes it if `act` left it open,
// so no test waits for a hand.
inline void onModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (w) act(w);
        if (w && w->isVisible()) w->close();
    });
}

// File / New Bind on the start screen, the named definition file (the first when none is named), Create new
// Bind: the construction screen that opened, or null.
inline frmConstruct* openDefinitions(frmStart& start, const QString& file = {}) {
    start.findChild<QAction*>("mnuNew")->trigger();
    auto* list = start.findChild<QListWidget*>("fileInput");
    (file.isEmpty() ? list->item(0) : list->findItems(file, Qt::MatchExactly).value(0))->setSelected(true);
    start.findChild<QPushButton*>("cmdContinue")->click();
    return start.constructionScreen();
}

// File / Save, the name typed into the save dialog, Save: false when no save dialog came up.
inline bool saveAs(QWidget* construct, const char* name) {
    bool seen = false;
    onModal([&](QWidget* dialog) {
        if (!(seen = dialog->objectName() == "frmSaveToFile")) return;
        QTest::keyClicks(dialog->findChild<QLineEdit*>("txtFilename"), name);
        dialog->findChild<QPushButton*>("cmdSave")->click();
    });
    construct->findChild<QAction*>("mnuSave")->trigger();
    return seen;
}
