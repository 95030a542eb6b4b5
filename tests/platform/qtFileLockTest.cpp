// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The real lock files: a lock whose owner process is gone is taken, one whose owner runs is not.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <fstream>

#include "platform/QtPlatform.h"

namespace {

// A lock file as a copy writes it: its process id, program, host, machine and boot.
void leftLock(const std::string& path, qint64 pid, const QByteArray& boot) {
    std::ofstream(path) << pid << '\n'
                        << QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString() << '\n'
                        << QSysInfo::machineHostName().toStdString() << '\n'
                        << QSysInfo::machineUniqueId().toStdString() << '\n'
                        << boot.toStdString() << '\n';
}

// Left by a process that is gone, or by one that had this process's id before the machine restarted: taken.
// Held by this process: not taken again.
TEST(QtFileLock, takesOnlyALockWhoseOwnerIsGone) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).absoluteFilePath(QStringLiteral("draft-x.cfg.lock")).toStdString();
    QtFileLocks locks;
    for (const qint64 pid : {qint64{999999999}, QCoreApplication::applicationPid()}) {
        SCOPED_TRACE(pid);
        leftLock(path, pid, "a-boot-before-this-one");
        const std::unique_ptr<IFileLock> lock = locks.lockFile(path);
        ASSERT_TRUE(lock->tryLock());
        EXPECT_FALSE(locks.lockFile(path)->tryLock());
        lock->unlock();
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
    }
}

}  // namespace
