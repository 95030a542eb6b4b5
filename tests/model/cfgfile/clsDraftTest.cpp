// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <chrono>
#include <sstream>

#include "model/cfgfile/clsCfgImport.h"
#include "model/cfgfile/clsDraft.h"
#include "support/loadedBuilder.h"

namespace {

namespace fs = std::filesystem;
const clsDateTime when{2026, 7, 14, 21, 5, 33};

struct drafted : loadedBuilder {
    clsDraft draft;
    drafted() : loadedBuilder("key:F1\nkey:F2\n") { draft.setFolder(dir.file("data")); }  // made by the first draft
    bool exists() const { return fs::exists(draft.path()); }
    bool change(bool add) {  // F1 bound or cleared, then the draft written
        add ? (void)say("F1", "x") : b.remove_entire_bind("F1");
        draft.changed();
        return draft.write(b, when, "");
    }
};

// Written only after a change, read back with its header's facts; a name that would break the comment line, or
// that looks encoded already, comes back unchanged and adds no command.
TEST(clsDraft, keepsTheBindsWithTheDefinitionFilesName) {
    for (const auto& [definitions, opened] :
         {std::pair{"my;\"odd\" 100%\r\nfile.txt", "old.cfg"}, {"%41.txt", "100%25;"}, {"binds;", "x%4"}, {"%", ""}}) {
        SCOPED_TRACE(definitions);
        drafted d;
        d.draft.setDefinitions(definitions);
        EXPECT_TRUE(d.draft.write(d.b, when, opened));
        EXPECT_FALSE(d.exists());  // nothing changed yet
        ASSERT_TRUE(d.say("F2", "hi"));
        d.draft.changed();
        ASSERT_TRUE(d.draft.write(d.b, when, opened));
        const std::optional<clsDraftInfo> found = clsDraft::read(d.draft.path());
        ASSERT_TRUE(found);
        EXPECT_EQ(std::tuple(found->definitions, found->opened, found->made, found->binds),
                  std::tuple(definitions, opened, "07-14-2026 21:05:33", std::size_t{1}));
        const clsCfgImport read = clsCfgImport::fromFile(d.draft.path());
        EXPECT_TRUE(read.skipped.empty());
        EXPECT_TRUE(read.bindings.size() == 1);
    }
    scratchFolder dir;  // a draft is one only with binds in it
    EXPECT_FALSE(clsDraft::read(dir.write("draft.cfg", "// Definitions: x.txt\r\n\r\n// no binds\r\n")) ||
                 clsDraft::read(dir.file("gone.cfg")) || clsDraft::read(""));
}

// Every draft in the folder, the old single one too, newest first (ties by name); nothing else is taken for one.
TEST(clsDraft, listsTheDraftsNewestFirst) {
    scratchFolder dir;
    std::istringstream files(
        "draft.cfg -30 draft-b.cfg -10 draft-a.cfg -10 draft-c.cfg -20 draft-.cfg 0 draft-c.opened 0 "
        "draft-c.cfg.lock 0 draft-d.cfg.tmp 0 mydraft-e.cfg 0 Draft-f.cfg 0 draft-g.CFG 0");
    for (std::string name, age; files >> name >> age;)
        fs::last_write_time(dir.write(name, "x"),
                            fs::file_time_type::clock::now() + std::chrono::seconds(std::stoi(age)));
    fs::create_directories(dir.file("draft-h.cfg"));
    std::vector<std::string> names;
    for (const std::string& path : clsDraft::candidates(dir.path()))
        names.push_back(fs::path(path).filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"draft-a.cfg", "draft-b.cfg", "draft-c.cfg", "draft.cfg"}));
    EXPECT_TRUE(clsDraft::candidates(dir.file("none")).empty());
    EXPECT_TRUE(clsDraft::candidates("").empty());
    EXPECT_EQ(clsDraft::sidecarPath(dir.file("draft.cfg")), dir.file("draft.opened"));
}

// Written on the draft's own thread, the latest last; a discard right after waits for it and wins, removes the sidecar
// too, tells its owner, and no draft follows it. With no bind left the draft goes with its sidecar. A draft that
// cannot be written says so only to its caller and is tried again.
TEST(clsDraft, goesWhenNothingIsLeftOrTheWorkIsSavedOrGivenUp) {
    drafted d;
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(d.say("F1", std::string(40, 'x')));
        d.draft.changed();
        d.draft.writeLater(d.b, when, "");
    }
    d.draft.wait();
    EXPECT_EQ(clsCfgImport::fromFile(d.draft.path()).bindings.at(0).bind.code.size(), 20u * 42);
    const std::string sidecar = clsDraft::sidecarPath(d.draft.path());
    std::ofstream(sidecar) << "opened";
    EXPECT_TRUE(d.change(false));
    EXPECT_FALSE(d.exists());
    EXPECT_FALSE(fs::exists(sidecar));
    EXPECT_TRUE(d.change(true));
    EXPECT_TRUE(d.exists());
    std::ofstream(sidecar) << "opened";
    int told = 0;
    d.draft.setOnDiscard([&] { ++told; });
    d.draft.changed();
    d.draft.writeLater(d.b, when, "");
    d.draft.discard();
    EXPECT_FALSE(d.exists());
    EXPECT_FALSE(fs::exists(sidecar));
    EXPECT_TRUE(told == 1);
    EXPECT_TRUE(d.change(true));
    EXPECT_FALSE(d.exists());
    EXPECT_FALSE(d.draft.hasChanges());
    drafted failing;
    failing.dir.write("data", "a file in the way");
    EXPECT_FALSE(failing.change(true));
    EXPECT_TRUE(failing.draft.hasChanges());
    fs::remove(failing.dir.file("data"));
    EXPECT_TRUE(failing.draft.write(failing.b, when, ""));
    EXPECT_TRUE(failing.exists());
}

}  // namespace
