// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <csignal>
#include <iterator>

#include <sys/resource.h>
#include <unistd.h>

#include "model/cfgfile/clsCfgFile.h"
#include "support/loadedBuilder.h"

namespace fs = std::filesystem;

namespace {

std::ptrdiff_t entries(const std::string& folder) { return std::distance(fs::directory_iterator(folder), {}); }

TEST(clsCfgFile, contentsByteForByte) {
    const std::string header =
        "// Description: Cfg file with text/radio binds for Soldier of Fortune 2\r\n"
        "// Created with: Brenvolt Beta 0.98\r\n// Creation Date: 07-04-2003\r\n// Creation Time: 21:05:03\r\n"
        "// Info: Place this file in the program files\\sof2\\base\\mp folder and in console type: 'exec mybinds.cfg'"
        "\r\n//\r\n// Thanx for using my program,\r\n// Tarvelin\r\n\r\n";
    loadedBuilder t("key:F1\r\nkey:R\r\nkey:MOUSE1\r\nkey:U\r\n");
    clsCfgBuilder& b = t.b;
    const clsDateTime when{2003, 7, 4, 21, 5, 3};
    EXPECT_EQ(clsCfgFile::contents(b, "mybinds.cfg", when), header);  // an empty scheme: nine lines
    b.add_code("MOUSE1", "go  go", "say_team", {"1", "2"}, 2, "2", false);
    b.add_radio_code("R", "radio 1 1", "Follow me");
    b.add_code("F1", "Hi ", "say", {"1"}, 1, "1", false);
    b.add_osp_code("F1", "#n", "say", true);
    b.add_code("U", "a", "say", {"1"}, 1, "1", false);  // one piece left after undo: still written
    b.add_code("U", "b", "say", {"1"}, 1, "1", false);
    b.remove_bind_part("U");
    EXPECT_EQ(
        clsCfgFile::contents(b, "mybinds.cfg", when),
        header + "bind F1 say #n^1Hi \r\nbind R radio 1 1\r\nbind MOUSE1 say_team ^1go  ^2go\r\nbind U say ^1a\r\n");
}

// Every failure leaves the old file whole and nothing new behind, and gives the reason without the path (the
// message names it once). (A save that works, into a new folder, over a longer file, under a 255-byte name: the save
// dialog's test.)
TEST(clsCfgFileWrite, failuresChangeNothing) {
    scratchFolder dir;
    dir.write("blocked", "not a folder");
    fs::create_directory(dir.file("folder.cfg"));
    dir.write("a.cfg", "old contents\r\n");
    const auto fails = [&](const std::string& folder, const std::string& name, const std::string& reason) {
        const clsWriteResult r = clsCfgFile::writeAtomically(folder, name, std::string(1 << 20, 'n'));
        EXPECT_FALSE(r.ok) << reason;
        EXPECT_NE(r.reason.find(reason), std::string::npos) << r.reason;
        EXPECT_EQ(r.reason.find(dir.path()), std::string::npos) << r.reason;
        EXPECT_EQ(scratchFolder::read(dir.file("a.cfg")), "old contents\r\n");
        EXPECT_EQ(entries(dir.path()), 3) << reason;
    };
    fails(dir.file("blocked"), "a.cfg", "Its folder cannot be made: a file named blocked is in the way.");
    fails(dir.path(), "folder.cfg", "A folder of that name is in the way.");
    fails(dir.file("missing/OutputCfgFiles"), "a.cfg",
          "Its folder OutputCfgFiles could not be made: ");                    // one level only
    fails(dir.path(), std::string(252, 'n') + ".cfg", "File name too long.");  // more than the file system takes
    rlimit before{};  // a full disk, simulated by a file size limit
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, before.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    fails(dir.path(), "a.cfg", "File too large.");
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    if (geteuid() == 0) return;  // root writes into read-only folders
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    fails(dir.path(), "a.cfg", "Permission denied.");
    fs::permissions(dir.path(), fs::perms::owner_all);
}

}  // namespace
