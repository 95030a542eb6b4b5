#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "bindmodel/clsCfgBuilder.h"
#include "cfgoutput/clsCfgFile.h"
#include "definitions/scratchFolder.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const std::string fixedHeader =
    "// Description: Cfg file with text/radio binds for Soldier of Fortune 2\r\n"
    "// Created with: Brenvolt Beta 0.98\r\n"
    "// Creation Date: 07-14-2003\r\n"
    "// Creation Time: 21:05:33\r\n"
    "// Info: Place this file in the program files\\sof2\\base\\mp folder and in console type: 'exec mybinds.cfg'\r\n"
    "//\r\n"
    "// Thanx for using my program,\r\n"
    "// Tarvelin\r\n"
    "\r\n";

const clsDateTime example{2003, 7, 14, 21, 5, 33};

struct headerCase {
    clsDateTime when;
    std::string date, time;
};

class headerMoments : public testing::TestWithParam<headerCase> {};

TEST_P(headerMoments, dateAndTimeLines) {
    const auto lines = clsCfgFile::headerLines("a.cfg", GetParam().when);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "// Creation Date: " + GetParam().date);
    EXPECT_EQ(lines[3], "// Creation Time: " + GetParam().time);
    EXPECT_EQ(lines[8], "");
}

INSTANTIATE_TEST_SUITE_P(clock, headerMoments,
                         testing::Values(headerCase{example, "07-14-2003", "21:05:33"},
                                         headerCase{{2026, 12, 6, 0, 0, 0}, "12-06-2026", "00:00:00"},
                                         headerCase{{1999, 1, 31, 23, 59, 59}, "01-31-1999", "23:59:59"},
                                         headerCase{{2010, 10, 1, 9, 8, 7}, "10-01-2010", "09:08:07"}),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

class cfgContents : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(b.read_info(dir.write("d.txt", "key:F1\r\nkey:T\r\nkey:R\r\nkey:MOUSE1\r\nkey:U\r\n")));
    }
    std::string contents() { return clsCfgFile::contents(b, "mybinds.cfg", example); }
    scratchFolder dir;
    clsCfgBuilder b;
};

TEST_F(cfgContents, emptySchemeGivesTheHeaderOnly) { EXPECT_EQ(contents(), fixedHeader); }

TEST_F(cfgContents, exampleFileByteForByte) {
    b.add_code("F1", "Hi ", "say", {"1"}, 1, "1", false);
    b.add_code("F1", "all", "say", {"2"}, 1, "1", false);
    EXPECT_EQ(contents(), fixedHeader + "bind F1 say ^1Hi ^2all\r\n");
}

TEST_F(cfgContents, everyKindOfBindInKeyOrder) {
    b.add_code("MOUSE1", "go  go", "say_team", {"1", "2"}, 2, "2", false);
    b.add_radio_code("R", "radio 1 1", "Follow me");
    b.add_code("F1", "hi", "say", {"1"}, 1, "1", false);
    b.add_osp_code("F1", "#n", "say", true);
    // T was bound and emptied; U still holds a piece after an undo.
    b.add_code("T", "x", "say", {"1"}, 1, "1", false);
    b.remove_bind_part("T");
    b.add_code("U", "a", "say", {"1"}, 1, "1", false);
    b.add_code("U", "b", "say", {"1"}, 1, "1", false);
    b.remove_bind_part("U");
    EXPECT_EQ(contents(), fixedHeader +
                              "bind F1 say #n^1hi\r\n"
                              "bind R radio 1 1\r\n"
                              "bind MOUSE1 say_team ^1go  ^2go\r\n"
                              "bind U say ^1a\r\n");
}

TEST(clsCfgFile, bindLines) {
    clsbind radio;
    radio.key = "R";
    radio.Add_to_Back({"Follow me", "radio 1 1"}, "radio:");
    EXPECT_EQ(clsCfgFile::bindLine(radio), "bind R radio 1 1");
    clsbind team;
    team.key = "R";
    team.Add_to_Back({" a ", " ^1a "}, "say_team");
    EXPECT_EQ(clsCfgFile::bindLine(team), "bind R say_team  ^1a ");
    clsbind odd;
    odd.key = "K";
    odd.Add_to_Back({"x", "x"}, "Radio:");  // only "radio:" drops the kind
    EXPECT_EQ(clsCfgFile::bindLine(odd), "bind K Radio: x");
}

TEST(clsCfgFileWrite, createsTheFolderAndWritesExactly) {
    scratchFolder dir;
    const std::string folder = dir.file("OutputCfgFiles");
    const std::string bytes = fixedHeader + std::string("bind A say \xFF\0x\r\n", 16);
    const clsWriteResult r = clsCfgFile::writeAtomically(folder, "mybinds.cfg", bytes);
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_EQ(scratchFolder::read(folder + "/mybinds.cfg"), bytes);
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"mybinds.cfg"}));
}

TEST(clsCfgFileWrite, folderWithTrailingSeparator) {
    scratchFolder dir;
    ASSERT_TRUE(clsCfgFile::writeAtomically(dir.path() + "/", "a.cfg", "x").ok);
    EXPECT_EQ(scratchFolder::read(dir.file("a.cfg")), "x");
}

TEST(clsCfgFileWrite, replacesALongerFileCompletely) {
    scratchFolder dir;
    dir.write("a.cfg", std::string(10000, 'o'));
    ASSERT_TRUE(clsCfgFile::writeAtomically(dir.path(), "a.cfg", "new\r\n").ok);
    EXPECT_EQ(scratchFolder::read(dir.file("a.cfg")), "new\r\n");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"a.cfg"}));
}

TEST(clsCfgFileWrite, folderBlockedByAFile) {
    scratchFolder dir;
    dir.write("OutputCfgFiles", "not a folder");
    const clsWriteResult r = clsCfgFile::writeAtomically(dir.file("OutputCfgFiles"), "a.cfg", "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.reason.find("OutputCfgFiles"), std::string::npos) << r.reason;
    EXPECT_EQ(scratchFolder::read(dir.file("OutputCfgFiles")), "not a folder");
}

TEST(clsCfgFileWrite, onlyOneFolderLevelIsCreated) {
    scratchFolder dir;
    const clsWriteResult r = clsCfgFile::writeAtomically(dir.file("missing/OutputCfgFiles"), "a.cfg", "x");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.empty());
    EXPECT_TRUE(namesIn(dir.path()).empty());
}

TEST(clsCfgFileWrite, targetBlockedByAFolder) {
    scratchFolder dir;
    fs::create_directory(dir.file("a.cfg"));
    const clsWriteResult r = clsCfgFile::writeAtomically(dir.path(), "a.cfg", "x");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.empty());
    EXPECT_TRUE(fs::is_directory(dir.file("a.cfg")));
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"a.cfg"}));
}

// A full disk, simulated by a file size limit: the old file stays whole and
// no temporary file is left behind.
TEST(clsCfgFileWrite, fullDiskLeavesTheOldFile) {
    scratchFolder dir;
    dir.write("a.cfg", "old contents\r\n");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const clsWriteResult r = clsCfgFile::writeAtomically(dir.path(), "a.cfg", std::string(1 << 20, 'n'));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.reason.find("a.cfg"), std::string::npos) << r.reason;
    EXPECT_EQ(scratchFolder::read(dir.file("a.cfg")), "old contents\r\n");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"a.cfg"}));
}

TEST(clsCfgFileWrite, readOnlyFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    scratchFolder dir;
    const std::string folder = dir.file("ro");
    fs::create_directory(folder);
    dir.write("ro/a.cfg", "old");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const clsWriteResult r = clsCfgFile::writeAtomically(folder, "a.cfg", "new");
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(scratchFolder::read(folder + "/a.cfg"), "old");
}

TEST(clsDateTime, nowIsAPlausibleLocalMoment) {
    const clsDateTime t = clsDateTime::now();
    EXPECT_GE(t.year, 2024);
    EXPECT_TRUE(t.month >= 1 && t.month <= 12);
    EXPECT_TRUE(t.day >= 1 && t.day <= 31);
    EXPECT_TRUE(t.hour >= 0 && t.hour <= 23);
    EXPECT_TRUE(t.minute >= 0 && t.minute <= 59);
    EXPECT_TRUE(t.second >= 0 && t.second <= 60);
}

}  // namespace
