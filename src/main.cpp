// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <iostream>
#include <memory>

#include "appInfo.h"
#include "platform/QtPlatform.h"
#include "platform/appLanguage.h"
#include "platform/quitSignals.h"
#include "ui/shell/commandLine.h"
#include "ui/shell/frmStart.h"

int main(int argc, char** argv) {
    // The name also names the per-user data folder (~/.local/share/brenvolt).
    QCoreApplication::setApplicationName(QString::fromLatin1(appInfo::name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(appInfo::version));
    const std::unique_ptr<QCoreApplication> app = commandLine::answersInTerminal(argc, argv)
                                                      ? std::make_unique<QCoreApplication>(argc, argv)
                                                      : std::make_unique<QApplication>(argc, argv);
    // The system's language, before anything speaks: the help of the
    // command line too.
    const appLanguage language;
    const commandLine options(*app);
    QtPlatform platform;
    if (options.listDefinitions()) return commandLine::printDefinitions(platform.folder);
    if (options.review()) return commandLine::printReview(options.reviewFile(), std::cout, std::cerr);
    if (options.editsKey()) return options.editKey(std::cerr);

    // Windows are hidden and shown rather than closed; the program ends only
    // when a screen ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    frmStart start(platform.services);
    // The desktop ties the windows to the menu entry and its icon; the
    // icon's built-in copy serves where none is installed.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(appInfo::id));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    start.show();
    // Asked a quit by the system, the program ends as by its close box (a
    // draft of unsaved binds is written as it quits).
    catchQuitSignals([&platform] { platform.exit.endProgram(); });
    QTimer::singleShot(0, &start, &frmStart::offerDraft);
    return QApplication::exec();
}
