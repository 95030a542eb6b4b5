// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Unsaved work survives: the draft written as the binds change, offered back at the next start.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>
#include <map>

#include "model/cfgfile/clsCfgImport.h"
#include "support/fakePlatform.h"
#include "support/scratchFolder.h"
#include "support/uiSteps.h"
#include "ui/shell/draftKeeper.h"
#include "ui/shell/draftOwner.h"

namespace {

namespace fs = std::filesystem;
using A = msgAnswer;
using paths = std::set<std::string>;

class drafts : public testing::Test {
protected:
    fakePlatform p;
    std::unique_ptr<frmStart> start;
    const std::string input = p.programFolder() + "/InputFiles";

    void SetUp() override {
        fs::create_directories(input);
        std::ofstream(input + "/keys.txt") << "key:F1\nkey:F2\ncolor:Red<>1\n";
        std::ofstream(input + "/other.txt") << "key:F2\n";
    }
    clsAppContext& ctx() { return start->context(); }
    frmConstruct* construct() { return start->constructionScreen(); }
    // A start (its messages only) with keys.txt opened; or one that offers the drafts left, its questions answered.
    void open(bool keys = true) {
        (start = std::make_unique<frmStart>(p.services))->show();
        p.messages.log.clear();
        ASSERT_TRUE(!keys || openDefinitions(*start, "keys.txt"));
    }
    void restart(std::deque<msgAnswer> answers) {
        open(false);
        p.messages.answers = std::move(answers);
        start->offerDraft();
    }
    // A run that binds F1 to text and ends by the close box, answered Yes, which keeps the work as a draft at once
    // (as a crash keeps the last one), written `age` seconds ago. Answers the draft's path.
    std::string endedRun(const std::string& text = "hi", int age = 0) {
        open();
        ctx().clock = [] { return clsDateTime{2026, 7, 14, 21, 5, 33}; };
        EXPECT_TRUE(ctx().builder.add_code("F1", text, "say", {"1"}, 1, "1", false));
        p.messages.answers = {A::Yes};
        construct()->close();
        const std::string path = ctx().draft.path();
        EXPECT_EQ(p.locks.held.size(), 1u);
        start.reset();
        p.exit.ends = 0;
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::seconds(age));
        return path;
    }
    std::string bindOf(const char* key) { return construct() ? ctx().builder.get_bindcode(key) : ""; }
    paths onDisk() {
        const std::vector<std::string> found = clsDraft::candidates(p.folder.folders().userDataFolder);
        return {found.begin(), found.end()};
    }
};

// Drafts of runs that ended without a word (the oldest the single draft of an older version) are offered newest
// first, Yes the default; No deletes only that draft (with its sidecar) and asks about the next, Yes restores it and
// asks no more, nor does Escape; a draft whose copy still runs is never offered. The next start asks about every
// draft left.
TEST_F(drafts, offersEveryDraftLeftNewestFirst) {
    const std::string question =
        "Restore?: Restore the 1 bind you had not saved (made 07-14-2026 21:05:33 with keys.txt)? (?) [Yes* No]\n";
    struct row {
        std::deque<msgAnswer> answers;
        const char *restored, *kept;  // F1's bind afterwards; which of the drafts a (oldest), b, c (newest) are left
        char running = 0;             // the draft whose copy still runs
    };
    for (const row& r : std::vector<row>{{{A::Yes}, "^1c", "abc"},
                                         {{A::No, A::Yes}, "^1b", "ab"},
                                         {{A::No, A::No, A::No}, "", ""},
                                         {{A::No, A::Cancel}, "", "ab"},
                                         {{A::Yes}, "^1b", "abc", 'c'}}) {
        SCOPED_TRACE(std::to_string(r.answers.size()) + r.restored);
        std::map<char, std::string> made{{'a', p.folder.folders().userDataFolder + "/draft.cfg"},
                                         {'b', endedRun("b", 20)},
                                         {'c', endedRun("c", 10)}};
        fs::rename(endedRun("a", 30), made['a']);
        std::ofstream(clsDraft::sidecarPath(made['c'])) << "x";
        if (r.running) p.locks.elsewhere.insert(draftOwner::lockPath(made[r.running]));
        restart(r.answers);
        std::string asked;
        for (std::size_t n = 0; n < r.answers.size(); ++n) asked += question;
        EXPECT_EQ(p.messages.asked(), asked);
        EXPECT_EQ(bindOf("F1"), r.restored);
        paths kept;
        for (const char* k = r.kept; *k; ++k) kept.insert(made[*k]);
        EXPECT_EQ(onDisk(), kept);
        EXPECT_EQ(fs::exists(clsDraft::sidecarPath(made['c'])), kept.contains(made['c']));
        restart({A::No, A::No, A::No});
        EXPECT_EQ(p.messages.log.size(), kept.size() - (r.running ? 1 : 0));
        EXPECT_EQ(onDisk(), r.running ? paths{made[r.running]} : paths{});
        start.reset();
        if (r.running) fs::remove(made[r.running]);
        p.locks.elsewhere.clear();
    }
}

// A run that opened the player's own file keeps its bytes beside the draft. Restored (it becomes this run's draft,
// under its lock), even with every bind cleared, saving writes that file (under its name, in the output folder) with
// only the changes; the save removes the draft, its sidecar and its lock, and no draft is written after it.
TEST_F(drafts, aRestoredDraftSavesIntoTheFileOpenedThen) {
    const std::string mine = p.programFolder() + "/autoexec.cfg";
    std::ofstream(mine, std::ios::binary) << "seta name me\nbind F1 say old\n// mine\nbind F2 +attack\nexec x.cfg\n";
    open();
    ASSERT_TRUE(construct()->openCfg(mine));
    ctx().builder.Reset_Binds();
    start->drafts().flush();
    start.reset();
    restart({A::Yes});
    EXPECT_NE(p.messages.asked().find("Restore the changes to autoexec.cfg you had not saved, 0 binds"),
              std::string::npos)
        << p.messages.asked();
    ASSERT_TRUE(construct());
    ASSERT_TRUE(construct()->isVisible());
    ASSERT_FALSE(start->isVisible());
    EXPECT_TRUE(onDisk() == paths{ctx().draft.path()});
    EXPECT_TRUE(p.locks.held == paths{ctx().draft.path() + ".lock"});
    ASSERT_TRUE(saveAs(construct(), ""));  // under the opened file's name, in the output folder
    EXPECT_EQ(scratchFolder::read(ctx().outputFolder() + "/autoexec.cfg"), "seta name me\n// mine\nexec x.cfg\n");
    EXPECT_TRUE(onDisk().empty());
    EXPECT_TRUE(p.locks.held.empty());
    EXPECT_FALSE(fs::exists(clsDraft::sidecarPath(ctx().draft.path())));
    ctx().builder.add_code("F2", "x", "say", {"1"}, 1, "1", false);
    start->drafts().flush();
    EXPECT_TRUE(onDisk().empty());
}

// Its definition file gone: the player hears so, picks another file, and the binds come back with it (F1, which
// that file does not list, is added to its keys); the draft now names that file.
TEST_F(drafts, definitionFileGoneRestoresWithTheFilePicked) {
    const std::string left = endedRun();
    fs::remove(input + "/keys.txt");
    restart({A::Yes});
    ASSERT_EQ(p.messages.log.at(1).title, "Definition File Missing");
    ASSERT_FALSE(construct());
    ASSERT_TRUE(start->findChild<QListWidget*>("fileInput")->isVisible());
    ASSERT_TRUE(openDefinitions(*start, "other.txt"));
    EXPECT_EQ(bindOf("F1"), "^1hi");
    EXPECT_NE(p.messages.log.back().text.find("added at the end of the key list: F1."), std::string::npos);
    start->drafts().flush();
    EXPECT_EQ(clsDraft::read(left)->definitions, "other.txt");
}

// The first change starts the timer (two seconds; here a keeper of 200 ms) and later ones do not restart it, so a
// draft lands within its delay of the first change even while changes go on. Yes to File / Exit deletes it.
TEST_F(drafts, aDraftLandsWithinTheDelayOfTheFirstChange) {
    open();
    EXPECT_EQ(start->drafts().timer().interval(), 2000);
    draftKeeper quick(ctx(), 200);
    QElapsedTimer since;
    since.start();
    for (int n = 0; !fs::exists(ctx().draft.path()) && since.elapsed() < 2000; ++n) {
        ctx().builder.add_code("F1", n % 2 ? "hi" : "ho", "say", {"1"}, 1, "1", false);
        QTest::qWait(40);
    }
    EXPECT_LT(since.elapsed(), 1000);
    EXPECT_EQ(clsCfgImport::fromFile(ctx().draft.path()).bindings.size(), 1u);
    p.messages.answers = {A::Yes};  // Exit gives the work up
    construct()->findChild<QAction*>("mnuExit")->trigger();
    EXPECT_TRUE(onDisk().empty());
    EXPECT_TRUE(p.locks.held.empty());
}

}  // namespace
