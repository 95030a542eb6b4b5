#include "bindmodel/clsCfgBuilderTest.h"
#include "cfgoutput/clsOpenReport.h"

namespace {

// What opening the file into a builder that knows F1 tells the player.
std::string told(const std::string& file) {
    loadedBuilder t("key:F1\n");
    const clsCfgImport read = clsCfgImport::fromBytes(file);
    const clsOpenResult result = t.b.open_binds(read.binds());
    return result.opened ? clsOpenReport::opened("my.cfg", read, result) : clsOpenReport::nothingOpened("my.cfg", read, result);
}

TEST(clsOpenReport, saysWhatWasReadAddedLeftOutAndSkipped) {
    const std::string gap = "\r\n\r\n";
    const std::vector<std::pair<std::string, std::string>> cases{
        {"bind f1 say hi", "Read 1 bind from my.cfg."},
        {"bind F1 say a\nbind X say b\necho\n\nfoo; bind \"Y Z\" say c",
         "Read 2 binds from my.cfg." + gap +
             "One of its keys is not in the definition file, so it was added at the end of the key list: X." + gap +
             "1 bind was left out (line 5): the key name is not one word to the game." + gap +
             "2 other commands were skipped (lines 3 and 5)."},
        {"echo a\n// only\n", "my.cfg holds no binds, so nothing was changed." + gap + "1 other command was skipped (line 1)."},
        {"bind \"F 1\" say x", "The one bind of my.cfg could not be opened, so nothing was changed." + gap +
                                   "1 bind was left out (line 1): the key name is not one word to the game."},
        {"bind \"F 1\" say x\nbind F1 say " + std::string(1100, 'a'),  // the console runs the tail past 1,023 bytes
         "Read 1 bind from my.cfg." + gap + "1 bind was left out (line 1): the key name is not one word to the game." +
             gap + "1 other command was skipped (line 2)."},
    };
    for (const auto& [file, message] : cases) EXPECT_EQ(told(file), message) << file;
}

TEST(clsOpenReport, namesTheFirstFewLines) {
    const std::vector<std::pair<std::vector<std::size_t>, std::string>> cases{
        {{4}, "line 4"}, {{4, 9}, "lines 4 and 9"}, {{1, 2, 3, 4, 5}, "lines 1, 2, 3, 4 and 5"},
        {{1, 2, 3, 4, 5, 6, 7, 8}, "lines 1, 2, 3, 4, 5 and 3 more"}};
    for (const auto& [lines, text] : cases) EXPECT_EQ(clsOpenReport::lineList(lines), text);
}

}  // namespace
