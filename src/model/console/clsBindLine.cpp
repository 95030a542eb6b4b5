// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/console/clsBindLine.h"

#include "model/binds/clsbind.h"
#include "model/console/clsConsoleLexer.h"
#include "model/text/clsText.h"

namespace {

// "bind KEY " and, but for a radio bind, "KIND ".
void appendStart(std::string& line, std::string_view key, clsBindKind kind) {
    line += "bind ";
    line += key;
    line += ' ';
    if (kind != clsBindKind::radio) {
        line += kindText(kind);
        line += ' ';
    }
}

}  // namespace

std::string clsBindLine::text(std::string_view key, clsBindKind kind, std::string_view code) {
    const bool radio = kind == clsBindKind::radio;
    const bool quoted = radio && needsQuotes(code);
    std::string line;
    line.reserve(5 + key.size() + 1 + (radio ? 0 : kindText(kind).size() + 1) + code.size() + (quoted ? 2 : 0));
    appendStart(line, key, kind);
    if (quoted) line += '"';
    line += code;
    if (quoted) line += '"';
    return line;
}

std::string clsBindLine::text(const clsbind& bind) {
    std::string line;
    append(line, bind);
    return line;
}

// A chat line goes straight from the bind's parts; a radio bind is one
// command, which decides its quotes.
void clsBindLine::append(std::string& out, const clsbind& bind) {
    if (bind.kind == clsBindKind::radio) {
        out += text(bind.key, bind.kind, bind.get_code());
        return;
    }
    appendStart(out, bind.key, bind.kind);
    bind.appendCode(out);
}

std::size_t clsBindLine::length(const clsbind& bind) {
    if (bind.kind == clsBindKind::radio) return text(bind).size();
    return 5 + bind.key.size() + 1 + kindText(bind.kind).size() + 1 + bind.codeLength();
}

namespace {

// True when bind stores text exactly as written: words parted by single
// spaces, no blank at either end, no other blank byte (a tab, a byte from
// 0x80 on) anywhere. Any other text the console would store changed.
bool storedAsWritten(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!clsConsoleLexer::isBlank(text[i])) continue;
        if (text[i] != ' ' || i == 0 || i + 1 == text.size() || clsConsoleLexer::isBlank(text[i + 1])) return false;
    }
    return true;
}

}  // namespace

// Quotes keep a chain of commands in the bind (';', "//", "/*"), and keep a
// command as written where bind would re-join its words (a run of spaces, a
// tab, a byte from 0x80 on, a blank at either end): so the game stores
// exactly the command the player sees, and a cfg file read back gives it again.
bool clsBindLine::holdsChainOrComment(std::string_view code) {
    return code.find(';') != std::string_view::npos || code.find("//") != std::string_view::npos ||
           code.find("/*") != std::string_view::npos;
}

bool clsBindLine::needsQuotes(std::string_view radioCode) {
    if (radioCode.find('"') != std::string_view::npos || radioCode.empty()) return false;
    return holdsChainOrComment(radioCode) || !storedAsWritten(radioCode);
}

clsLineVerdict clsBindLine::check(std::string_view key, clsBindKind kind, std::string_view code) {
    const bool radio = kind == clsBindKind::radio;
    // The length first: a piece of any size is refused without copying it.
    const std::size_t length = 5 + key.size() + 1 + (radio ? 0 : kindText(kind).size() + 1) + code.size() +
                               (radio && needsQuotes(code) ? 2 : 0);
    if (length > clsConsoleLexer::lineLimit) return clsLineVerdict::tooLong;
    if (!clsConsoleLexer::isOneWord(key)) return clsLineVerdict::badKey;
    if (radio && clsConsoleLexer::words(code).empty()) return clsLineVerdict::noCommand;
    switch (clsConsoleLexer::firstHazard(text(key, kind, code), radio)) {
        case clsConsoleHazard::none: return clsLineVerdict::fine;
        case clsConsoleHazard::comment: return clsLineVerdict::comment;
        case clsConsoleHazard::quote: return clsLineVerdict::quote;
        default: return clsLineVerdict::endsCommand;
    }
}

clsRefusal clsBindLine::refusal(clsLineVerdict verdict, bool radio) {
    const std::string title = clsText::translate("clsBindLine", "Bind Too Long");
    const std::string notAdded = clsText::translate("clsBindLine", "Piece Not Added");
    switch (verdict) {
        case clsLineVerdict::fine: return {};
        case clsLineVerdict::tooLong:
            if (radio)
                return {title, clsText::translate("clsBindLine",
                                                  "This radio command would make the bind longer than the 1,023 "
                                                  "characters the game reads of a line, and the game would run the "
                                                  "rest as a command. Pick another radio command, or shorten this "
                                                  "one in the definition file.")};
            return {title, clsText::translate("clsBindLine",
                                              "This bind would be longer than the 1,023 characters the game reads of "
                                              "a line, and the game would run the rest as a command. The chat shows "
                                              "only 149 characters anyway: shorten the text or add it to another "
                                              "key.")};
        case clsLineVerdict::noCommand:
            return {notAdded, clsText::translate("clsBindLine",
                                                 "This radio command is empty: the game would keep whatever the key "
                                                 "did before. Pick another radio command, or fill this one in in the "
                                                 "definition file.")};
        case clsLineVerdict::notAPiece:
            return {notAdded, clsText::translate("clsBindLine",
                                                 "A radio bind is one radio command: text and OSP tokens cannot be "
                                                 "added to it as radio commands.")};
        case clsLineVerdict::comment:
            return {notAdded, clsText::translate("clsBindLine",
                                                 "Next to what this bind already holds, this piece would make // or "
                                                 "/*, which the game reads as the start of a comment: the rest of the "
                                                 "bind would be lost. Put a space or another character between them, "
                                                 "or add the piece at the other end of the bind.")};
        default:
            if (radio)
                return {notAdded, clsText::translate("clsBindLine",
                                                     "With this radio command the bind would hold a ';', a quote "
                                                     "mark or a line break, where the game would end the bind and run "
                                                     "the rest as a command. It was not added.")};
            return {notAdded, clsText::translate("clsBindLine",
                                                 "With this piece the bind would hold a ';', a quote mark or a line "
                                                 "break, where the game would end the bind and run the rest as a "
                                                 "command. It was not added.")};
    }
}
