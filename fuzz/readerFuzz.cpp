// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The definition reader over any bytes, against a plain reading of the line
// rules: every line form, ending and cut, and the line each item came from.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/definitions/clsFileReader.h"

namespace {

struct texts {
    std::string kind, Description, value;
    std::size_t line = 0;  // the file's line the item was read from (the last line read)
    bool operator==(const texts&) const = default;
};

// The rules as written: positions from 1, p the position of the first "<>".
texts reference(const std::string& L) {
    const std::size_t found = L.find("<>");
    const long p = found == std::string::npos ? 0 : static_cast<long>(found) + 1;
    auto has = [&](const char* token) { return L.find(token) != std::string::npos; };
    auto cut = [&](long tokenLength, const char* kind) -> texts {
        const long length = p - tokenLength - 1;
        if (length < 0) return {};  // the separator stands inside the token's cut
        return {kind, L.substr(static_cast<std::size_t>(tokenLength), static_cast<std::size_t>(length)),
                L.substr(static_cast<std::size_t>(p + 1)), 0};
    };
    if (has("osp:") && p > 0) return cut(4, "osp:");
    if (has("key:")) return {"key:", L.substr(4), L.substr(4), 0};
    if (has("color:") && p > 0) return cut(6, "color:");
    if (has("radio:") && p > 0) return cut(6, "radio:");
    return {};
}

std::vector<texts> expectedItems(std::string input) {
    if (input.rfind("\xEF\xBB\xBF", 0) == 0) input.erase(0, 3);
    std::vector<texts> items;
    bool pendingEmpty = false;
    std::size_t pos = 0, number = 0;
    while (pos < input.size()) {
        ++number;
        const std::size_t lf = input.find('\n', pos);
        std::string line = input.substr(pos, lf == std::string::npos ? std::string::npos : lf - pos);
        if (lf != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
        pos = lf == std::string::npos ? input.size() : lf + 1;
        texts t = reference(line);
        t.line = number;
        if (t.kind.empty()) {
            pendingEmpty = true;
        } else {
            items.push_back(t);
            pendingEmpty = false;
        }
    }
    if (pendingEmpty) items.push_back({"", "", "", number});  // the last call found only unusable lines
    return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    clsFileReader reader;
    reader.openbuffer(input);
    std::vector<texts> got;
    while (reader.has_more()) {
        auto item = reader.getItem();
        if (!item) __builtin_trap();
        got.push_back({item->kind, item->Description, item->value, reader.line_number()});
        if (got.size() > size + 1) __builtin_trap();  // every call uses up at least one line
    }
    reader.close_file();
    if (got != expectedItems(input)) __builtin_trap();
    return 0;
}
