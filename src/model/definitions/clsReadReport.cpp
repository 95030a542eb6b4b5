// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/definitions/clsReadReport.h"

#include <cstdio>

#include "model/text/clsText.h"

namespace {

constexpr std::size_t shownBytes = 60;  // of an entry's text in the listing

// The entry's text for a message: control bytes named, long texts cut
// (never inside a UTF-8 character) and marked with an ellipsis.
std::string printable(std::string_view text) {
    std::string out;
    std::size_t cut = text.size();
    if (cut > shownBytes) {
        cut = shownBytes;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    }
    for (std::size_t i = 0; i < cut; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            out += "[CR]";
        } else if (c == '\n') {
            out += "[LF]";
        } else if (c == 0) {
            out += "[NUL]";
        } else if (c < 0x20 || c == 0x7F) {
            char name[8];
            std::snprintf(name, sizeof name, "[0x%02X]", c);
            out += name;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (cut < text.size()) out += "\u2026";
    return out;
}

}  // namespace

void clsReadReport::clear() {
    total_ = 0;
    counts_.fill(0);
    entries_.clear();
}

void clsReadReport::add(std::size_t line, std::string_view text, clsLeftOutReason reason) {
    ++total_;
    ++counts_[static_cast<std::size_t>(reason)];
    if (entries_.size() < keptEntries) entries_.push_back({line, std::string(text.substr(0, keptBytes)), reason});
}

std::string clsReadReport::listing(std::size_t shown) const {
    std::string out;
    std::size_t listed = 0;
    for (const clsLeftOutEntry& e : entries_) {
        if (listed == shown) break;
        if (listed++ > 0) out += "\r\n";
        out += clsText::format(clsText::translate("clsReadReport", "line %1: %2"),
                               {clsText::number(e.line), printable(e.text)}) +
               " \u2013 " + reasonText(e.reason);
    }
    if (total_ > listed)
        out +=
            std::string(listed > 0 ? "\r\n" : "") +
            clsText::format(clsText::translate("clsReadReport", "... and %1 more"), {clsText::number(total_ - listed)});
    return out;
}

std::string clsReadReport::reasonText(clsLeftOutReason reason) {
    switch (reason) {
        case clsLeftOutReason::noName: return clsText::translate("clsReadReport", "has no key name");
        case clsLeftOutReason::notOneWord:
            return clsText::translate("clsReadReport",
                                      "holds a blank inside the key name, so the game would not read it as one key");
        case clsLeftOutReason::lineBreak:
            return clsText::translate("clsReadReport",
                                      "holds a line break, which would end the bind and run the rest as a command");
        case clsLeftOutReason::zeroByte:
            return clsText::translate("clsReadReport", "holds a zero byte, where the game stops reading the file");
        case clsLeftOutReason::separator:
            return clsText::translate("clsReadReport",
                                      "holds ';', which would end the bind and run the rest as a command");
        case clsLeftOutReason::comment:
            return clsText::translate("clsReadReport",
                                      "holds '//' or '/*', which the game reads as the start of a comment");
        case clsLeftOutReason::quote:
            return clsText::translate("clsReadReport", "holds '\"', which the game takes as quoting, not as text");
        case clsLeftOutReason::groupFull:
            return clsText::translate("clsReadReport", "is past the 32,767 entries of one kind the program holds");
        case clsLeftOutReason::noCommand: return clsText::translate("clsReadReport", "has no command");
        case clsLeftOutReason::noText:
            return clsText::translate("clsReadReport", "holds only blanks, which the game does not send");
    }
    return {};
}
