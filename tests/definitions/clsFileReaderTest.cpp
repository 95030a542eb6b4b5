#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "definitions/clsFileReader.h"
#include "definitions/scratchFolder.h"

namespace {

// Names parameterised cases by their position in the table.
constexpr auto byIndex = [](const auto& info) { return "row" + std::to_string(info.index); };

struct itemTexts {
    std::string kind, Description, value;
    bool operator==(const itemTexts&) const = default;
};

std::ostream& operator<<(std::ostream& os, const itemTexts& t) {
    return os << "{kind \"" << t.kind << "\", Description \"" << t.Description << "\", value \"" << t.value
              << "\"}";
}

itemTexts textsOf(const clsItem& item) { return {item.kind, item.Description, item.value}; }

// Every item the driver's loop gets: while has_more, getItem.
std::vector<itemTexts> readAll(clsFileReader& reader) {
    std::vector<itemTexts> got;
    while (reader.has_more()) got.push_back(textsOf(*reader.getItem()));
    return got;
}

std::vector<itemTexts> readBuffer(const std::string& content) {
    clsFileReader reader;
    reader.openbuffer(content);
    return readAll(reader);
}

const itemTexts none{"", "", ""};

struct lineCase {
    std::string line;
    itemTexts expected;
};

class oneLine : public testing::TestWithParam<lineCase> {};

TEST_P(oneLine, yieldsItsItem) {
    const auto& c = GetParam();
    const auto got = readBuffer(c.line + "\r\n");
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], c.expected) << "line: " << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    lineForms, oneLine,
    testing::Values(
        // The four forms.
        lineCase{"key:F1", {"key:", "F1", "F1"}},
        lineCase{"key:MOUSE1", {"key:", "MOUSE1", "MOUSE1"}},
        lineCase{"color:Red<>1", {"color:", "Red", "1"}},
        lineCase{"color:Light Blue<>5", {"color:", "Light Blue", "5"}},
        lineCase{"osp:Shown name<>text sent", {"osp:", "Shown name", "text sent"}},
        lineCase{"radio:Command name<>command text", {"radio:", "Command name", "command text"}},
        // Lines without a usable token.
        lineCase{"Keys you can bind:", none},
        lineCase{"", none},
        lineCase{"color:Green", none},
        lineCase{"radio:No separator", none},
        lineCase{"osp:no separator", none},
        lineCase{"Key:F1", none},
        lineCase{"COLOR:Red<>1", none},
        // Empty halves and repeated separators.
        lineCase{"color:<>7", {"color:", "", "7"}},
        lineCase{"color:Red<>", {"color:", "Red", ""}},
        lineCase{"osp:<>x", {"osp:", "", "x"}},
        lineCase{"radio:Name<>a<>b", {"radio:", "Name", "a<>b"}},
        lineCase{"color:Red <> 1", {"color:", "Red ", " 1"}},
        lineCase{"key:", {"key:", "", ""}},
        lineCase{"key:F1<>x", {"key:", "F1<>x", "F1<>x"}},
        // Tokens are found anywhere, but the cuts assume them at the start.
        lineCase{" color:Red<>1", {"color:", ":Red", "1"}},
        lineCase{"color:Monkey:<>6", {"key:", "r:Monkey:<>6", "r:Monkey:<>6"}},
        lineCase{"radio:use osp:x<>y", {"osp:", "o:use osp:x", "y"}},
        lineCase{"osp:a<>b key:c", {"osp:", "a", "b key:c"}},
        lineCase{"mykey:A", {"key:", "y:A", "y:A"}},
        lineCase{"abcdef<>color:x", {"color:", "", "color:x"}},
        // A separator in front of the token's cut yields nothing.
        lineCase{"<>color:Red", none},
        lineCase{"abc<>color:x", none},
        lineCase{"<>radio:x", none},
        lineCase{"<>osp:x", none},
        lineCase{"osp<>osp:x", none},
        lineCase{"<>osp:x key:y", none}),
    byIndex);

TEST(clsFileReader, workedExampleFile) {
    const std::string file =
        "Keys you can bind:\r\nkey:F1\r\nkey:MOUSE1\r\n\r\ncolor:Red<>1\r\ncolor:Light Blue<>5\r\n"
        "color:Green\r\nosp:Shown name<>text sent\r\nradio:Command name<>command text\r\n";
    const std::vector<itemTexts> expected{
        {"key:", "F1", "F1"},
        {"key:", "MOUSE1", "MOUSE1"},
        {"color:", "Red", "1"},
        {"color:", "Light Blue", "5"},
        {"osp:", "Shown name", "text sent"},
        {"radio:", "Command name", "command text"},
    };
    EXPECT_EQ(readBuffer(file), expected);
}

struct bufferCase {
    const char* name;
    std::string content;
    std::vector<itemTexts> expected;
};

class wholeBuffer : public testing::TestWithParam<bufferCase> {};

TEST_P(wholeBuffer, yieldsItsItems) { EXPECT_EQ(readBuffer(GetParam().content), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    linesAndBytes, wholeBuffer,
    testing::Values(
        bufferCase{"empty", "", {}},
        bufferCase{"onlyBlankLines", "\r\n\r\n\n\r\n", {none}},
        bufferCase{"onlyComments", "hello\r\nworld\r\n", {none}},
        bufferCase{"crlf", "key:A\r\nkey:B\r\n", {{"key:", "A", "A"}, {"key:", "B", "B"}}},
        bufferCase{"lfOnly", "key:A\nkey:B\n", {{"key:", "A", "A"}, {"key:", "B", "B"}}},
        bufferCase{"mixed", "key:A\r\nkey:B\nkey:C", {{"key:", "A", "A"}, {"key:", "B", "B"}, {"key:", "C", "C"}}},
        bufferCase{"lastLineWithoutEnding", "color:Red<>1", {{"color:", "Red", "1"}}},
        bufferCase{"commentsBetween", "x\r\nkey:A\r\ny\r\nz\r\nkey:B\r\n", {{"key:", "A", "A"}, {"key:", "B", "B"}}},
        bufferCase{"trailingComments", "key:A\r\nrest\r\n\r\n", {{"key:", "A", "A"}, none}},
        bufferCase{"byteOrderMark", "\xEF\xBB\xBF" "color:Red<>1\r\n", {{"color:", "Red", "1"}}},
        bufferCase{"onlyByteOrderMark", "\xEF\xBB\xBF", {}},
        bufferCase{"bareCarriageReturnKept", "key:A\rB\r\n", {{"key:", "A\rB", "A\rB"}}},
        bufferCase{"onlyOneCarriageReturnDropped", "key:A\r\r\n", {{"key:", "A\r", "A\r"}}},
        bufferCase{"nulKept", std::string("color:R\0d<>\0\r\n", 14),
                   {{"color:", std::string("R\0d", 3), std::string("\0", 1)}}},
        bufferCase{"nonUtf8Kept", "color:R\xE9" "d<>\xFF\xFE\r\nkey:\xC3\r\n",
                   {{"color:", "R\xE9" "d", "\xFF\xFE"}, {"key:", "\xC3", "\xC3"}}}),
    [](const testing::TestParamInfo<bufferCase>& info) { return std::string(info.param.name); });

TEST(clsFileReader, skipsAnyNumberOfUnusableLinesInOneCall) {
    clsFileReader reader;
    reader.openbuffer("a\r\nb\r\nc\r\nkey:A\r\nd\r\n");
    EXPECT_EQ(textsOf(*reader.getItem()), (itemTexts{"key:", "A", "A"}));
    ASSERT_TRUE(reader.has_more());
    EXPECT_EQ(textsOf(*reader.getItem()), none);
    EXPECT_FALSE(reader.has_more());
    // Further calls past the end keep answering an empty item.
    EXPECT_EQ(textsOf(*reader.getItem()), none);
}

TEST(clsFileReader, megabyteLines) {
    const std::string big(1 << 20, 'x');
    const auto got = readBuffer("key:" + big + "\r\ncolor:" + big + "<>" + big + "\r\nkey:B");
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], (itemTexts{"key:", big, big}));
    EXPECT_EQ(got[1], (itemTexts{"color:", big, big}));
    EXPECT_EQ(got[2], (itemTexts{"key:", "B", "B"}));
}

TEST(clsFileReader, readsAFileExactly) {
    scratchFolder dir;
    const std::string bytes = std::string("\xEF\xBB\xBFkey:F1\r\ncolor:R\xE9" "d<>1\nosp:N\0ul<>t\r\n", 37);
    clsFileReader reader;
    ASSERT_TRUE(reader.openfile(dir.write("defs.txt", bytes)));
    const std::vector<itemTexts> expected{
        {"key:", "F1", "F1"}, {"color:", "R\xE9" "d", "1"}, {"osp:", std::string("N\0ul", 4), "t"}};
    EXPECT_EQ(readAll(reader), expected);
    reader.close_file();
    EXPECT_FALSE(reader.has_more());
}

TEST(clsFileReader, emptyFileOpensWithNothingToRead) {
    scratchFolder dir;
    clsFileReader reader;
    ASSERT_TRUE(reader.openfile(dir.write("empty.txt", "")));
    EXPECT_FALSE(reader.has_more());
}

struct unreadableCase {
    const char* name;
    bool makeFolder;
};

class unreadable : public testing::TestWithParam<unreadableCase> {};

TEST_P(unreadable, refusesAndHoldsNothing) {
    scratchFolder dir;
    const std::string path = dir.file("target");
    if (GetParam().makeFolder) std::filesystem::create_directory(path);
    clsFileReader reader;
    reader.openbuffer("key:Left\r\n");  // whatever was open before is closed
    EXPECT_FALSE(reader.openfile(path));
    EXPECT_FALSE(reader.has_more());
    EXPECT_EQ(textsOf(*reader.getItem()), none);
}

INSTANTIATE_TEST_SUITE_P(paths, unreadable,
                         testing::Values(unreadableCase{"missingFile", false}, unreadableCase{"folder", true}),
                         [](const testing::TestParamInfo<unreadableCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
