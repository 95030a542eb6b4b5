// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Unsaved work survives: the draft written as the binds change, offered back at the next start.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>

#include "model/cfgfile/clsCfgImport.h"
#include "support/fakePlatform.h"
#include "support/uiSteps.h"
#include "ui/shell/draftKeeper.h"
#include "ui/shell/draftOwner.h"

namespace {

namespace fs = std::filesystem;
using A = msgAnswer;

class drafts : public testing::Test {
protected:
    fakePlatform p;
    std::unique_ptr<frmStart> start;
    const std::string input = p.programFolder() + "/InputFiles";
    const std::string data = p.folder.folders().userDataFolder;

    void SetUp() override {
        fs::create_directories(input);
        std::ofstream(input + "/keys.txt") << "key:F1\nkey:F2\ncolor:Red<>1\n";
        std::ofstream(input + "/other.txt") << "key:F2\n";
    }
    // A run that binds F1 to text and ends without a word (a crash, a power cut): its draft stays, written
    // `age` seconds ago. Answers the draft's path.
    std::string crashedRun(const std::string& text = "hi", int age = 0) {
        open();
        EXPECT_TRUE(openDefinitions(*start, "keys.txt"));
        start->context().clock = [] { return clsDateTime{2026, 7, 14, 21, 5, 33}; };
        EXPECT_TRUE(start->context().builder.add_code("F1", text, "say", {"1"}, 1, "1", false));
        start->drafts().flush();
        const std::string path = start->context().draft.path();
        start.reset();
        p.messages.log.clear();
        EXPECT_TRUE(fs::exists(path));
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::seconds(age));
        return path;
    }
    void open() {
        start = std::make_unique<frmStart>(p.services);
        start->show();
    }
    // The next start, its questions answered.
    void restart(std::deque<msgAnswer> answers) {
        open();
        p.messages.answers = std::move(answers);
        start->offerDraft();
    }
    frmConstruct* construct() { return start->constructionScreen(); }
    std::string bindOf(const char* key) { return start->context().builder.get_bindcode(key); }
    std::string titles() {
        std::string out;
        for (const auto& m : p.messages.log) out += m.title + "|";
        return out;
    }
    std::vector<std::string> draftsOnDisk() { return clsDraft::candidates(data); }
};

// A run that opened the player's own file keeps its bytes beside the draft: restored, even with every bind
// cleared, saving writes that file back with only the changes.
TEST_F(drafts, aRestoredDraftSavesIntoTheFileOpenedThen) {
    const std::string mine = p.programFolder() + "/autoexec.cfg", kept = "seta name me\n// mine\nexec x.cfg\n";
    std::ofstream(mine, std::ios::binary) << "seta name me\nbind F1 say old\n// mine\nbind F2 +attack\nexec x.cfg\n";
    open();
    ASSERT_TRUE(openDefinitions(*start, "keys.txt"));
    ASSERT_TRUE(construct()->openCfg(mine));
    start->context().builder.Reset_Binds();
    start->drafts().flush();
    start.reset();
    p.messages.log.clear();

    restart({A::Yes});
    EXPECT_NE(p.messages.asked().find("Restore the changes to autoexec.cfg you had not saved, 0 binds (made"),
              std::string::npos)
        << p.messages.asked();
    ASSERT_TRUE(construct());
    EXPECT_EQ(start->context().builder.bound_count(), 0u);
    EXPECT_EQ(start->context().document.saved({}, "autoexec.cfg", {}), kept);
    // A save removes the draft and the kept file with it, and lets its lock go; the program is ending: no draft
    // any more.
    p.messages.answers = {A::Yes};
    ASSERT_TRUE(saveAs(construct(), ""));
    EXPECT_TRUE(draftsOnDisk().empty() && p.locks.held.empty());
    EXPECT_FALSE(fs::exists(clsDraft::sidecarPath(start->context().draft.path())));
    start->context().builder.add_code("F2", "x", "say", {"1"}, 1, "1", false);
    start->drafts().flush();
    EXPECT_TRUE(draftsOnDisk().empty());
}

// Yes restores (Enter answers Yes: it loses nothing); the draft on disk, here the single draft of an older version,
// becomes this run's, locked, and stays until the work is saved.
TEST_F(drafts, restoreYesOpensTheBindsAgain) {
    const std::string left = data + "/draft.cfg";
    fs::rename(crashedRun(), left);
    restart({A::Yes});
    EXPECT_EQ(
        p.messages.asked(),
        "Restore?: Restore the 1 bind you had not saved (made 07-14-2026 21:05:33 with keys.txt)? (?) [Yes* No]\n");
    ASSERT_TRUE(construct() && construct()->isVisible() && !start->isVisible());
    EXPECT_EQ(bindOf("F1"), "^1hi");
    EXPECT_EQ(construct()->findChild<QComboBox*>("cboKeys")->currentText(), "F1");  // as after Done
    EXPECT_EQ(start->context().draft.path(), left);
    EXPECT_EQ(p.locks.held, std::set<std::string>{left + ".lock"});
    start->context().clock = [] { return clsDateTime{2030, 1, 1, 0, 0, 0}; };
    start->drafts().flush();  // the draft already holds them: not written again
    EXPECT_EQ(clsDraft::read(left)->made, "07-14-2026 21:05:33");
    // Adopted: a crash right after leaves the binds, changed, in the same file, and nothing else.
    start->context().builder.add_code("F2", "ho", "say", {"1"}, 1, "1", false);
    start->drafts().flush();
    start.reset();
    EXPECT_EQ(draftsOnDisk(), std::vector<std::string>{left});
    EXPECT_EQ(clsDraft::read(left)->binds, 2u);
    EXPECT_TRUE(p.locks.held.empty());
}

// No deletes that draft, so the next start asks nothing; Escape or the close box keep it, and the next start asks
// again.
TEST_F(drafts, onlyNoDeletesTheDraft) {
    for (const A answer : {A::No, A::Cancel}) {
        SCOPED_TRACE(int(answer));
        const std::string left = crashedRun();
        restart({answer});
        EXPECT_TRUE(titles() == "Restore?|");
        EXPECT_TRUE(!construct());
        EXPECT_EQ(fs::exists(left), answer != A::No);
        start.reset();
        p.messages.log.clear();
        restart({A::No});
        EXPECT_EQ(titles(), answer == A::No ? "" : "Restore?|");
        EXPECT_TRUE(!construct());
        EXPECT_TRUE(!fs::exists(left));
        start.reset();
        p.messages.log.clear();
    }
}

// Several copies ended without a word: their drafts are offered newest first; No deletes only the draft asked
// about and asks about the next, Yes restores that one and asks no more, nor does Escape.
TEST_F(drafts, severalDraftsAreOfferedNewestFirst) {
    struct row {
        const char* name;
        std::deque<msgAnswer> answers;
        const char* restored;   // F1's bind after the questions; "" when none
        std::vector<int> kept;  // of the drafts a (oldest), b, c (newest)
    };
    for (const row& r :
         {row{"yes", {A::Yes}, "^1c", {0, 1, 2}}, row{"noYes", {A::No, A::Yes}, "^1b", {0, 1}},
          row{"noNoNo", {A::No, A::No, A::No}, "", {}}, row{"noCancel", {A::No, A::Cancel}, "", {0, 1}}}) {
        SCOPED_TRACE(r.name);
        const std::vector<std::string> made{crashedRun("a", 30), crashedRun("b", 20), crashedRun("c", 10)};
        restart(r.answers);
        std::string asked;
        for (const auto& m : p.messages.log)
            if (m.title == "Restore?") asked += "?";
        EXPECT_EQ(asked.size(), r.answers.size());
        EXPECT_EQ(construct() ? bindOf("F1") : "", r.restored);
        std::set<std::string> kept;
        for (const int k : r.kept) kept.insert(made[k]);
        const std::vector<std::string> left = draftsOnDisk();
        EXPECT_EQ(std::set<std::string>(left.begin(), left.end()), kept);
        start.reset();
        for (const std::string& path : made) fs::remove(path);
        p.messages.log.clear();
    }
}

// A draft whose copy still runs (its lock held) is never offered.
TEST_F(drafts, aDraftWhoseCopyStillRunsIsNeverOffered) {
    const std::string running = crashedRun("b", 10);
    const std::string older = crashedRun("a", 20);
    p.locks.elsewhere.insert(draftOwner::lockPath(running));
    restart({A::Yes});
    EXPECT_EQ(bindOf("F1"), "^1a");
    EXPECT_EQ(titles(), "Restore?|");
    EXPECT_TRUE(fs::exists(running));
}

// Its definition file gone: the player hears so, picks another file, and the binds come back with it (F1,
// which that file does not list, is added to its keys).
TEST_F(drafts, definitionFileGoneRestoresWithTheFilePicked) {
    const std::string left = crashedRun();
    fs::remove(input + "/keys.txt");
    restart({A::Yes});
    EXPECT_EQ(titles(), "Restore?|Definition File Missing|");
    ASSERT_TRUE(!construct() && start->findChild<QListWidget*>("fileInput")->isVisible());
    ASSERT_TRUE(openDefinitions(*start, "other.txt"));
    EXPECT_EQ(bindOf("F1"), "^1hi");
    EXPECT_EQ(titles(), "Restore?|Definition File Missing|Binds Restored|");
    EXPECT_NE(p.messages.log.back().text.find("added at the end of the key list: F1."), std::string::npos);
    start->drafts().flush();  // now made with other.txt, in the same draft
    EXPECT_EQ(clsDraft::read(left)->definitions, "other.txt");
}

// The close box asks as Exit does; Yes there keeps the work as a draft at once, Yes to File / Exit gives it up.
TEST_F(drafts, closeBoxKeepsTheWorkAndExitGivesItUp) {
    for (const char* way : {"close", "mnuExit"}) {
        SCOPED_TRACE(way);
        open();
        ASSERT_TRUE(openDefinitions(*start, "keys.txt"));
        ASSERT_TRUE(start->context().builder.add_code("F1", "hi", "say", {"1"}, 1, "1", false));
        p.messages.answers = {A::Yes};
        std::string(way) == "close" ? (void)construct()->close() : construct()->findChild<QAction*>(way)->trigger();
        EXPECT_EQ(fs::exists(start->context().draft.path()), std::string(way) == "close");
        EXPECT_EQ(p.locks.held.size(), std::string(way) == "close" ? 1u : 0u);
        start.reset();
        for (const std::string& path : draftsOnDisk()) fs::remove(path);
        p.exit.ends = 0;
    }
}

// The first change starts the timer; later ones do not restart it, so a draft lands within its delay of any change.
TEST_F(drafts, aDraftLandsWithinTheDelayOfTheFirstChange) {
    open();
    ASSERT_TRUE(openDefinitions(*start, "keys.txt"));
    const std::string draft = start->context().draft.path();
    const QTimer& timer = start->drafts().timer();
    EXPECT_TRUE(!timer.isActive() && timer.interval() == 2000);
    clsCfgBuilder& b = start->context().builder;
    b.add_code("F1", "hi", "say", {"1"}, 1, "1", false);
    ASSERT_TRUE(timer.isActive());
    const int left = timer.remainingTime();
    QTest::qWait(30);
    b.add_code("F1", "ho", "say", {"1"}, 1, "1", false);
    EXPECT_LT(timer.remainingTime(), left);

    draftKeeper quick(start->context(), 10);  // the same, sooner
    b.remove_bind_part("F1");
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(draft), 2000);
    EXPECT_EQ(clsCfgImport::fromFile(draft).bindings.size(), 1u);
}

}  // namespace
