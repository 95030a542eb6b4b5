#include "bindmodel/clsCfgBuilderTest.h"
#include "cfgoutput/clsCfgImport.h"
#include "cfgoutput/clsDraft.h"

namespace {

namespace fs = std::filesystem;
const clsDateTime when{2026, 7, 14, 21, 5, 33};

struct drafted : loadedBuilder {
    clsDraft draft;
    drafted() : loadedBuilder("key:F1\nkey:F2\n") { draft.setFolder(dir.file("data")); }  // made by the first draft
    bool exists() const { return fs::exists(draft.path()); }
};

// Written only after a change, read back with its header's facts; a name that would break the comment line
// comes back unchanged and adds no command; the header's nine lines stay those of a save.
TEST(clsDraft, keepsTheBindsWithTheDefinitionFilesName) {
    drafted d;
    const std::string name = "my;\"odd\" 100%\r\nfile.txt";
    d.draft.setDefinitions(name);
    EXPECT_TRUE(d.draft.write(d.b, when, "old.cfg") && !d.exists());  // nothing changed yet
    d.dir.write("draft.cfg", "// Definitions: x.txt\r\n\r\n// no binds\r\n");  // found only with binds
    EXPECT_FALSE(clsDraft::find(d.dir.path()) || clsDraft::find(d.dir.file("data")) || clsDraft::find(""));
    ASSERT_TRUE(d.b.add_code("F2", "hi", "say", {"1"}, 1, "1", false));
    d.draft.changed();
    ASSERT_TRUE(d.draft.write(d.b, when, "old.cfg"));
    const std::optional<clsDraftInfo> found = clsDraft::find(d.dir.file("data"));
    ASSERT_TRUE(found);
    EXPECT_EQ(std::tuple(found->definitions, found->opened, found->made, found->binds),
              std::tuple(name, std::string("old.cfg"), std::string("07-14-2026 21:05:33"), std::size_t{1}));
    const std::string bytes = scratchFolder::read(d.draft.path());
    std::string header;
    for (const std::string& line : clsCfgFile::headerLines("draft.cfg", when)) header += line + "\r\n";
    EXPECT_EQ(bytes.substr(0, header.size() - 2), header.substr(0, header.size() - 2));
    const clsCfgImport read = clsCfgImport::fromBytes(bytes);
    EXPECT_TRUE(read.skipped.empty() && read.bindings.size() == 1);
}

// Undo to no bind removes the draft; discard removes it for good; a declined draft comes back with the next change.
TEST(clsDraft, goesWhenNothingIsLeftOrTheWorkIsSavedOrGivenUp) {
    drafted d;
    const auto change = [&](bool add) {
        add ? (void)d.b.add_code("F1", "x", "say", {"1"}, 1, "1", false) : d.b.remove_entire_bind("F1");
        d.draft.changed();
        return d.draft.write(d.b, when, "");
    };
    EXPECT_TRUE(change(true) && d.exists());
    EXPECT_TRUE(change(false) && !d.exists());
    EXPECT_TRUE(change(true) && d.exists());
    d.draft.remove();
    EXPECT_FALSE(d.exists());
    EXPECT_TRUE(change(true) && d.exists());
    d.draft.discard();
    EXPECT_TRUE(!d.exists() && change(true) && !d.exists());
    EXPECT_FALSE(d.draft.hasChanges());
}

// Written on the draft's own thread, the latest last; a discard right after waits for it and wins.
TEST(clsDraft, writesLaterOnItsOwnThreadAndNeverOutlivesADiscard) {
    drafted d;
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(d.b.add_code("F1", std::string(40, 'x'), "say", {"1"}, 1, "1", false));
        d.draft.changed();
        d.draft.writeLater(d.b, when, "");
    }
    d.draft.wait();
    EXPECT_EQ(clsCfgImport::fromFile(d.draft.path()).bindings.at(0).bind.code.size(), 20u * 42);
    ASSERT_TRUE(d.b.add_code("F1", "x", "say", {"1"}, 1, "1", false));
    d.draft.changed();
    d.draft.writeLater(d.b, when, "");
    d.draft.discard();
    EXPECT_FALSE(d.exists());
}

// A draft that cannot be written says so only to its caller and is tried again.
TEST(clsDraft, aFailedWriteIsTriedAgain) {
    drafted d;
    d.dir.write("data", "a file in the way");
    ASSERT_TRUE(d.b.add_code("F1", "x", "say", {"1"}, 1, "1", false));
    d.draft.changed();
    EXPECT_FALSE(d.draft.write(d.b, when, ""));
    EXPECT_TRUE(d.draft.hasChanges());
    fs::remove(d.dir.file("data"));
    EXPECT_TRUE(d.draft.write(d.b, when, "") && d.exists());
}

}  // namespace
