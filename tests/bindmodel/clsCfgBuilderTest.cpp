#include <gtest/gtest.h>

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

}  // namespace
