// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/definitions/clsHandOverNote.h"

#include "model/text/clsText.h"

namespace {

const std::string paragraph = "\r\n\r\n";

// "These 12 entries of keys.txt were left out:", the listing, and why.
std::string leftOutPart(const std::string& fileName, const clsReadReport& report) {
    const std::size_t total = report.total();
    const std::size_t past = report.count(clsLeftOutReason::groupFull);
    const std::size_t misread = total - past;
    std::string text = clsText::format(clsText::translate("clsHandOverNote", "This entry of %1 was left out:",
                                                          "These %n entries of %1 were left out:", total),
                                       {fileName}) +
                       paragraph + report.listing(clsHandOverNote::shownEntries) + paragraph;
    if (misread > 0 && past == 0)
        text += clsText::translate("clsHandOverNote",
                                   "The game would not read it as written: change that line in the file with a text "
                                   "editor to use it.",
                                   "The game would not read them as written: change those lines in the file with a "
                                   "text editor to use them.",
                                   misread) +
                " ";
    else if (misread > 0)
        text += clsText::translate("clsHandOverNote",
                                   "The game would not read one of them as written: change that line in the file "
                                   "with a text editor to use it.",
                                   "The game would not read %n of them as written: change those lines in the file "
                                   "with a text editor to use them.",
                                   misread) +
                " ";
    if (past > 0)
        text += clsText::translate("clsHandOverNote",
                                   "%n was past the 32,767 entries of one kind (keys, colours, OSP tokens or radio "
                                   "commands) the program holds.",
                                   "%n were past the 32,767 entries of one kind (keys, colours, OSP tokens or radio "
                                   "commands) the program holds.",
                                   past) +
                " ";
    return text + clsText::translate("clsHandOverNote", "Everything else was read.");
}

}  // namespace

std::optional<clsHandOverNote::message> clsHandOverNote::build(const std::string& fileName, std::size_t keys,
                                                               const clsReadReport& leftOut) {
    if (keys > 0 && leftOut.total() == 0) return std::nullopt;
    if (keys > 0)
        return message{clsText::translate("clsHandOverNote", "Some Entries Left Out"), leftOutPart(fileName, leftOut)};
    std::string text = clsText::format(
        clsText::translate("clsHandOverNote",
                           "The file %1 lists no keys (lines such as key:F1), so there is nothing to bind. Add key "
                           "lines to it with a text editor and pick it again at the next start, or pick another file "
                           "then."),
        {fileName});
    if (leftOut.total() > 0) text += paragraph + leftOutPart(fileName, leftOut);
    return message{clsText::translate("clsHandOverNote", "No Keys to Bind"), text};
}
