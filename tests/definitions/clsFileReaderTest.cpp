#include <gtest/gtest.h>


#include "definitions/clsFileReader.h"
#include "definitions/scratchFolder.h"

namespace {

using item = std::vector<std::string>;  // kind, Description, value
using items = std::vector<item>;
const item none{"", "", ""};

items readAll(clsFileReader& reader) {
    items got;
    while (reader.has_more()) {
        const auto it = reader.getItem();
        got.push_back({it->kind, it->Description, it->value});
    }
    return got;
}

items readBuffer(const std::string& content) {
    clsFileReader reader;
    reader.openbuffer(content);
    return readAll(reader);
}

// parseLine: rule order (key:, color:, osp:, radio:) and cuts that assume the token at the start.
TEST(clsFileReader, oneLineEach) {
    const std::vector<std::pair<std::string, item>> cases{
        {"color:Green", none},
        {"Key:F1", none},
        {"color:<>7", {"color:", "", "7"}},
        {"radio:Name<>a<>b", {"radio:", "Name", "a<>b"}},
        {"color:Red <> 1", {"color:", "Red ", " 1"}},
        {"key:F1<>x", {"key:", "F1<>x", "F1<>x"}},
        {" color:Red<>1", {"color:", ":Red", "1"}},
        {"color:Monkey:<>6", {"key:", "r:Monkey:<>6", "r:Monkey:<>6"}},
        {"radio:use osp:x<>y", {"osp:", "o:use osp:x", "y"}},
        {"abcdef<>color:x", {"color:", "", "color:x"}},
        {"<>color:Red", none},  // a separator in front of the token's cut yields nothing
        {"<>osp:x key:y", none},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(readBuffer(line + "\r\n"), items{expected}) << line;
}

TEST(clsFileReader, linesAndBytes) {
    const std::string file =
        "Keys you can bind:\r\nkey:F1\r\nkey:MOUSE1\r\n\r\ncolor:Red<>1\r\ncolor:Light Blue<>5\r\n"
        "color:Green\r\nosp:Shown name<>text sent\r\nradio:Command name<>command text\r\n";
    const std::string big(1 << 20, 'x');
    const std::vector<std::pair<std::string, items>> cases{
        {file, {{"key:", "F1", "F1"}, {"key:", "MOUSE1", "MOUSE1"}, {"color:", "Red", "1"},
                {"color:", "Light Blue", "5"}, {"osp:", "Shown name", "text sent"},
                {"radio:", "Command name", "command text"}}},
        {"", {}},
        {"\r\n\r\n\n\r\n", {none}},  // unusable lines are skipped within one getItem
        {"key:A\r\nkey:B\nkey:C", {{"key:", "A", "A"}, {"key:", "B", "B"}, {"key:", "C", "C"}}},
        {"key:A\r\nrest\r\n\r\n", {{"key:", "A", "A"}, none}},
        {"\xEF\xBB\xBF" "color:Red<>1\r\n", {{"color:", "Red", "1"}}},
        {"key:A\rB\r\n", {{"key:", "A\rB", "A\rB"}}},
        {"key:A\r\r\n", {{"key:", "A\r", "A\r"}}},
        {std::string("color:R\0d<>\0\r\n", 14), {{"color:", std::string("R\0d", 3), std::string("\0", 1)}}},
        {"color:R\xE9" "d<>\xFF\xFE\r\nkey:\xC3\r\n", {{"color:", "R\xE9" "d", "\xFF\xFE"}, {"key:", "\xC3", "\xC3"}}},
        {"color:" + big + "<>" + big + "\r\nkey:B", {{"color:", big, big}, {"key:", "B", "B"}}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(readBuffer(cases[i].first), cases[i].second) << "row " << i;
}

TEST(clsFileReader, readsAFileExactlyOrRefusesIt) {
    scratchFolder dir;
    clsFileReader reader;
    ASSERT_TRUE(reader.openfile(dir.write("empty.txt", "")));
    EXPECT_FALSE(reader.has_more());
    ASSERT_TRUE(reader.openfile(dir.write("d.txt", std::string("\xEF\xBB\xBFkey:F1\r\nosp:N\0ul<>t\n", 23))));
    EXPECT_EQ(readAll(reader), (items{{"key:", "F1", "F1"}, {"osp:", std::string("N\0ul", 4), "t"}}));
    reader.close_file();
    EXPECT_FALSE(reader.has_more());
    std::filesystem::create_directory(dir.file("folder"));
    for (const char* name : {"missing.txt", "folder"}) {
        reader.openbuffer("key:Left\r\n");  // whatever was open before is closed
        EXPECT_FALSE(reader.openfile(dir.file(name))) << name;
        EXPECT_FALSE(reader.has_more());
        EXPECT_EQ(reader.getItem()->kind, "");
    }
}

}  // namespace
