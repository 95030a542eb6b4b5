// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Drafts of copies side by side, with real lock files: a copy's draft is never offered while it runs, and is
// offered, with exactly its binds, once it is killed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/QtPlatform.h"
#include "support/scratchFolder.h"
#include "ui/shell/draftOwner.h"

namespace {

namespace fs = std::filesystem;

// What a copy that starts now would offer first: "KEY binding" lines, or "none".
std::string offeredByAnotherCopy(const scratchFolder& data) {
    QProcess copy;
    copy.start(QStringLiteral(DRAFT_COPY), {QStringLiteral("offer"), QString::fromStdString(data.path())});
    return copy.waitForFinished(20000) && copy.exitCode() == 0 ? copy.readAllStandardOutput().toStdString()
                                                               : "failed: " + copy.readAllStandardError().toStdString();
}

// A copy writes its draft and keeps running: neither a second copy nor this one offers it, however old its lock.
// Killed, its draft stays and the next start offers exactly its binds; while that start offers it, a third copy does
// not. A lock file that no draft goes with and no running copy holds is cleared away, also one from before the
// machine restarted whose process id runs again now.
TEST(draftCopies, aKilledCopyLeavesItsDraftToTheNextStart) {
    scratchFolder data;
    QProcess first;
    first.start(QStringLiteral(DRAFT_COPY),
                {QStringLiteral("hold"), QString::fromStdString(data.path()),
                 QStringLiteral("bind F1 say ^1hi\r\nbind MOUSE2 \"vsay_team medic; say_team need a medic\"\r\n")});
    ASSERT_TRUE(first.waitForReadyRead(20000));
    const std::string ready = first.readLine().trimmed().toStdString();
    ASSERT_TRUE(ready.starts_with("ready ")) << ready;
    const std::string draft = ready.substr(6), lock = draftOwner::lockPath(draft);
    ASSERT_TRUE(fs::exists(draft));
    ASSERT_TRUE(fs::exists(lock));
    fs::last_write_time(lock, fs::file_time_type::clock::now() - std::chrono::hours(72));  // a copy may run for days
    EXPECT_EQ(offeredByAnotherCopy(data), "none\n");
    // The lock of a copy that crashed before its first draft: this one's, before a restart.
    std::ofstream(data.file("draft-gone.cfg.lock"))
        << QCoreApplication::applicationPid() << '\n'
        << QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString() << '\n'
        << QSysInfo::machineHostName().toStdString() << '\n'
        << QSysInfo::machineUniqueId().toStdString() << "\na-boot-before-this-one\n";
    QtFileLocks locks;
    {
        clsDraft mine;
        draftOwner here(mine, locks);
        ASSERT_TRUE(here.claim(data.path()));
        EXPECT_FALSE(here.nextOffer());
    }
    first.kill();  // SIGKILL: no chance to let its lock go
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_TRUE(fs::exists(lock));
    const std::string binds = "F1 say ^1hi\nMOUSE2 vsay_team medic; say_team need a medic\n";
    EXPECT_EQ(offeredByAnotherCopy(data), binds);
    clsDraft mine;
    draftOwner here(mine, locks);
    ASSERT_TRUE(here.claim(data.path()));
    const std::optional<clsDraftInfo> offered = here.nextOffer();
    ASSERT_TRUE(offered);
    EXPECT_EQ(std::tuple(offered->path, offered->binds, offered->definitions),
              std::tuple(draft, std::size_t{2}, std::string("keys.txt")));
    EXPECT_EQ(offeredByAnotherCopy(data), "none\n");
    here.leave();
    EXPECT_EQ(offeredByAnotherCopy(data), binds);
    const std::set<std::string> left{fs::path(draft).filename().string(), mine.fileName() + ".lock"};
    std::set<std::string> files;
    for (const auto& e : fs::directory_iterator(data.path())) files.insert(e.path().filename().string());
    EXPECT_EQ(files, left);
    // No folder that can take a lock: no draft is written in this run.
    clsDraft none;
    draftOwner nowhere(none, locks);
    EXPECT_FALSE(nowhere.claim(draft) || nowhere.claim(""));
    EXPECT_TRUE(none.folder().empty());
}

}  // namespace
