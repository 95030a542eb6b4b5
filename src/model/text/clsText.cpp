// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/text/clsText.h"

#include <algorithm>
#include <atomic>
#include <climits>

#include "model/console/groupedNumber.h"

namespace {
// Like the toolkit's own list of translators, the one the model's texts use is
// the program's: installed at start, read from any thread.
std::atomic<const clsTranslator*> installed{nullptr};
}  // namespace

void clsText::install(const clsTranslator* translator) { installed.store(translator); }

std::string clsText::translate(const char* context, const char* source, const char* comment) {
    if (const clsTranslator* translator = installed.load())
        if (std::optional<std::string> found = translator->find(context, source, comment, -1)) return *found;
    return source;
}

std::string clsText::translate(const char* context, const char* singular, const char* plural, std::size_t n) {
    std::optional<std::string> found;
    if (const clsTranslator* translator = installed.load())
        found = translator->find(context, singular, plural, static_cast<int>(std::min<std::size_t>(n, INT_MAX)));
    std::string text = found ? *found : std::string(n == 1 ? singular : plural);
    const std::string count = number(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + count.size()))
        text.replace(at, 2, count);
    return text;
}

std::string clsText::format(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t k = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && k < args.size()) {
            out += *(args.begin() + k);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string clsText::number(std::size_t n) {
    return groupedNumber(n, translate("clsText", ",", "the digit group separator of numbers: 16,384"));
}
