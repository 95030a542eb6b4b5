#include <gtest/gtest.h>

#include <iterator>
#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

#include "bindmodel/clsCfgBuilder.h"
#include "cfgoutput/clsCfgFile.h"
#include "definitions/scratchFolder.h"

namespace fs = std::filesystem;

namespace {

// Entries in a folder: shows that no temporary file is left behind.
std::ptrdiff_t entries(const std::string& folder) { return std::distance(fs::directory_iterator(folder), {}); }

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

TEST(clsCfgFile, contentsByteForByte) {
    scratchFolder dir;
    clsCfgBuilder b;
    ASSERT_TRUE(b.read_info(dir.write("d.txt", "key:F1\r\nkey:T\r\nkey:R\r\nkey:MOUSE1\r\nkey:U\r\n")));
    const clsDateTime when{2003, 7, 14, 21, 5, 33};
    EXPECT_EQ(clsCfgFile::contents(b, "mybinds.cfg", when), fixedHeader);  // an empty scheme: nine lines
    b.add_code("MOUSE1", "go  go", "say_team", {"1", "2"}, 2, "2", false);
    b.add_radio_code("R", "radio 1 1", "Follow me");
    b.add_code("F1", "Hi ", "say", {"1"}, 1, "1", false);
    b.add_osp_code("F1", "#n", "say", true);
    b.add_code("T", "x", "say", {"1"}, 1, "1", false);  // emptied by undo: no line
    b.remove_bind_part("T");
    b.add_code("U", "a", "say", {"1"}, 1, "1", false);  // one piece left after undo: still written
    b.add_code("U", "b", "say", {"1"}, 1, "1", false);
    b.remove_bind_part("U");
    EXPECT_EQ(clsCfgFile::contents(b, "mybinds.cfg", when),
              fixedHeader + "bind F1 say #n^1Hi \r\nbind R radio 1 1\r\nbind MOUSE1 say_team ^1go  ^2go\r\nbind U say ^1a\r\n");
}

TEST(clsCfgFileWrite, createsOneFolderLevelAndReplacesWhole) {
    scratchFolder dir;
    const std::string folder = dir.file("OutputCfgFiles");
    const std::string bytes = fixedHeader + std::string("bind A say \xFF\0x\r\n", 16);
    const clsWriteResult r = clsCfgFile::writeAtomically(folder, "mybinds.cfg", bytes);
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_EQ(scratchFolder::read(folder + "/mybinds.cfg"), bytes);
    dir.write("a.cfg", std::string(10000, 'o'));
    ASSERT_TRUE(clsCfgFile::writeAtomically(dir.path() + "/", "a.cfg", "new\r\n").ok);
    EXPECT_EQ(scratchFolder::read(dir.file("a.cfg")), "new\r\n");
    EXPECT_EQ(entries(dir.path()), 2);
    EXPECT_FALSE(clsCfgFile::writeAtomically(dir.file("missing/OutputCfgFiles"), "a.cfg", "x").ok);
    EXPECT_FALSE(fs::exists(dir.file("missing")));
}

// Every failure leaves the old file whole, no temporary file behind, and gives a reason.
TEST(clsCfgFileWrite, failuresChangeNothing) {
    scratchFolder dir;
    dir.write("blocked", "not a folder");
    fs::create_directory(dir.file("folder.cfg"));
    clsWriteResult r = clsCfgFile::writeAtomically(dir.file("blocked"), "a.cfg", "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.reason.find("blocked"), std::string::npos) << r.reason;
    r = clsCfgFile::writeAtomically(dir.path(), "folder.cfg", "x");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.empty());
    EXPECT_TRUE(fs::is_directory(dir.file("folder.cfg")));

    dir.write("a.cfg", "old contents\r\n");  // a full disk, simulated by a file size limit
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, before.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    r = clsCfgFile::writeAtomically(dir.path(), "a.cfg", std::string(1 << 20, 'n'));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.reason.find("a.cfg"), std::string::npos) << r.reason;
    EXPECT_EQ(scratchFolder::read(dir.file("a.cfg")), "old contents\r\n");
    EXPECT_EQ(entries(dir.path()), 3);

    if (geteuid() == 0) return;  // root writes into read-only folders
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    r = clsCfgFile::writeAtomically(dir.path(), "a.cfg", "new");
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(scratchFolder::read(dir.file("a.cfg")), "old contents\r\n");
}

}  // namespace
