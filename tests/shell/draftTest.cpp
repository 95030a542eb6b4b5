// Unsaved work survives: the draft written as the binds change, offered back at the next start.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>

#include "cfgoutput/clsCfgImport.h"
#include "shell/draftKeeper.h"
#include "support/fakePlatform.h"
#include "support/uiSteps.h"

namespace {

namespace fs = std::filesystem;

class drafts : public testing::Test {
protected:
    fakePlatform p;
    std::unique_ptr<frmStart> start;
    const std::string input = p.programFolder() + "/InputFiles";
    const std::string draft = p.folder.folders().userDataFolder + "/draft.cfg";

    void SetUp() override {
        fs::create_directories(input);
        std::ofstream(input + "/keys.txt") << "key:F1\nkey:F2\ncolor:Red<>1\n";
        std::ofstream(input + "/other.txt") << "key:F2\n";
    }
    // A run that binds F1 and ends without a word (a crash, a power cut): its draft stays.
    void crashedRun() {
        open();
        ASSERT_TRUE(openDefinitions(*start, "keys.txt"));
        start->context().clock = [] { return clsDateTime{2026, 7, 14, 21, 5, 33}; };
        ASSERT_TRUE(start->context().builder.add_code("F1", "hi", "say", {"1"}, 1, "1", false));
        start->drafts().flush();
        start.reset();
        p.messages.log.clear();
    }
    void open() {
        start = std::make_unique<frmStart>(p.services);
        start->show();
    }
    // The next start, its question answered.
    void restart(msgAnswer answer) {
        open();
        p.messages.answers = {answer};
        start->offerDraft();
    }
    frmConstruct* construct() { return start->constructionScreen(); }
    std::string bindOf(const char* key) { return start->context().builder.get_bindcode(key); }
    std::string titles() {
        std::string out;
        for (const auto& m : p.messages.log) out += m.title + "|";
        return out;
    }
};

// Yes restores (Enter answers Yes: it loses nothing); the draft on disk stays until the work is saved.
TEST_F(drafts, restoreYesOpensTheBindsAgain) {
    crashedRun();
    restart(msgAnswer::Yes);
    EXPECT_EQ(p.messages.asked(),
              "Restore?: Restore the 1 bind you had not saved (made 07-14-2026 21:05:33 with keys.txt)? (?) [Yes* No]\n");
    ASSERT_TRUE(construct() && construct()->isVisible() && !start->isVisible());
    EXPECT_EQ(bindOf("F1"), "^1hi");
    start->context().clock = [] { return clsDateTime{2030, 1, 1, 0, 0, 0}; };
    start->drafts().flush();  // the draft already holds them: not written again
    EXPECT_EQ(clsDraft::find(p.folder.folders().userDataFolder)->made, "07-14-2026 21:05:33");
}

// No deletes the draft, so the next start asks nothing.
TEST_F(drafts, restoreNoDeletesTheDraft) {
    crashedRun();
    restart(msgAnswer::No);
    EXPECT_TRUE(titles() == "Restore?|" && !construct() && !fs::exists(draft));
    restart(msgAnswer::Yes);
    EXPECT_TRUE(titles() == "Restore?|" && !construct());
}

// Its definition file gone: the player hears so, picks another file, and the binds come back with it (F1,
// which that file does not list, is added to its keys).
TEST_F(drafts, definitionFileGoneRestoresWithTheFilePicked) {
    crashedRun();
    fs::remove(input + "/keys.txt");
    restart(msgAnswer::Yes);
    EXPECT_EQ(titles(), "Restore?|Definition File Missing|");
    ASSERT_TRUE(!construct() && start->findChild<QListWidget*>("fileInput")->isVisible());
    ASSERT_TRUE(openDefinitions(*start, "other.txt") && construct()->isVisible());
    EXPECT_EQ(bindOf("F1"), "^1hi");
    EXPECT_EQ(titles(), "Restore?|Definition File Missing|Binds Restored|");
    EXPECT_NE(p.messages.log.back().text.find("added at the end of the key list: F1."), std::string::npos);
    start->drafts().flush();  // now made with other.txt
    EXPECT_EQ(clsDraft::find(p.folder.folders().userDataFolder)->definitions, "other.txt");
}

// Crash, restore, save: the saved work needs no draft any more.
TEST_F(drafts, aSaveDeletesTheDraft) {
    crashedRun();
    restart(msgAnswer::Yes);
    ASSERT_TRUE(construct() && fs::exists(draft));
    ASSERT_TRUE(saveAs(construct(), "saved"));
    EXPECT_TRUE(fs::exists(p.programFolder() + "/OutputCfgFiles/saved.cfg"));
    EXPECT_FALSE(fs::exists(draft));
    start->context().builder.add_code("F2", "x", "say", {"1"}, 1, "1", false);
    start->drafts().flush();  // the program is ending: no draft any more
    EXPECT_FALSE(fs::exists(draft));
}

// The close box asks as Exit does; Yes there keeps the work as a draft at once, Yes to File / Exit gives it up.
TEST_F(drafts, closeBoxKeepsTheWorkAndExitGivesItUp) {
    for (const char* way : {"close", "mnuExit"}) {
        SCOPED_TRACE(way);
        open();
        ASSERT_TRUE(openDefinitions(*start, "keys.txt"));
        ASSERT_TRUE(start->context().builder.add_code("F1", "hi", "say", {"1"}, 1, "1", false));
        p.messages.answers = {msgAnswer::Yes};
        std::string(way) == "close" ? (void)construct()->close() : construct()->findChild<QAction*>(way)->trigger();
        EXPECT_EQ(fs::exists(draft), std::string(way) == "close");
        start.reset();
        p.exit.ends = 0;
    }
}

// The first change starts the timer; later ones do not restart it, so a draft lands within its delay of any change.
TEST_F(drafts, aDraftLandsWithinTheDelayOfTheFirstChange) {
    open();
    ASSERT_TRUE(openDefinitions(*start, "keys.txt"));
    const QTimer& timer = start->drafts().timer();
    EXPECT_TRUE(!timer.isActive() && timer.interval() == 2000 && timer.isSingleShot());
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
