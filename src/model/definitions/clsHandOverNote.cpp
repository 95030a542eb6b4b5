// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/definitions/clsHandOverNote.h"

#include "model/console/groupedNumber.h"

namespace {

const std::string paragraph = "\r\n\r\n";

// "These 12 entries of keys.txt were left out:", the listing, and why.
std::string leftOutPart(const std::string& fileName, const clsReadReport& report) {
    const std::size_t total = report.total();
    const std::size_t past = report.count(clsLeftOutReason::groupFull);
    const std::size_t misread = total - past;
    const bool one = total == 1;
    std::string text = (one ? "This entry of " : "These " + groupedNumber(total) + " entries of ") + fileName +
                       (one ? " was" : " were") + " left out:" + paragraph +
                       report.listing(clsHandOverNote::shownEntries) + paragraph;
    if (misread > 0) {
        const bool oneMisread = misread == 1;
        const std::string which =
            past == 0 ? (one ? "it" : "them") : (oneMisread ? "one of them" : groupedNumber(misread) + " of them");
        text += "The game would not read " + which + " as written: change " +
                (oneMisread ? "that line" : "those lines") + " in the file with a text editor to use " +
                (oneMisread ? "it. " : "them. ");
    }
    if (past > 0)
        text += groupedNumber(past) + (past == 1 ? " was" : " were") +
                " past the 32,767 entries of one kind (keys, colours, OSP tokens or radio commands) the program "
                "holds. ";
    return text + "Everything else was read.";
}

}  // namespace

std::optional<clsHandOverNote::message> clsHandOverNote::build(const std::string& fileName, std::size_t keys,
                                                               const clsReadReport& leftOut) {
    if (keys > 0 && leftOut.total() == 0) return std::nullopt;
    if (keys > 0) return message{"Some Entries Left Out", leftOutPart(fileName, leftOut)};
    std::string text = "The file " + fileName +
                       " lists no keys (lines such as key:F1), so there is nothing to bind. Add key lines to it "
                       "with a text editor and pick it again at the next start, or pick another file then.";
    if (leftOut.total() > 0) text += paragraph + leftOutPart(fileName, leftOut);
    return message{"No Keys to Bind", text};
}
