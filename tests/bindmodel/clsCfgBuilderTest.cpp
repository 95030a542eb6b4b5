#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "bindmodel/clsCfgBuilder.h"
#include "definitions/scratchFolder.h"

namespace {

// Names parameterised cases by their position in the table.
constexpr auto byIndex = [](const auto& info) { return "row" + std::to_string(info.index); };

using lines = std::vector<std::string>;

struct recordingList : clsListControl {
    lines entries;
    int clears = 0;
    void clear() override {
        entries.clear();
        ++clears;
    }
    void addItem(const std::string& entry) override { entries.push_back(entry); }
};

struct memorySettings : ISettingsStore {
    std::map<std::string, std::string> values;
    std::string read(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& defaultValue) override {
        auto it = values.find(app + "|" + section + "|" + key);
        return it == values.end() ? defaultValue : it->second;
    }
    void write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override {
        values[app + "|" + section + "|" + key] = value;
    }
};

const std::string notBound = clsScheme::notBound;

const std::string exampleFile =
    "Keys you can bind:\r\nkey:F1\r\nkey:MOUSE1\r\n\r\ncolor:Red<>1\r\ncolor:Light Blue<>5\r\n"
    "color:Green\r\nosp:Shown name<>text sent\r\nradio:Command name<>command text\r\n"
    "key:R\r\ncolor:Blue<>4\r\nradio:Follow me<>radio 1 1\r\n";

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

class readBuilder : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(b.read_info(dir.write("defs.txt", exampleFile))); }
    scratchFolder dir;
    clsCfgBuilder b;
};

TEST_F(readBuilder, sortsItemsIntoGroupsInFileOrder) {
    EXPECT_EQ(entriesOf(b, "key:"), (lines{"F1", "MOUSE1", "R"}));
    EXPECT_EQ(entriesOf(b, "color:"), (lines{"Red", "Light Blue", "Blue"}));
    EXPECT_EQ(entriesOf(b, "osp:"), (lines{"Shown name"}));
    EXPECT_EQ(entriesOf(b, "radio:"), (lines{"Command name", "Follow me"}));
    EXPECT_EQ(b.getGroup("key:").count(), 3);
    for (const char* key : {"F1", "MOUSE1", "R"}) EXPECT_EQ(b.get_bindKind(key), notBound);
    EXPECT_TRUE(boundKeys(b).empty());
}

TEST_F(readBuilder, fillingTwiceKeepsOneCopy) {
    recordingList list;
    b.fillCombo(list, "color:");
    b.fillListBox(list, "color:");
    EXPECT_EQ(list.entries, (lines{"Red", "Light Blue", "Blue"}));
    EXPECT_EQ(list.clears, 2);
}

struct lookupCase {
    bool byDescription;
    std::string token, text, expected;
};

class lookups : public readBuilder, public testing::WithParamInterface<lookupCase> {};

TEST_P(lookups, answerTheTextOrEmpty) {
    const auto& c = GetParam();
    EXPECT_EQ(c.byDescription ? b.get_value(c.token, c.text) : b.get_description(c.token, c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(groups, lookups,
                         testing::Values(lookupCase{true, "color:", "Light Blue", "5"},
                                         lookupCase{true, "color:", "Green", ""},
                                         lookupCase{true, "color:", "", ""},
                                         lookupCase{true, "color:", "red", ""},
                                         lookupCase{true, "radio:", "Follow me", "radio 1 1"},
                                         lookupCase{true, "osp:", "Shown name", "text sent"},
                                         lookupCase{false, "color:", "4", "Blue"},
                                         lookupCase{false, "radio:", "command text", "Command name"},
                                         lookupCase{false, "color:", "9", ""},
                                         lookupCase{true, "nosuch:", "Red", ""}),
                         byIndex);

TEST_F(readBuilder, typicalRequestEndToEnd) {
    b.add_code("F1", "hi", "say", {b.get_value("color:", "Red"), b.get_value("color:", "Blue")}, 2, " 1", false);
    EXPECT_EQ(b.get_bindcode("F1"), "^1h^4i");
    EXPECT_EQ(b.get_binddesc("F1"), "hi");
    EXPECT_EQ(b.get_bindKind("F1"), "say");
}

struct stepCase {
    std::string text;
    std::int16_t step;
};

class stepTexts : public readBuilder, public testing::WithParamInterface<stepCase> {};

TEST_P(stepTexts, becomeTheColourStep) {
    const std::string text = "abcdefghijklmnopqrstuvwxyz";
    const std::vector<std::string> colours{"1", "2", "3"};
    b.add_code("F1", text, "say", colours, 3, GetParam().text, false);
    EXPECT_EQ(b.get_bindcode("F1"), clsScheme::colorText(text, colours, 3, GetParam().step))
        << "step text \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(numbers, stepTexts,
                         testing::Values(stepCase{"3", 3}, stepCase{" 3", 3}, stepCase{" 10", 10},
                                         stepCase{"2 ", 2}, stepCase{"32767", 32767}, stepCase{"0", 1},
                                         stepCase{"-2", 1}, stepCase{"", 1}, stepCase{" ", 1},
                                         stepCase{"abc", 1}, stepCase{"3x", 1}, stepCase{"1.5", 1},
                                         stepCase{"40000", 1}, stepCase{"99999999999999999999", 1}),
                         byIndex);

TEST_F(readBuilder, radioOspAndRemovalPassThrough) {
    b.add_code("R", "go", "say_team", {"1"}, 1, "1", false);
    b.add_osp_code("R", "#t", "say_team", true);
    EXPECT_EQ(b.get_bindcode("R"), "#t^1go");
    b.remove_bind_part("R");
    EXPECT_EQ(b.get_bindcode("R"), "#t");
    EXPECT_EQ(b.get_bindKind("R"), "say_team");
    b.add_radio_code("MOUSE1", "radio 1 1", "Follow me");
    EXPECT_EQ(boundKeys(b), (lines{"MOUSE1", "R"}));
    b.remove_entire_bind("R");
    EXPECT_EQ(b.get_binddesc("R"), notBound);
    EXPECT_EQ(boundKeys(b), (lines{"MOUSE1"}));
}

TEST_F(readBuilder, resetUnbindsEveryKeyAndKeepsTheGroups) {
    b.add_code("F1", "a", "say", {"1"}, 1, "1", false);
    b.add_radio_code("R", "radio 1 1", "Follow me");
    b.Reset_Binds();
    EXPECT_TRUE(boundKeys(b).empty());
    for (const char* key : {"F1", "MOUSE1", "R"}) EXPECT_EQ(b.get_bindKind(key), notBound);
    EXPECT_EQ(entriesOf(b, "key:"), (lines{"F1", "MOUSE1", "R"}));
    b.add_code("R", "b", "say", {"1"}, 1, "1", false);
    EXPECT_EQ(boundKeys(b), (lines{"R"}));
}

TEST_F(readBuilder, unreadableFileChangesNothing) {
    b.add_code("F1", "a", "say", {"1"}, 1, "1", false);
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(b.read_info(dir.file("missing.txt")));
    EXPECT_FALSE(b.read_info(dir.file("folder")));
    EXPECT_EQ(entriesOf(b, "key:"), (lines{"F1", "MOUSE1", "R"}));
    EXPECT_EQ(entriesOf(b, "color:"), (lines{"Red", "Light Blue", "Blue"}));
    EXPECT_EQ(b.get_bindcode("F1"), "^1a");
    EXPECT_EQ(boundKeys(b), (lines{"F1"}));
}

TEST(clsCfgBuilder, duplicateKeysReachTheFirst) {
    scratchFolder dir;
    clsCfgBuilder b;
    ASSERT_TRUE(b.read_info(dir.write("d.txt", "key:F1\nkey:F2\nkey:F1\nbogus:x<>y\n")));
    EXPECT_EQ(entriesOf(b, "key:"), (lines{"F1", "F2", "F1"}));
    b.add_code("F1", "a", "say", {"1"}, 1, "1", false);
    b.add_code("F1", "b", "say", {"1"}, 1, "1", false);
    EXPECT_EQ(boundKeys(b), (lines{"F1"}));
    EXPECT_EQ(b.get_bindcode("F1"), "^1a^1b");
}

TEST(clsCfgBuilder, keyWithoutANameIsLeftOut) {
    scratchFolder dir;
    clsCfgBuilder b;
    ASSERT_TRUE(b.read_info(dir.write("d.txt", "key:\r\nkey:F1\r\n")));
    EXPECT_EQ(entriesOf(b, "key:"), (lines{"F1"}));
    b.add_code("", "a", "say", {"1"}, 1, "1", false);
    b.add_code("F1", "b", "say", {"1"}, 1, "1", false);
    EXPECT_EQ(boundKeys(b), (lines{"F1"}));
}

TEST(clsCfgBuilder, keysBeyondTheLimitGetNoBind) {
    std::string file;
    for (int i = 0; i < clsGroup::maxItems; ++i) file += "key:K" + std::to_string(i) + "\n";
    file += "key:Extra\ncolor:Red<>1\n";
    scratchFolder dir;
    clsCfgBuilder b;
    ASSERT_TRUE(b.read_info(dir.write("big.txt", file)));
    EXPECT_EQ(b.getGroup("key:").count(), clsGroup::maxItems);
    EXPECT_EQ(b.get_value("color:", "Red"), "1");
    b.add_code("Extra", "x", "say", {"1"}, 1, "1", false);
    EXPECT_EQ(b.get_bindKind("Extra"), notBound);
    b.add_code("K32766", "y", "say", {"1"}, 1, "1", false);
    EXPECT_EQ(boundKeys(b), (lines{"K32766"}));
}

const std::string header = "|      Key:|     Type:|                                      Description:|";
const std::string separator = "|----------|----------|--------------------------------------------------|";

TEST(clsCfgBuilderReview, noBoundKeyGivesTheFrameOnly) {
    clsCfgBuilder b;
    recordingList list;
    b.printScheme(list);
    EXPECT_EQ(list.entries, (lines{header, separator, separator}));
}

TEST_F(readBuilder, reviewListsBoundKeysInChainOrder) {
    b.add_radio_code("MOUSE1", "radio 1 1", "Follow me");
    b.add_code("R", "go go go", "say_team", {"1"}, 1, "1", false);
    b.add_code("F1", "hello", "say", {"1", "2"}, 2, "1", false);
    recordingList list;
    list.addItem("kept");
    b.printScheme(list);
    const lines expected{
        "kept",
        header,
        separator,
        "|        F1|       say|                                             hello|",
        "|    MOUSE1|    radio:|                                         Follow me|",
        "|         R|  say_team|                                          go go go|",
        separator,
    };
    EXPECT_EQ(list.entries, expected);
    EXPECT_EQ(list.clears, 0);
    for (std::size_t i = 1; i < list.entries.size(); ++i) EXPECT_EQ(list.entries[i].size(), 74u);
    b.printScheme(list);  // a second listing goes under the first
    EXPECT_EQ(list.entries.size(), 2 * expected.size() - 1);
}

TEST(clsCfgBuilderReview, longTextsAreCutAndUndoneKeysLeftOut) {
    scratchFolder dir;
    clsCfgBuilder b;
    ASSERT_TRUE(b.read_info(dir.write("d.txt", "key:KP_ENTER_LONGKEY\nkey:F2\n")));
    b.add_code("KP_ENTER_LONGKEY", std::string(60, 'x'), "say", {"1"}, 1, "1", false);
    b.add_code("F2", "gone", "say", {"1"}, 1, "1", false);
    b.remove_bind_part("F2");
    recordingList list;
    b.printScheme(list);
    EXPECT_EQ(list.entries,
              (lines{header, separator,
                     "|KP_ENTER_L|       say|xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx|", separator}));
}

TEST(clsCfgBuilderSettings, storesTheStyleUnderItsEntry) {
    clsCfgBuilder b;
    memorySettings store;
    b.SaveSettings(store, "Greek");
    b.SaveSettings(store, "Carribean Sea");
    EXPECT_EQ(store.values, (std::map<std::string, std::string>{
                                {"Brenvolt Beta 0.98|ColorSettings|ColorStyle", "Carribean Sea"}}));
}

}  // namespace
