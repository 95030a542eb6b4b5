// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/definitions/clsEntryCheck.h"

#include "model/console/clsConsoleLexer.h"
#include "model/definitions/clsGroupToken.h"

namespace {

std::optional<clsLeftOutReason> reasonOf(clsConsoleHazard hazard) {
    switch (hazard) {
        case clsConsoleHazard::none: return std::nullopt;
        case clsConsoleHazard::lineBreak: return clsLeftOutReason::lineBreak;
        case clsConsoleHazard::zeroByte: return clsLeftOutReason::zeroByte;
        case clsConsoleHazard::separator: return clsLeftOutReason::separator;
        case clsConsoleHazard::comment: return clsLeftOutReason::comment;
        case clsConsoleHazard::quote: return clsLeftOutReason::quote;
    }
    return std::nullopt;
}

}  // namespace

std::optional<clsLeftOutReason> clsEntryCheck::check(const clsItem& item) {
    const std::string& v = item.value;
    if (tokenOf(item.kind) == clsGroupToken::radio) {
        // ';', "//" and "/*" are harmless: the bind line quotes the command.
        for (const char c : v) {
            if (c == '"') return clsLeftOutReason::quote;
            if (c == '\r' || c == '\n') return clsLeftOutReason::lineBreak;
            if (c == '\0') return clsLeftOutReason::zeroByte;
        }
        if (clsConsoleLexer::words(v).empty()) return clsLeftOutReason::noCommand;
        return std::nullopt;
    }
    if (const auto hazard = reasonOf(clsConsoleLexer::firstHazard(v, false))) return hazard;
    // A token of blanks only (a tab, bytes from 0x80 on) sends nothing when bound alone.
    if (tokenOf(item.kind) == clsGroupToken::osp && clsConsoleLexer::words(v).empty()) return clsLeftOutReason::noText;
    if (tokenOf(item.kind) == clsGroupToken::key && !clsConsoleLexer::isOneWord(v)) {
        bool onlyBlanks = true;
        for (const char c : v) onlyBlanks = onlyBlanks && clsConsoleLexer::isBlank(c);
        return onlyBlanks ? clsLeftOutReason::noName : clsLeftOutReason::notOneWord;
    }
    return std::nullopt;
}
