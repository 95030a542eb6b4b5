// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The colouring of typed text against a plain reading of its rule, for any
// text, colour list, pattern size and step.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "model/binds/clsScheme.h"

namespace {

// The rule as written, with 1-based positions and wide numbers.
std::string reference(const std::string& t, const std::vector<std::string>& c, long n, long w) {
    if (n > static_cast<long>(c.size())) n = static_cast<long>(c.size());
    if (n <= 0) return "";
    if (n == 1) return "^" + c[0] + t;
    if (w <= 0) w = 1;
    std::string result;
    long s = 1;
    const long L = static_cast<long>(t.size());
    for (long i = 1; i <= L; i += w) {
        const std::string chunk = t.substr(static_cast<std::size_t>(i - 1), static_cast<std::size_t>(w));
        if (chunk.find_first_not_of(' ') != std::string::npos) {
            result += "^" + c[static_cast<std::size_t>(((i - s) / w) % n)] + chunk;
        } else {
            result += chunk;
            s += 1;
        }
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    std::int16_t n = 0, w = 0;
    std::memcpy(&n, data, 2);
    std::memcpy(&w, data + 2, 2);
    // Small numbers are the interesting ones most of the time.
    if (data[4] & 1) n = static_cast<std::int16_t>(n % 11);
    if (data[4] & 2) w = static_cast<std::int16_t>(w % 12);
    const std::size_t colourCount = (data[4] >> 2) % 10;
    std::string rest(reinterpret_cast<const char*>(data + 5), size - 5);

    // The first colourCount pieces separated by '|' are the codes, the remainder the text.
    std::vector<std::string> colours;
    while (colours.size() < colourCount) {
        const std::size_t bar = rest.find('|');
        if (bar == std::string::npos) break;
        colours.push_back(rest.substr(0, bar));
        rest.erase(0, bar + 1);
    }
    const std::string got = clsScheme::colorText(rest, colours, n, w);
    if (got != reference(rest, colours, n, w)) __builtin_trap();
    return 0;
}
