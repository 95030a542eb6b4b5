// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Drafts of copies side by side, with real lock files: a copy's draft is never offered while it runs, and is
// offered, with exactly its binds, once it is killed.
#include <gtest/gtest.h>

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <set>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgImport.h"
#include "platform/QtPlatform.h"
#include "support/scratchFolder.h"
#include "ui/shell/draftOwner.h"

namespace {

namespace fs = std::filesystem;

struct dataFolder : scratchFolder {
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(path())) names.insert(e.path().filename().string());
        return names;
    }
};

// What a copy that starts now would offer first: "KEY binding" lines, or "none".
std::string offeredByAnotherCopy(const dataFolder& data) {
    QProcess copy;
    copy.start(QStringLiteral(DRAFT_COPY), {QStringLiteral("offer"), QString::fromStdString(data.path())});
    if (!copy.waitForFinished(20000) || copy.exitCode() != 0)
        return "failed: " + copy.readAllStandardError().toStdString();
    return copy.readAllStandardOutput().toStdString();
}

// A copy writes its draft and keeps running; a second copy does not offer it, nor does this one; killed, its draft
// stays, and the next start offers exactly its binds. While that start offers it, a third copy does not.
TEST(draftCopies, aKilledCopyLeavesItsDraftToTheNextStart) {
    dataFolder data;
    QProcess first;
    first.start(QStringLiteral(DRAFT_COPY),
                {QStringLiteral("hold"), QString::fromStdString(data.path()),
                 QStringLiteral("bind F1 say ^1hi\r\nbind MOUSE2 \"vsay_team medic; say_team need a medic\"\r\n")});
    ASSERT_TRUE(first.waitForReadyRead(20000));
    const std::string ready = first.readLine().trimmed().toStdString();
    ASSERT_TRUE(ready.starts_with("ready ")) << ready;
    const std::string draft = ready.substr(6);
    ASSERT_TRUE(fs::exists(draft));
    ASSERT_TRUE(fs::exists(draftOwner::lockPath(draft)));

    EXPECT_EQ(offeredByAnotherCopy(data), "none\n");
    // However old its lock: a copy may run for days.
    fs::last_write_time(draftOwner::lockPath(draft), fs::file_time_type::clock::now() - std::chrono::hours(72));
    EXPECT_EQ(offeredByAnotherCopy(data), "none\n");
    QtFileLocks locks;
    {
        clsDraft mine;
        draftOwner here(mine, locks);
        ASSERT_TRUE(here.claim(data.path()));
        EXPECT_FALSE(here.nextOffer());
    }

    first.kill();  // SIGKILL: no chance to let its lock go
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_TRUE(fs::exists(draftOwner::lockPath(draft)));
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
    // Nothing is left behind but the draft and this copy's lock.
    EXPECT_EQ(data.files(), (std::set<std::string>{fs::path(draft).filename().string(), mine.fileName() + ".lock"}));
}

// What each answer leaves in the data folder, lock files included, while the copy runs and after it: only No
// deletes the draft (with its sidecar); a restored draft is this copy's, locked, until a save or Exit discards it.
// A lock file that no draft goes with and no running copy holds is cleared away. ("own": this copy's first lock.)
TEST(draftOwner, eachAnswerLeavesItsFiles) {
    enum class answer { yes, no, none, yesThenDiscard };
    using names = std::set<std::string>;
    struct row {
        const char* name;
        answer a;
        names during, after;
    };
    const names old{"draft-old.cfg", "draft-old.opened"};
    for (const row& r : {row{"yes", answer::yes, {"draft-old.cfg", "draft-old.opened", "draft-old.cfg.lock"}, old},
                         row{"no", answer::no, {"own"}, {}},
                         row{"none", answer::none, {"draft-old.cfg", "draft-old.opened", "own"}, old},
                         row{"yesThenDiscard", answer::yesThenDiscard, {}, {}}}) {
        SCOPED_TRACE(r.name);
        dataFolder data;
        data.write("draft-old.cfg", "// Definitions: keys.txt\r\nbind F1 say hi\r\n");
        data.write("draft-old.opened", "bind F1 say hi\r\n");
        data.write("draft-gone.cfg.lock", "999999999\nnone\n");  // a copy that crashed at once
        QtFileLocks locks;
        clsDraft draft;
        {
            draftOwner owner(draft, locks);
            ASSERT_TRUE(owner.claim(data.path()));
            names during = r.during;
            if (during.erase("own")) during.insert(draft.fileName() + ".lock");
            ASSERT_TRUE(owner.nextOffer());
            if (r.a == answer::no) owner.decline();
            if (r.a == answer::none) owner.leave();
            if (r.a == answer::yes || r.a == answer::yesThenDiscard) {
                owner.adopt();
                EXPECT_EQ(draft.path(), data.file("draft-old.cfg"));
            }
            if (r.a == answer::yesThenDiscard) draft.discard();
            EXPECT_FALSE(owner.nextOffer());
            EXPECT_EQ(data.files(), during);
        }
        EXPECT_EQ(data.files(), r.after);
    }
}

// No folder that can take a lock: no draft is written in this run.
TEST(draftOwner, withoutALockNoDraftIsWritten) {
    dataFolder data;
    data.write("data", "a file in the way");
    QtFileLocks locks;
    clsDraft draft;
    draftOwner owner(draft, locks);
    EXPECT_FALSE(owner.claim(data.file("data")) || owner.claim(""));
    EXPECT_TRUE(draft.folder().empty());
}

}  // namespace
