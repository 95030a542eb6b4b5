// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/definitions/clsFileReader.h"
#include "support/scratchFolder.h"

namespace {

using item = std::vector<std::string>;  // kind, Description, value
using items = std::vector<item>;
const item none{"", "", ""};

// Every row is read from a file, so the whole path from the bytes on disk is covered. (The builder's tests cover
// the refusal of a missing file or a folder.)
items readFile(const std::string& bytes) {
    scratchFolder dir;
    clsFileReader reader;
    EXPECT_TRUE(reader.openfile(dir.write("d.txt", bytes)));
    items got;
    while (reader.has_more()) {
        const auto it = reader.getItem();
        got.push_back({it->kind, it->Description, it->value});
    }
    return got;
}

// parseLine: rule order (osp: with "<>", key:, color:, radio:) and cuts that assume the token at the start.
TEST(clsFileReader, oneLineEach) {
    const std::vector<std::pair<std::string, item>> cases{
        {"color:<>7", {"color:", "", "7"}},
        {"radio:Name<>a<>b", {"radio:", "Name", "a<>b"}},
        {"key:F1<>x", {"key:", "F1<>x", "F1<>x"}},
        {" color:Red<>1", {"color:", ":Red", "1"}},
        {"color:Monkey:<>6", {"key:", "r:Monkey:<>6", "r:Monkey:<>6"}},
        {"radio:use osp:x<>y", {"osp:", "o:use osp:x", "y"}},
        {"<>osp:x key:y", none},  // a separator in front of the token's cut yields nothing
        {"color:Green", none},    // a colour without its code
        {"Key:F1", none},         // tokens are case-sensitive
        {"COLOR:Red<>1", none},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(readFile(line + "\r\n"), items{expected}) << line;
}

// (A lone CR or a zero byte stays in the entry: the builder's test of what it leaves out.)
TEST(clsFileReader, linesAndBytes) {
    const std::vector<std::pair<std::string, items>> cases{
        {"key:A\r\nrest\r\n\r\n", {{"key:", "A", "A"}, none}},  // unusable lines are skipped within one getItem
        {"\xEF\xBB\xBF"
         "color:Red<>1\r\n",
         {{"color:", "Red", "1"}}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(readFile(cases[i].first), cases[i].second) << "row " << i;
    clsFileReader reader;  // every item knows its line, also after skipped and CR LF lines
    reader.openbuffer("\xEF\xBB\xBFnote\r\nkey:A\r\n\r\nb\nkey:B\r\nx");
    std::vector<std::pair<std::size_t, std::string>> lines;
    while (reader.has_more()) {
        reader.getItem();
        lines.emplace_back(reader.line_number(), reader.line_text());
    }
    EXPECT_EQ(lines, (std::vector<std::pair<std::size_t, std::string>>{{2, "key:A"}, {5, "key:B"}, {6, "x"}}));
}

}  // namespace
