// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <chrono>

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
};

// Written only after a change, read back with its header's facts; a name that would break the comment line, or
// that looks encoded already, comes back unchanged and adds no command; the header's nine lines stay those of a save.
TEST(clsDraft, keepsTheBindsWithTheDefinitionFilesName) {
    struct row {
        std::string definitions, opened;
    };
    for (const row& r : {row{"my;\"odd\" 100%\r\nfile.txt", "old.cfg"}, row{"%41.txt", "100%25;"}, row{"binds;", "x%4"},
                         row{"%", ""}}) {
        SCOPED_TRACE(r.definitions);
        drafted d;
        d.draft.setDefinitions(r.definitions);
        EXPECT_TRUE(d.draft.write(d.b, when, r.opened));
        EXPECT_TRUE(!d.exists());  // nothing changed yet
        ASSERT_TRUE(d.say("F2", "hi"));
        d.draft.changed();
        ASSERT_TRUE(d.draft.write(d.b, when, r.opened));
        const std::optional<clsDraftInfo> found = clsDraft::read(d.draft.path());
        ASSERT_TRUE(found);
        EXPECT_EQ(std::tuple(found->definitions, found->opened, found->made, found->binds),
                  std::tuple(r.definitions, r.opened, std::string("07-14-2026 21:05:33"), std::size_t{1}));
        const std::string bytes = scratchFolder::read(d.draft.path());
        std::string header;
        for (const std::string& line : clsCfgFile::headerLines(d.draft.fileName(), when)) header += line + "\r\n";
        EXPECT_EQ(bytes.substr(0, header.size() - 2), header.substr(0, header.size() - 2));
        const clsCfgImport read = clsCfgImport::fromBytes(bytes);
        EXPECT_TRUE(read.skipped.empty() && read.bindings.size() == 1);
    }
    scratchFolder dir;  // a draft is one only with binds in it
    EXPECT_FALSE(clsDraft::read(dir.write("draft.cfg", "// Definitions: x.txt\r\n\r\n// no binds\r\n")) ||
                 clsDraft::read(dir.file("gone.cfg")) || clsDraft::read(""));
}

// Undo to no bind removes the draft and its sidecar; discard removes them for good, then tells its owner.
TEST(clsDraft, goesWhenNothingIsLeftOrTheWorkIsSavedOrGivenUp) {
    drafted d;
    d.draft.setFileName(clsDraft::nameFor("1a2b"));
    const std::string sidecar = clsDraft::sidecarPath(d.draft.path());
    EXPECT_EQ(sidecar, d.dir.file("data") + "/draft-1a2b.opened");
    int told = 0;
    d.draft.setOnDiscard([&] { ++told; });
    const auto change = [&](bool add) {
        add ? (void)d.say("F1", "x") : d.b.remove_entire_bind("F1");
        d.draft.changed();
        const bool written = d.draft.write(d.b, when, "");
        if (d.exists()) std::ofstream(sidecar) << "opened";
        return written;
    };
    EXPECT_TRUE(change(true) && d.exists());
    EXPECT_TRUE(change(false) && !d.exists() && !fs::exists(sidecar));
    EXPECT_TRUE(change(true) && d.exists() && told == 0);
    d.draft.discard();
    EXPECT_TRUE(!d.exists() && !fs::exists(sidecar) && told == 1);
    EXPECT_TRUE(change(true) && !d.exists() && !d.draft.hasChanges());
}

// Every draft in the folder, the old single one too, newest first (ties by name); nothing else is taken for one.
TEST(clsDraft, listsTheDraftsNewestFirst) {
    scratchFolder dir;
    const auto at = fs::file_time_type::clock::now();
    const std::pair<const char*, int> files[] = {{"draft.cfg", -30},      {"draft-b.cfg", -10},   {"draft-a.cfg", -10},
                                                 {"draft-c.cfg", -20},    {"draft-.cfg", 0},      {"draft-c.opened", 0},
                                                 {"draft-c.cfg.lock", 0}, {"draft-d.cfg.tmp", 0}, {"mydraft-e.cfg", 0},
                                                 {"Draft-f.cfg", 0},      {".brenvolt-x.tmp", 0}, {"draft-g.CFG", 0}};
    for (const auto& [name, age] : files) fs::last_write_time(dir.write(name, "x"), at + std::chrono::seconds(age));
    fs::create_directories(dir.file("draft-h.cfg"));
    std::vector<std::string> names;
    for (const std::string& path : clsDraft::candidates(dir.path()))
        names.push_back(fs::path(path).filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"draft-a.cfg", "draft-b.cfg", "draft-c.cfg", "draft.cfg"}));
    EXPECT_TRUE(clsDraft::candidates(dir.file("none")).empty());
    EXPECT_TRUE(clsDraft::candidates("").empty());
    EXPECT_EQ(clsDraft::sidecarPath(dir.file("draft.cfg")), dir.file("draft.opened"));
}

// Written on the draft's own thread, the latest last; a discard right after waits for it and wins.
TEST(clsDraft, writesLaterOnItsOwnThreadAndNeverOutlivesADiscard) {
    drafted d;
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(d.say("F1", std::string(40, 'x')));
        d.draft.changed();
        d.draft.writeLater(d.b, when, "");
    }
    d.draft.wait();
    EXPECT_EQ(clsCfgImport::fromFile(d.draft.path()).bindings.at(0).bind.code.size(), 20u * 42);
    ASSERT_TRUE(d.say("F1", "x"));
    d.draft.changed();
    d.draft.writeLater(d.b, when, "");
    d.draft.discard();
    EXPECT_FALSE(d.exists());
}

// A draft that cannot be written says so only to its caller and is tried again.
TEST(clsDraft, aFailedWriteIsTriedAgain) {
    drafted d;
    d.dir.write("data", "a file in the way");
    ASSERT_TRUE(d.say("F1", "x"));
    d.draft.changed();
    EXPECT_TRUE(!d.draft.write(d.b, when, "") && d.draft.hasChanges());
    fs::remove(d.dir.file("data"));
    EXPECT_TRUE(d.draft.write(d.b, when, "") && d.exists());
}

}  // namespace
