#include <gtest/gtest.h>


#include "styles/clsColorStyleManager.h"

namespace {

struct recordingList : clsListControl {
    std::vector<std::string> entries;
    void clear() override { entries.clear(); }
    void addItem(const std::string& entry) override { entries.push_back(entry); }
};

constexpr std::int32_t face = clsColorStyleManager::systemButtonFace;

TEST(clsColorStyleManager, standardStyles) {
    clsColorStyleManager m;
    m.registerStandardStyles();
    recordingList list;
    m.fillCombo(list);
    m.fillCombo(list);  // appends
    ASSERT_EQ(list.entries.size(), 66u);
    EXPECT_EQ(m.styleCount(), 33u);
    struct row { std::size_t at; std::string name; std::vector<std::int32_t> colours; };  // 00BBGGRR
    for (const row& r : std::vector<row>{{0, "Windows", {face, 0x000000, 0xFFFFFF, face}},
                                         {11, "Carribean Sea", {0xC0C000, 0x000000, 0xFFFFC0, 0xFFFF00}},
                                         {24, "Greek", {0xFF0000, 0xFF0000, 0xFFC0C0, 0xFFFFFF}},
                                         {32, "Norweigian", {0xFFC0C0, 0x0000FF, 0xC0C0FF, 0xFF0000}}}) {
        EXPECT_EQ(list.entries[r.at], r.name);
        EXPECT_EQ(list.entries[r.at + 33], r.name);
        const std::size_t before = m.searchCount();
        EXPECT_EQ((std::vector{m.getButtonColor(r.name), m.getLabelTextColor(r.name),
                               m.getTextBoxBackGroundColor(r.name), m.getFormColor(r.name)}), r.colours) << r.name;
        EXPECT_EQ(m.searchCount(), before + 1) << r.name;  // one search for the four questions
    }
    for (const std::string name : {"No Such Style", "", "greek", "Windows ", "Caribbean Sea"}) {
        EXPECT_EQ(m.getFormColor("Greek"), 0xFFFFFF);  // something else was current before
        EXPECT_EQ((std::vector{m.getButtonColor(name), m.getLabelTextColor(name), m.getTextBoxBackGroundColor(name),
                               m.getFormColor(name)}), (std::vector<std::int32_t>{face, 0, 0xFFFFFF, face})) << name;
    }
    EXPECT_EQ(clsColorStyleManager().getButtonColor("Greek"), face);  // no style at all
}

TEST(clsColorStyleManager, addNewStyleReadsSignedDecimalTexts) {
    clsColorStyleManager m;
    m.addNewStyle("Mine", "-2147483633", "255", "16777215", "nonsense");
    EXPECT_EQ((std::vector{m.getButtonColor("Mine"), m.getLabelTextColor("Mine"), m.getTextBoxBackGroundColor("Mine"),
                           m.getFormColor("Mine")}), (std::vector<std::int32_t>{face, 0x0000FF, 0xFFFFFF, 0}));
}

}  // namespace
