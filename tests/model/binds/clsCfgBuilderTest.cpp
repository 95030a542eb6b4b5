// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <functional>

#include "support/loadedBuilder.h"

namespace {

TEST(clsCfgBuilder, readsDefinitionsAndEditsTheFirstBindOfAKey) {
    loadedBuilder t(
        "Keys:\r\nkey:F1\r\nkey:MOUSE1\r\ncolor:Red<>1\r\ncolor:Light Blue<>5\r\nkey:R\r\ncolor:Blue<>4\r\n"
        "radio:Follow me<>radio 1 1\r\nkey:F1\r\nbogus:x<>y\r\n");
    clsCfgBuilder& b = t.b;
    EXPECT_EQ(t.entries("key:"), (lines{"F1", "MOUSE1", "R", "F1"}));
    recordingList list;  // filling twice keeps one copy
    b.fillCombo(list, "color:");
    b.fillListBox(list, "color:");
    EXPECT_EQ(list.lines, (lines{"Red", "Light Blue", "Blue"}));
    EXPECT_EQ(b.get_value("color:", "Light Blue") + b.get_value("color:", "red") + b.get_value("x:", "Red"), "5");
    // The pattern step: a whole number from 1 to 32767, blanks around it allowed; anything else counts as 1.
    const char* everyLetter = "^1a^2b^3c^1d";
    for (auto [step, code] :
         {std::pair{" 3 ", "^1abc^2d"}, {"", everyLetter}, {"3x", everyLetter}, {"65539", everyLetter}}) {
        b.add_code("MOUSE1", "abcd", "say", {"1", "2", "3"}, 3, step, false);
        EXPECT_EQ(b.get_bindcode("MOUSE1"), code) << step;
        b.remove_entire_bind("MOUSE1");
    }
    b.add_osp_code("F1", "#t", "say_team", true);
    b.add_radio_code("R", "radio 1 1", "Follow me");
    std::filesystem::create_directory(t.dir.file("folder"));  // unreadable files change nothing
    EXPECT_FALSE(b.read_info(t.dir.file("missing.txt")) || b.read_info(t.dir.file("folder")));
    EXPECT_EQ(t.bound(), (lines{"F1 say_team #t (#t)", "R radio: radio 1 1 (Follow me)"}));
    EXPECT_EQ(t.entries("color:"), (lines{"Red", "Light Blue", "Blue"}));
    b.Reset_Binds();
    EXPECT_TRUE(t.bound().empty());
    EXPECT_TRUE(t.entries("key:").size() == 4u);
}

// Entries the console would misread are left out and reported with their line; every other byte is kept.
TEST(clsCfgBuilder, leavesOutEntriesTheGameWouldMisread) {
    using R = clsLeftOutReason;
    using namespace std::string_literals;
    const lines left{
        "osp:A Semi<>$H;kill", "osp:Q<>say \"x\"", "color:Url<>a//b", "osp:Nul<>a\0b"s, "radio:Q<>say \"hi\"",
        "radio:CR<>a\rquit",   "key: \t",          "key:F 1",         "key:F1\r",       "radio:Empty<>",
        "radio:Blank<> /* */", "osp:Tab<>\t\xA0",  "osp:Space<> "};
    const std::vector<R> why{R::separator, R::quote,  R::comment,    R::zeroByte,  R::quote,
                             R::lineBreak, R::noName, R::notOneWord, R::lineBreak, R::noCommand,
                             R::noCommand, R::noText, R::noText};
    const lines kept{"osp:Fine<>$H %\xE9",     "color:Slash<>/", "radio:Medic<>vsay_team medic; say_team need a medic",
                     "radio:Url<>say a//b /*", "key: F2 ",       "key:a/"};
    std::string file = "comment line\r\n";
    for (const std::string& line : left) file += line + "\r\n";
    for (const std::string& line : kept) file += line + "\r\n";
    loadedBuilder t(file);
    clsCfgBuilder& b = t.b;
    const clsReadReport& report = b.get_left_out();
    ASSERT_EQ(report.entries().size(), left.size());
    for (std::size_t i = 0; i < left.size(); ++i)
        EXPECT_EQ(report.entries()[i], (clsLeftOutEntry{i + 2, left[i], why[i]})) << i;
    EXPECT_TRUE(report.total() == left.size());
    EXPECT_TRUE(report.count(R::quote) == 2);
    EXPECT_TRUE(report.count(R::noCommand) == 2);
    for (const auto& [token, count] : {std::pair{"osp:", 1}, {"color:", 1}, {"radio:", 2}, {"key:", 2}})
        EXPECT_EQ(b.getGroup(token).count(), count) << token;
    EXPECT_EQ(b.get_value("osp:", "Fine"), "$H %\xE9");
    EXPECT_EQ(t.entries("key:"), (lines{" F2 ", "a/"}));
    EXPECT_EQ(report.listing(2),
              "line 2: osp:A Semi<>$H;kill \u2013 holds ';', which would end the bind and run the rest as a command\r\n"
              "line 3: osp:Q<>say \"x\" \u2013 holds '\"', which the game takes as quoting, not as text\r\n"
              "... and 11 more");
    EXPECT_NE(report.listing(20).find("line 10: key:F1[CR] \u2013"), std::string::npos);  // a line break shown
    // Each read starts afresh; a long entry is cut, never inside a character.
    ASSERT_TRUE(b.read_info(t.dir.write("e.txt", "key:F3\r\nosp:Long<>;" + std::string(48, 'x') + "\xC3\xA9yyy")));
    EXPECT_TRUE(report.listing(10).starts_with("line 2: osp:Long<>;" + std::string(48, 'x') + "\u2026 \u2013 holds"));
    std::string full;  // past 32,767 keys: counted, not kept
    for (int k = 0; k <= clsGroup::maxItems; ++k) full += "key:K" + std::to_string(k) + "\n";
    EXPECT_EQ(loadedBuilder(full).b.get_left_out().entries(),
              (std::vector<clsLeftOutEntry>{{32768, "key:K32767", R::groupFull}}));
}

// A key matches the loaded key the game takes it for (several letters in any case, one character exactly) and
// takes the loaded spelling; an unknown key goes to the end of the key list and stays there after Reset. A later
// bind of a key wins.
TEST(clsCfgBuilderOpen, matchesKeysAsTheGameNamesThemAndAddsUnknownOnes) {
    loadedBuilder o("key:F1\nkey:a\nkey:A\nkey:mouse1\nkey:SEMICOLON\nradio:Sniper<>vsay_team sniper\n");
    ASSERT_TRUE(o.b.add_radio_code("a", "x", "X"));
    const clsOpenResult r = o.b.open_binds({{"f1", clsBindKind::say, "^1hi", "hi", 1},
                                            {"A", clsBindKind::radio, "vsay_team sniper", "", 2},
                                            {"Mouse1", clsBindKind::sayTeam, "x", "x", 3},
                                            {"KP_INS", clsBindKind::radio, "foo; bar", "", 4},
                                            {"F 1", clsBindKind::say, "z", "z", 5},
                                            {"kp_ins", clsBindKind::say, "y", "y", 6},
                                            {"F2", clsBindKind::say, std::string(1013, 'l'), "long", 7},
                                            {";", clsBindKind::say, "s", "s", 8},
                                            {" ", clsBindKind::say, "j", "j", 9}});
    EXPECT_EQ(r.opened, 6u);
    EXPECT_EQ(r.addedKeys, (lines{"KP_INS", "SPACE"}));
    EXPECT_EQ(r.refused,
              (std::vector<clsOpenRefusal>{{5, "F 1", clsLineVerdict::badKey}, {7, "F2", clsLineVerdict::tooLong}}));
    EXPECT_EQ(o.bound(), (lines{"F1 say ^1hi (hi)", "A radio: vsay_team sniper (Sniper)", "mouse1 say_team x (x)",
                                "SEMICOLON say s (s)", "KP_INS say y (y)", "SPACE say j (j)"}));  // "a" lost its bind
    EXPECT_EQ(o.changes, 2);  // the radio add and the open
    o.b.Reset_Binds();
    EXPECT_EQ(o.entries("key:"), (lines{"F1", "a", "A", "mouse1", "SEMICOLON", "KP_INS", "SPACE"}));
}

// Nothing the builder can take: the binds, the key list and the change count stay as they were.
TEST(clsCfgBuilderOpen, changesNothingWhenNoBindCanBeTaken) {
    loadedBuilder o("key:F1\n");
    ASSERT_TRUE(o.say("F1", "hi"));
    for (const std::vector<clsOpenedBind>& binds : {std::vector<clsOpenedBind>{},
                                                    {{"F 1", clsBindKind::say, "x", "x", 1},
                                                     {"NEW", clsBindKind::radio, " ", "", 2},
                                                     {"B", clsBindKind::none, "x", "", 3}}}) {
        const clsOpenResult r = o.b.open_binds(binds);
        EXPECT_TRUE(r.opened == 0);
        EXPECT_TRUE(r.addedKeys.empty());
        EXPECT_TRUE(r.refused.size() == binds.size());
        EXPECT_EQ(o.bound(), lines{"F1 say ^1hi (hi)"});
        EXPECT_EQ(o.entries("key:"), lines{"F1"});
        EXPECT_EQ(o.changes, 1);
    }
}

// The key list holds 32,767 keys: one more is added, the next is refused, and the list stays whole.
TEST(clsCfgBuilderOpen, refusesKeysPastAFullKeyList) {
    std::string defs;
    for (int k = 0; k < clsGroup::maxItems - 1; ++k) defs += "key:K" + std::to_string(k) + "\n";
    loadedBuilder o(defs);
    const clsOpenResult r =
        o.b.open_binds({{"X1", clsBindKind::say, "a", "a", 1}, {"X2", clsBindKind::say, "b", "b", 2}});
    EXPECT_EQ(r.addedKeys, lines{"X1"});
    EXPECT_EQ(r.refused, (std::vector<clsOpenRefusal>{{2, "X2", clsLineVerdict::noSuchKey}}));
    EXPECT_EQ(o.bound(), lines{"X1 say a (a)"});
    const lines keys = o.entries("key:");
    EXPECT_TRUE(keys.size() == 32767u);
    EXPECT_TRUE(keys.front() == "K0");
    EXPECT_TRUE(keys.back() == "X1");
}

// Every change of the binds is told to the change callback and to each listener until it is removed (one may
// remove itself while it is told); refused adds are not told.
TEST(clsCfgBuilderOpen, tellsEveryChangeOfTheBinds) {
    loadedBuilder o("key:F1\nkey:F2\n");
    int heard = 0, second = 0, once = 0;
    const std::size_t listener = o.b.add_listener([&] { ++heard; });
    std::size_t self = 0;
    self = o.b.add_listener([&] { ++once, o.b.remove_listener(self); });
    o.b.add_listener([&] { ++second; });  // after the one that leaves: it still hears that change
    int expected = 0;
    const auto told = [&](bool changed) {  // whether the step changed the binds
        expected += changed;
        EXPECT_EQ(o.changes, expected);
        EXPECT_EQ(heard, expected);
    };
    told(o.b.add_code("F1", "hi", "say", {"1"}, 1, "1", false));
    told(o.b.add_code("F1", "a;b", "say", {"1"}, 1, "1", false));
    told(o.b.add_osp_code("F1", "#n", "say", true));
    told(o.b.add_radio_code("F2", "ui_radio", "Menu"));
    told(o.b.add_radio_code("F2", "", ""));
    for (const auto& change : {std::function<void()>([&] { o.b.remove_bind_part("F1"); }),
                               std::function<void()>([&] { o.b.remove_entire_bind("F2"); }),
                               std::function<void()>([&] { o.b.Reset_Binds(); })})
        change(), told(true);
    EXPECT_EQ(once, 1);
    o.b.remove_listener(listener);
    o.b.Reset_Binds();
    EXPECT_EQ(std::pair(heard, second), std::pair(expected, expected + 1));
}

}  // namespace
