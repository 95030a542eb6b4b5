#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "styles/clsColorStyleManager.h"

namespace {

struct recordingList : clsListControl {
    std::vector<std::string> entries;
    void clear() override { entries.clear(); }
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

constexpr std::int32_t face = clsColorStyleManager::systemButtonFace;

struct styleRow {
    std::string name;
    std::int32_t button, label, textBox, form;
};

// The catalogue as the user knows it, colours as 00BBGGRR.
const std::vector<styleRow> catalogue{
    {"Windows", face, 0x000000, 0xFFFFFF, face},
    {"Hi-Tech", 0xE0E0E0, 0xFFFFFF, 0xFFFFC0, 0x808080},
    {"Chillin'", 0xFFC0C0, 0x000000, 0xFFFFC0, 0xC0FFC0},
    {"LDS Trip", 0x0000FF, 0x00FFFF, 0x00FF00, 0x800000},
    {"Teenage Mutant Hero Turtle", 0xC000C0, 0xC000C0, 0xFFC0FF, 0x00FF00},
    {"Toy", 0x00FF00, 0x0000FF, 0xC0FFC0, 0x00FFFF},
    {"Jamaica Reggae", 0x0000FF, 0x0000FF, 0x00FFFF, 0x00FF00},
    {"Dracula", 0x0000FF, 0xFFFFFF, 0xC0C0C0, 0x000000},
    {"Albino", 0x0000FF, 0x000000, 0xE0E0E0, 0xFFFFFF},
    {"Cybertronic", 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFF0000},
    {"Blue Sky", 0xFFC0C0, 0xFFFFFF, 0xFFFFC0, 0xFF0000},
    {"Carribean Sea", 0xC0C000, 0x000000, 0xFFFFC0, 0xFFFF00},
    {"Green Grass", 0x00FF00, 0xFFFFFF, 0xC0FFC0, 0x008000},
    {"Pink Panther", 0xFF00FF, 0x000000, 0xFFFFFF, 0xFFC0FF},
    {"Lemon Yellow", 0x00FFFF, 0x000000, 0xC0FFC0, 0xC0FFFF},
    {"Bumble Bee", 0x00FFFF, 0x00FFFF, 0xC0FFFF, 0x000000},
    {"Pimp Style", 0xFF00FF, 0xFF00FF, 0xFFFF00, 0x000000},
    {"Neon Light", 0xFF00FF, 0xFF00FF, 0xFF00FF, 0xFF0000},
    {"Tomb Stone", 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0x000000},
    {"Dutch", 0x0000FF, 0xFFFFFF, 0x0080FF, 0xFF0000},
    {"U.K.", 0xFFFFFF, 0xFF0000, 0xFFFFFF, 0x0000FF},
    {"U.S.A.", 0x0000FF, 0xFFFFFF, 0xFFFFFF, 0xFF0000},
    {"German", 0x0000FF, 0x00FFFF, 0x00FFFF, 0x000000},
    {"Belgian", 0x00FFFF, 0x000000, 0xC0FFFF, 0x0000FF},
    {"Greek", 0xFF0000, 0xFF0000, 0xFFC0C0, 0xFFFFFF},
    {"Italian", 0x0080FF, 0x008000, 0xC0FFC0, 0xE0E0E0},
    {"Irish", 0xFFFFFF, 0xFFFFFF, 0x00FF00, 0x0080FF},
    {"Spanish", 0x00FFFF, 0x00FFFF, 0xC0FFFF, 0x0000FF},
    {"Portuguese", 0x0000FF, 0x0000FF, 0xC0C0FF, 0x008000},
    {"Canadian", 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x0000FF},
    {"Swedish", 0x00FFFF, 0x00FFFF, 0xC0FFFF, 0xFF0000},
    {"Japanese", 0x0000FF, 0x000000, 0xFFFFFF, 0xE0E0E0},
    {"Norweigian", 0xFFC0C0, 0x0000FF, 0xC0C0FF, 0xFF0000},
};

class standardStyles : public testing::Test {
protected:
    void SetUp() override { m.registerStandardStyles(); }
    clsColorStyleManager m;
};

TEST_F(standardStyles, areRegisteredInOrder) {
    recordingList list;
    m.fillCombo(list);
    ASSERT_EQ(list.entries.size(), catalogue.size());
    for (std::size_t i = 0; i < catalogue.size(); ++i) EXPECT_EQ(list.entries[i], catalogue[i].name);
    EXPECT_EQ(m.styleCount(), 33u);
}

TEST_F(standardStyles, answerTheirFourColours) {
    // Asked backwards so that every answer comes from a fresh search.
    for (auto row = catalogue.rbegin(); row != catalogue.rend(); ++row) {
        EXPECT_EQ(m.getButtonColor(row->name), row->button) << row->name;
        EXPECT_EQ(m.getLabelTextColor(row->name), row->label) << row->name;
        EXPECT_EQ(m.getTextBoxBackGroundColor(row->name), row->textBox) << row->name;
        EXPECT_EQ(m.getFormColor(row->name), row->form) << row->name;
    }
}

TEST_F(standardStyles, theFourColoursOfOneStyleTakeOneSearch) {
    const std::size_t before = m.searchCount();
    m.getButtonColor("Greek");
    m.getLabelTextColor("Greek");
    m.getTextBoxBackGroundColor("Greek");
    m.getFormColor("Greek");
    EXPECT_EQ(m.searchCount(), before + 1);
    EXPECT_EQ(m.getTextBoxBackGroundColor("Greek"), 0xFFC0C0);
}

class unknownNames : public standardStyles, public testing::WithParamInterface<std::string> {};

TEST_P(unknownNames, answerTheWindowsColours) {
    m.getFormColor("Dracula");  // something else was current before
    EXPECT_EQ(m.getButtonColor(GetParam()), face);
    EXPECT_EQ(m.getLabelTextColor(GetParam()), 0x000000);
    EXPECT_EQ(m.getTextBoxBackGroundColor(GetParam()), 0xFFFFFF);
    EXPECT_EQ(m.getFormColor(GetParam()), face);
    EXPECT_EQ(m.getFormColor("Dracula"), 0x000000);  // and a real style is found again
}

INSTANTIATE_TEST_SUITE_P(names, unknownNames,
                         testing::Values("No Such Style", "", "greek", "Windows ", "Caribbean Sea"),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

TEST(clsColorStyleManager, unknownNameWithoutAnyStyleStillAnswersWindows) {
    clsColorStyleManager m;
    EXPECT_EQ(m.getButtonColor("Greek"), face);
    EXPECT_EQ(m.getTextBoxBackGroundColor(""), 0xFFFFFF);
}

TEST(clsColorStyleManager, addNewStyleReadsSignedDecimalTexts) {
    clsColorStyleManager m;
    m.addNewStyle("Mine", "-2147483633", "255", "16777215", "nonsense");
    m.addNewStyle("Mine", "1", "2", "3", "4");  // names are not checked for doubles
    EXPECT_EQ(m.getButtonColor("Mine"), face);
    EXPECT_EQ(m.getLabelTextColor("Mine"), 0x0000FF);
    EXPECT_EQ(m.getTextBoxBackGroundColor("Mine"), 0xFFFFFF);
    EXPECT_EQ(m.getFormColor("Mine"), 0);
    EXPECT_EQ(m.styleCount(), 2u);
}

TEST_F(standardStyles, fillComboAppends) {
    recordingList list;
    m.fillCombo(list);
    m.fillCombo(list);
    EXPECT_EQ(list.entries.size(), 66u);
    EXPECT_EQ(list.entries[33], "Windows");
}

struct rememberedCase {
    bool stored;
    std::string value, expected;
};

class remembered : public testing::TestWithParam<rememberedCase> {};

TEST_P(remembered, styleName) {
    memorySettings store;
    if (GetParam().stored) store.write("Brenvolt Beta 0.98", "ColorSettings", "ColorStyle", GetParam().value);
    EXPECT_EQ(clsColorStyleManager::readRememberedStyle(store), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(settings, remembered,
                         testing::Values(rememberedCase{false, "", "Windows"}, rememberedCase{true, "", "Windows"},
                                         rememberedCase{true, "Greek", "Greek"},
                                         rememberedCase{true, " Greek", " Greek"},
                                         rememberedCase{true, "Unheard Of", "Unheard Of"}),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

}  // namespace
