// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Why a definition entry was left out.
enum class clsLeftOutReason {
    noName,      // a key line without a key name
    notOneWord,  // a key name the console would read as more than one word
    lineBreak,   // a CR or LF inside the text
    zeroByte,    // a zero byte inside the text
    separator,   // ';' in chat text
    comment,     // "//" or "/*" in chat text
    quote,       // '"' in chat text or a radio command
    groupFull,   // the group already held its 32,767 entries
    noCommand,   // a radio line without a command
    noText,      // an OSP token of blanks only, which sends nothing (the last reason)
};

// One entry left out: the file's line number, the line as written, why.
struct clsLeftOutEntry {
    std::size_t line = 0;
    std::string text;
    clsLeftOutReason reason = clsLeftOutReason::noName;
    bool operator==(const clsLeftOutEntry&) const = default;
};

// The entries of a definition file that were left out while reading it: a
// count for every reason, and the first keptEntries entries themselves.
class clsReadReport {
public:
    static constexpr std::size_t keptEntries = 100;
    static constexpr std::size_t keptBytes = 200;  // of each entry's text

    void clear();
    void add(std::size_t line, std::string_view text, clsLeftOutReason reason);
    std::size_t total() const { return total_; }
    std::size_t count(clsLeftOutReason reason) const { return counts_[static_cast<std::size_t>(reason)]; }
    const std::vector<clsLeftOutEntry>& entries() const { return entries_; }

    // One line per entry, at most `shown` of them, then "... and N more":
    // "line 12: osp:A Semi<>$H;kill – holds ';', which would end the bind and
    // run the rest as a command". Lines are joined by CR LF; control bytes
    // show as [CR], [LF], [NUL] or [0x01]; long texts are cut.
    std::string listing(std::size_t shown) const;
    static std::string reasonText(clsLeftOutReason reason);

private:
    std::size_t total_ = 0;
    std::array<std::size_t, static_cast<std::size_t>(clsLeftOutReason::noText) + 1> counts_{};
    std::vector<clsLeftOutEntry> entries_;
};
