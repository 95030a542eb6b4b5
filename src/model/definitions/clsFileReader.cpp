// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/definitions/clsFileReader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

const std::string_view byteOrderMark = "\xEF\xBB\xBF";

// The item a line yields, cut by the fixed positions of its token. The
// description of a "<>" line is the text between the token (assumed at the
// start of the line) and the first "<>"; a separator that stands before the
// end of that cut leaves nothing sensible to cut, so such a line yields nothing.
std::unique_ptr<clsItem> cutAround(std::string_view L, std::size_t sep, std::size_t tokenLength, const char* kind) {
    auto item = std::make_unique<clsItem>();
    if (sep < tokenLength) return item;
    item->value = std::string(L.substr(sep + 2));
    item->Description = std::string(L.substr(tokenLength, sep - tokenLength));
    item->kind = kind;
    return item;
}

}  // namespace

bool clsFileReader::openfile(const std::string& name) {
    close_file();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(name, ec)) return false;
    std::ifstream in(name, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    std::string content(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(content.data(), size)) return false;
    openbuffer(std::move(content));
    return true;
}

void clsFileReader::openbuffer(std::string content) {
    data = std::move(content);
    pos = std::string_view(data).starts_with(byteOrderMark) ? byteOrderMark.size() : 0;
    lineNumber = 0;
    lineText = {};
}

bool clsFileReader::has_more() const { return pos < data.size(); }

bool clsFileReader::readLine(std::string_view& line) {
    if (!has_more()) return false;
    const std::string_view rest = std::string_view(data).substr(pos);
    const std::size_t lf = rest.find('\n');
    line = rest.substr(0, lf);
    pos = (lf == std::string_view::npos) ? data.size() : pos + lf + 1;
    if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber;
    lineText = line;
    return true;
}

std::unique_ptr<clsItem> clsFileReader::getItem() {
    std::string_view line;
    while (readLine(line)) {
        auto item = parseLine(line);
        if (!item->kind.empty()) return item;
    }
    // Only lines without a usable token were left (or nothing at all).
    return std::make_unique<clsItem>();
}

void clsFileReader::close_file() {
    data.clear();
    data.shrink_to_fit();
    pos = 0;
    lineNumber = 0;
    lineText = {};
}

std::unique_ptr<clsItem> clsFileReader::parseLine(std::string_view L) {
    const std::size_t sep = L.find("<>");
    const bool hasSep = sep != std::string_view::npos;
    // Which tokens the line holds anywhere, found in one pass over its colons.
    bool hasOsp = false, hasKey = false, hasColor = false, hasRadio = false;
    for (std::size_t colon = L.find(':'); colon != std::string_view::npos; colon = L.find(':', colon + 1)) {
        const std::string_view before = L.substr(0, colon);
        hasOsp = hasOsp || before.ends_with("osp");
        hasKey = hasKey || before.ends_with("key");
        hasColor = hasColor || before.ends_with("color");
        hasRadio = hasRadio || before.ends_with("radio");
    }
    // The order of these tests decides what a line is, wherever its token stands.
    if (hasOsp && hasSep) return cutAround(L, sep, 4, "osp:");
    if (hasKey) {
        auto item = std::make_unique<clsItem>();
        item->Description = std::string(L.substr(4));
        item->value = item->Description;
        item->kind = "key:";
        return item;
    }
    if (hasColor && hasSep) return cutAround(L, sep, 6, "color:");
    if (hasRadio && hasSep) return cutAround(L, sep, 6, "radio:");
    return std::make_unique<clsItem>();
}
