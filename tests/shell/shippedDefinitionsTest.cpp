#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "bindmodel/clsCfgBuilder.h"

// The definition file that ships with the program, read as the program reads it.
namespace {

const std::filesystem::path shipped =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "InputFiles" / "SoF2 default.txt";

std::vector<std::pair<std::string, std::string>> entries(clsCfgBuilder& builder, const std::string& token) {
    std::vector<std::pair<std::string, std::string>> out;
    clsGroup& group = builder.getGroup(token);
    group.get_front();
    while (group.has_next()) {
        const clsItem& item = group.get_next();
        out.emplace_back(item.Description, item.value);
    }
    return out;
}

class shippedDefinitions : public testing::Test {
protected:
    clsCfgBuilder builder;
    void SetUp() override { ASSERT_TRUE(builder.read_info(shipped.string())) << shipped; }
};

}  // namespace

// Comment lines must stay comments: every entry comes from a line that starts
// with its token, and every such line gives one entry.
TEST_F(shippedDefinitions, onlyTokenLinesBecomeEntries) {
    std::ifstream in(shipped, std::ios::binary);
    std::map<std::string, std::size_t> lines;
    for (std::string line; std::getline(in, line);) {
        ASSERT_FALSE(line.empty() || line.back() != '\r') << "every line ends with CR LF";
        for (const char* token : {"key:", "color:", "osp:", "radio:"})
            if (line.rfind(token, 0) == 0) ++lines[token];
    }
    for (const char* token : {"key:", "color:", "osp:", "radio:"}) {
        SCOPED_TRACE(token);
        EXPECT_EQ(entries(builder, token).size(), lines[token]);
        EXPECT_GT(lines[token], 0u);
    }
}

TEST_F(shippedDefinitions, listsTheKeyNamesTheGameBinds) {
    std::vector<std::string> expected;
    for (int i = 1; i <= 12; ++i) expected.push_back("F" + std::to_string(i));
    for (char c = 'a'; c <= 'z'; ++c) expected.emplace_back(1, c);
    for (char c = '0'; c <= '9'; ++c) expected.emplace_back(1, c);
    for (const char* k :
         {"KP_HOME", "KP_UPARROW", "KP_PGUP",   "KP_LEFTARROW", "KP_5",      "KP_RIGHTARROW", "KP_END",  "KP_DOWNARROW",
          "KP_PGDN", "KP_ENTER",   "KP_INS",    "KP_DEL",       "KP_SLASH",  "KP_MINUS",      "KP_PLUS", "KP_NUMLOCK",
          "KP_STAR", "KP_EQUALS",  "UPARROW",   "DOWNARROW",    "LEFTARROW", "RIGHTARROW",    "TAB",     "ENTER",
          "ESCAPE",  "SPACE",      "BACKSPACE", "ALT",          "CTRL",      "SHIFT",         "INS",     "DEL",
          "PGDN",    "PGUP",       "HOME",      "END",          "PAUSE",     "MOUSE1",        "MOUSE2",  "MOUSE3",
          "MOUSE4",  "MOUSE5",     "MWHEELUP",  "MWHEELDOWN"})
        expected.emplace_back(k);
    std::vector<std::string> keys;
    for (const auto& [name, value] : entries(builder, "key:")) {
        EXPECT_EQ(name, value);
        keys.push_back(name);
    }
    EXPECT_EQ(keys, expected);
}

TEST_F(shippedDefinitions, hasTheEightGameColoursAndUsableChatCommands) {
    EXPECT_EQ(entries(builder, "color:"), (std::vector<std::pair<std::string, std::string>>{{"Black", "0"},
                                                                                            {"Red", "1"},
                                                                                            {"Green", "2"},
                                                                                            {"Yellow", "3"},
                                                                                            {"Blue", "4"},
                                                                                            {"Cyan", "5"},
                                                                                            {"Magenta", "6"},
                                                                                            {"White", "7"}}));
    for (const auto& [name, command] : entries(builder, "radio:")) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(command == "ui_radio" || (command.rfind("vsay_team ", 0) == 0 &&
                                              command.find(' ', 10) == std::string::npos && command.size() > 10));
    }
    // Nothing that the console would cut or that a chat line may not hold.
    for (const char* token : {"osp:", "radio:"})
        for (const auto& [name, text] : entries(builder, token)) {
            SCOPED_TRACE(name);
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(text.find_first_of(";\"^"), std::string::npos);
            EXPECT_EQ(text.find("//"), std::string::npos);
        }
}
