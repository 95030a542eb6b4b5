#include <gtest/gtest.h>

#include <functional>

#include "bindmodel/clsCfgBuilder.h"
#include "definitions/scratchFolder.h"

namespace {

using lines = std::vector<std::string>;

struct recordingList : clsListControl {
    lines entries;
    void clear() override { entries.clear(); }
    void addItem(const std::string& entry) override { entries.push_back(entry); }
};

lines entriesOf(clsCfgBuilder& b, const std::string& token) {
    recordingList list;
    b.fillCombo(list, token);
    return list.entries;
}

lines boundKeys(clsCfgBuilder& b) {
    lines keys;
    b.go_to_first_bind();
    for (const clsbind* x = &b.get_next_bind(); !x->key.empty(); x = &b.get_next_bind()) keys.push_back(x->key);
    return keys;
}

TEST(clsCfgBuilder, readsDefinitionsAndEditsTheFirstBindOfAKey) {
    scratchFolder dir;
    clsCfgBuilder b;
    ASSERT_TRUE(b.read_info(dir.write("defs.txt", "Keys:\r\nkey:F1\r\nkey:MOUSE1\r\ncolor:Red<>1\r\ncolor:Light Blue<>5\r\n"
        "osp:Shown name<>text sent\r\nkey:R\r\ncolor:Blue<>4\r\nradio:Follow me<>radio 1 1\r\nkey:F1\r\nbogus:x<>y\r\n")));
    EXPECT_EQ(entriesOf(b, "key:"), (lines{"F1", "MOUSE1", "R", "F1"}));
    recordingList list;  // filling twice keeps one copy
    b.fillCombo(list, "color:");
    b.fillListBox(list, "color:");
    EXPECT_EQ(list.entries, (lines{"Red", "Light Blue", "Blue"}));
    EXPECT_EQ(b.get_value("color:", "Light Blue"), "5");
    for (auto [token, text] : {std::pair{"color:", "red"}, {"color:", ""}, {"nosuch:", "Red"}})
        EXPECT_EQ(b.get_value(token, text), "") << token << text;
    for (auto [step, w] : {std::pair{"3", 3}, {" 10", 10}, {"0", 1}, {"", 1}, {"3x", 1}, {"40000", 1}}) {
        b.add_code("MOUSE1", "abcdefghijklmnopqrstuvwxyz", "say", {"1", "2", "3"}, 3, step, false);
        EXPECT_EQ(b.get_bindcode("MOUSE1"), clsScheme::colorText("abcdefghijklmnopqrstuvwxyz", {"1", "2", "3"}, 3,
                                                                 static_cast<std::int16_t>(w))) << step;
        b.remove_entire_bind("MOUSE1");
    }
    b.add_code("F1", "hi", "say", {"1", "4"}, 2, "1", false);
    b.add_osp_code("F1", "#t", "say_team", true);
    EXPECT_EQ(b.get_bindcode("F1"), "#t^1h^4i");
    b.remove_bind_part("F1");
    EXPECT_EQ(b.get_binddesc("F1"), "#t");
    b.add_radio_code("R", "radio 1 1", "Follow me");
    std::filesystem::create_directory(dir.file("folder"));
    for (const char* bad : {"missing.txt", "folder"}) EXPECT_FALSE(b.read_info(dir.file(bad))) << bad;
    EXPECT_EQ(boundKeys(b), (lines{"F1", "R"}));  // an unreadable file changes nothing
    EXPECT_EQ(entriesOf(b, "color:"), (lines{"Red", "Light Blue", "Blue"}));
    b.Reset_Binds();
    EXPECT_TRUE(boundKeys(b).empty());
    EXPECT_EQ(entriesOf(b, "key:").size(), 4u);
}

// Entries the console would misread are left out and reported with their line; every other byte is kept.
TEST(clsCfgBuilder, leavesOutEntriesTheGameWouldMisread) {
    using R = clsLeftOutReason;
    const std::vector<std::tuple<std::string, R, const char*>> left{
        {"osp:A Semi<>$H;kill", R::separator, "osp:"}, {"osp:Q<>say \"x\"", R::quote, "osp:"},
        {"osp:Bad<>/*", R::comment, "osp:"}, {"osp:Url<>a//b", R::comment, "osp:"},
        {std::string("osp:Nul<>a\0b", 12), R::zeroByte, "osp:"}, {"color:Semi<>1;", R::separator, "color:"},
        {"color:Q<>\"", R::quote, "color:"}, {"radio:Q<>say \"hi\"", R::quote, "radio:"},
        {"radio:CR<>a\rquit", R::lineBreak, "radio:"}, {"key:", R::noName, "key:"}, {"key: \t", R::noName, "key:"},
        {"key:F 1", R::notOneWord, "key:"}, {"key:F1;", R::separator, "key:"}, {"key:F\"1", R::quote, "key:"},
        {"key:F1\r", R::lineBreak, "key:"}, {"radio:Empty<>", R::noCommand, "radio:"},
        {"radio:Blank<> /* */", R::noCommand, "radio:"},
    };
    const lines kept{"osp:Fine<>$H %\xE9", "color:Slash<>/", "radio:Medic<>vsay_team medic; say_team need a medic",
                     "radio:Url<>say a//b /*", "key: F2 ", "key:a/"};
    std::string file = "comment line\r\n";
    for (const auto& [line, reason, token] : left) file += line + "\r\n";
    for (const std::string& line : kept) file += line + "\r\n";
    scratchFolder dir;
    clsCfgBuilder b;
    ASSERT_TRUE(b.read_info(dir.write("d.txt", file)));
    const clsReadReport& report = b.get_left_out();
    ASSERT_EQ(report.entries().size(), left.size());
    for (std::size_t i = 0; i < left.size(); ++i)
        EXPECT_EQ(report.entries()[i], (clsLeftOutEntry{i + 2, std::get<0>(left[i]), std::get<1>(left[i])})) << i;
    EXPECT_TRUE(report.total() == left.size() && report.count(R::comment) == 2 && report.count(R::noName) == 2);
    for (const auto& [token, count] : {std::pair{"osp:", 1}, {"color:", 1}, {"radio:", 2}, {"key:", 2}})
        EXPECT_EQ(b.getGroup(token).count(), count) << token;
    EXPECT_EQ(b.get_value("osp:", "Fine"), "$H %\xE9");
    EXPECT_EQ(entriesOf(b, "key:"), (lines{" F2 ", "a/"}));
    EXPECT_EQ(report.listing(2),
              "line 2: osp:A Semi<>$H;kill \u2013 holds ';', which would end the bind and run the rest as a command\r\n"
              "line 3: osp:Q<>say \"x\" \u2013 holds '\"', which the game takes as quoting, not as text\r\n"
              "... and 15 more");
    EXPECT_NE(report.listing(20).find("line 16: key:F1[CR] \u2013 holds a line break, which would end the bind and "
                                      "run the rest as a command\r\nline 17: radio:Empty<> \u2013 has no command\r\n"),
              std::string::npos);

    // Each read starts afresh; a long entry is cut, never inside a character.
    ASSERT_TRUE(b.read_info(dir.write("e.txt", "key:F3\r\nosp:Long<>;" + std::string(48, 'x') + "\xC3\xA9yyy")));
    EXPECT_EQ(report.listing(10), "line 2: osp:Long<>;" + std::string(48, 'x') +
              "\u2026 \u2013 holds ';', which would end the bind and run the rest as a command");

    clsCfgBuilder shipped;  // the shipped definitions hold nothing the game would misread
    ASSERT_TRUE(shipped.read_info((std::filesystem::path(__FILE__).parent_path() / "../../InputFiles/SoF2 default.txt").string()));
    EXPECT_EQ(shipped.get_left_out().total(), 0u) << shipped.get_left_out().listing(10);

    std::string full;  // past 32,767 keys: counted, not kept
    for (int k = 0; k < 32769; ++k) full += "key:K" + std::to_string(k) + "\n";
    clsCfgBuilder big;
    ASSERT_TRUE(big.read_info(dir.write("full.txt", full)));
    EXPECT_EQ(big.get_left_out().entries(), (std::vector<clsLeftOutEntry>{{32768, "key:K32767", R::groupFull},
                                                                          {32769, "key:K32768", R::groupFull}}));
}

TEST(clsCfgBuilder, reviewListing) {
    scratchFolder dir;
    clsCfgBuilder b;
    const std::string header = "|      Key:|     Type:|                                      Description:|";
    const std::string sep = "|----------|----------|--------------------------------------------------|";
    recordingList list;
    b.printScheme(list);
    EXPECT_EQ(list.entries, (lines{header, sep, sep}));
    ASSERT_TRUE(b.read_info(dir.write("d.txt", "key:KP_ENTER_LONGKEY\nkey:F2\nkey:R\nkey:M\n")));
    b.add_code("KP_ENTER_LONGKEY", std::string(60, 'x'), "say", {"1"}, 1, "1", false);
    b.add_radio_code("M", "radio 1 1", "Follow me");
    b.add_code("R", "go go go", "say_team", {"1"}, 1, "1", false);
    b.printScheme(list);  // a listing goes under what the list holds
    EXPECT_EQ(list.entries, (lines{header, sep, sep, header, sep,
                                   "|KP_ENTER_L|       say|xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx|",
                                   "|         R|  say_team|                                          go go go|",
                                   "|         M|    radio:|                                         Follow me|", sep}));
}

// "KEY kind code (description)" of every bound key, in key order.
lines boundOf(clsCfgBuilder& b) {
    lines out;
    b.go_to_first_bind();
    for (const clsbind* x = &b.get_next_bind(); !x->key.empty(); x = &b.get_next_bind())
        out.push_back(x->key + " " + x->kind + " " + x->get_code() + " (" + x->get_desc() + ")");
    return out;
}

struct opened {
    clsCfgBuilder b;
    int changes = 0;
    explicit opened(const std::string& defs) {
        scratchFolder dir;
        EXPECT_TRUE(b.read_info(dir.write("d.txt", defs)));
        b.set_on_change([this] { ++changes; });
    }
};

// A key matches its spelling, else the loaded key that differs only in case, and takes the loaded spelling;
// an unknown key goes to the end of the key list and stays there after Reset. A later bind of a key wins.
TEST(clsCfgBuilderOpen, matchesKeysWithoutRegardToCaseAndAddsUnknownOnes) {
    opened o("key:F1\nkey:a\nkey:A\nkey:MOUSE1\nradio:Sniper<>vsay_team sniper\n");
    ASSERT_TRUE(o.b.add_radio_code("a", "x", "X"));
    const clsOpenResult r = o.b.open_binds({{"f1", "say", "^1hi", "hi", 1},
                                            {"A", "radio:", "vsay_team sniper", "", 2},
                                            {"mouse1", "say_team", "x", "x", 3},
                                            {"NEW", "radio:", "foo; bar", "", 4},
                                            {"F 1", "say", "z", "z", 5},
                                            {"new", "say", "y", "y", 6},
                                            {"F2", "say", std::string(1013, 'l'), "long", 7}});
    EXPECT_EQ(r.opened, 4u);
    EXPECT_EQ(r.addedKeys, lines{"NEW"});
    EXPECT_EQ(r.refused, (std::vector<clsOpenRefusal>{{5, "F 1", clsLineVerdict::badKey}, {7, "F2", clsLineVerdict::tooLong}}));
    EXPECT_EQ(boundOf(o.b), (lines{"F1 say ^1hi (hi)", "A radio: vsay_team sniper (Sniper)", "MOUSE1 say_team x (x)",
                                   "NEW say y (y)"}));  // "a" lost its bind: opening replaces every bind
    EXPECT_EQ(o.changes, 2);  // the radio add and the open
    o.b.Reset_Binds();
    EXPECT_EQ(entriesOf(o.b, "key:"), (lines{"F1", "a", "A", "MOUSE1", "NEW"}));
    EXPECT_EQ(o.b.bound_count(), 0u);
}

// Nothing the builder can take: the binds, the key list and the change count stay as they were.
TEST(clsCfgBuilderOpen, changesNothingWhenNoBindCanBeTaken) {
    opened o("key:F1\n");
    ASSERT_TRUE(o.b.add_code("F1", "hi", "say", {"1"}, 1, "1", false));
    for (const std::vector<clsOpenedBind>& binds :
         {std::vector<clsOpenedBind>{}, {{"F 1", "say", "x", "x", 1}, {"NEW", "radio:", " ", "", 2}, {"B", "", "x", "", 3}}}) {
        const clsOpenResult r = o.b.open_binds(binds);
        EXPECT_TRUE(r.opened == 0 && r.addedKeys.empty());
        EXPECT_EQ(r.refused.size(), binds.size());
        EXPECT_EQ(boundOf(o.b), lines{"F1 say ^1hi (hi)"});
        EXPECT_EQ(entriesOf(o.b, "key:"), lines{"F1"});
        EXPECT_EQ(o.changes, 1);
    }
}

// The key list holds 32,767 keys: one more is added, the next is refused.
TEST(clsCfgBuilderOpen, refusesKeysPastAFullKeyList) {
    std::string defs;
    for (int k = 0; k < clsGroup::maxItems - 1; ++k) defs += "key:K" + std::to_string(k) + "\n";
    opened o(defs);
    const clsOpenResult r = o.b.open_binds({{"X1", "say", "a", "a", 1}, {"X2", "say", "b", "b", 2}});
    EXPECT_EQ(r.addedKeys, lines{"X1"});
    EXPECT_EQ(r.refused, (std::vector<clsOpenRefusal>{{2, "X2", clsLineVerdict::noSuchKey}}));
    EXPECT_EQ(o.b.bound_count(), 1u);
}

// Every change of the binds is told, refused adds are not.
TEST(clsCfgBuilderOpen, tellsEveryChangeOfTheBinds) {
    opened o("key:F1\nkey:F2\n");
    const std::vector<std::pair<std::function<void(clsCfgBuilder&)>, int>> steps{
        {[](clsCfgBuilder& b) { b.add_code("F1", "hi", "say", {"1"}, 1, "1", false); }, 1},
        {[](clsCfgBuilder& b) { b.add_code("F1", "a;b", "say", {"1"}, 1, "1", false); }, 0},
        {[](clsCfgBuilder& b) { b.add_osp_code("F1", "#n", "say", true); }, 1},
        {[](clsCfgBuilder& b) { b.add_radio_code("F2", "ui_radio", "Menu"); }, 1},
        {[](clsCfgBuilder& b) { b.remove_bind_part("F1"); }, 1},
        {[](clsCfgBuilder& b) { b.remove_entire_bind("F2"); }, 1},
        {[](clsCfgBuilder& b) { b.Reset_Binds(); }, 1},
    };
    int expected = 0;
    for (const auto& [step, calls] : steps) {
        step(o.b);
        EXPECT_EQ(o.changes, expected += calls);
    }
}

}  // namespace
