// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/binds/clsOpenedBind.h"
#include "model/console/clsConsoleLexer.h"

// Why a cfg file is not read.
enum class clsImportProblem { none, missing, notAFile, unreadable, binary, tooLarge };

// A command of a cfg file that binds nothing and unbinds nothing.
struct clsSkippedCommand {
    std::size_t line = 0;
    std::string text;
    std::string unknownKey;  // a bind or unbind of a key the game does not know: its name
    bool operator==(const clsSkippedCommand&) const = default;
};

// What a command of a cfg file does to the keys.
enum class clsCommandRole {
    other,      // anything else: it stays as it is
    bind,       // "bind KEY ..." of a key the game knows (an empty binding unbinds it)
    unbind,     // "unbind KEY"
    unbindAll,  // "unbindall"
};

// One command of the file, where it lies, and the key it binds or unbinds.
struct clsCfgCommand {
    clsCommandSpan span;
    clsCommandRole role = clsCommandRole::other;
    std::string key;  // clsGameKeys::identity of the key, for bind and unbind
};

// Which key names are keys: the game's (a cfg file of the player's), or
// any one word (a draft, which holds the definition file's keys).
enum class clsKeyRule { game, anyWord };

// A key's binding after exec of the file, and the bind that writes it again.
struct clsCfgBinding {
    std::string binding;  // what the console stores for the key
    clsOpenedBind bind;
    std::string key;          // clsGameKeys::identity of the key
    std::size_t command = 0;  // the command that binds it last (an index of commands)
};

// A cfg file read the way the game's console reads it at exec
// (clsConsoleLexer): commands end at a line end or a ';' outside quotes, a
// command keeps 1,023 bytes, comments are skipped, "bind KEY ..." stores the
// words after the key joined by single spaces. Later binds of a key replace
// earlier ones, "unbind KEY" and "unbindall" take binds away, key names are
// compared without regard to case. What stays is one binding per key, in the
// order the keys were first bound, each with the bind that gives the same
// binding again when the program writes it (see asBind). Key names follow
// the game (clsGameKeys): "f1" is F1, "A" is not "a", a name the game does
// not know binds nothing (its command is skipped and named).
class clsCfgImport {
public:
    // More than any cfg file the game could run (16,383 bytes) by far.
    static constexpr std::size_t largestFile = 1024 * 1024;

    // Refuses a missing file, a folder or device, an unreadable file, one
    // larger than `largest` bytes and one holding a zero byte (no text file).
    static clsCfgImport fromFile(const std::string& path, std::size_t largest = largestFile,
                                 clsKeyRule keys = clsKeyRule::game);
    static clsCfgImport fromBytes(std::string_view bytes, clsKeyRule keys = clsKeyRule::game);
    // The file's bytes, for fromBytes; a problem when they cannot be read.
    static clsImportProblem readFile(const std::string& path, std::size_t largest, std::string& bytes,
                                     std::size_t& size);

    // The bind for the binding that `bind` stored from this command, chosen
    // so that the bind line the program writes for it makes the console
    // store exactly the same binding again:
    //  - a binding "say TEXT" or "say_team TEXT" without ';', "//" or "/*"
    //    is a chat bind of one piece: TEXT as the file writes it (so the
    //    program's own lines come back byte for byte), else TEXT as stored;
    //    its description is TEXT without colour codes;
    //  - any other binding, and a chat binding that would not come back the
    //    same way (blanks that bind re-joins), is a radio bind whose code is
    //    the binding; the writer quotes it where the console needs quotes.
    static clsOpenedBind asBind(std::string_view command, const std::string& key, const std::string& binding);
    // What bind stores from a cfg line holding one bind command; none when
    // the line is no such command.
    static std::optional<std::string> bindingOf(std::string_view line);

    std::vector<clsOpenedBind> binds() const;

    clsImportProblem problem = clsImportProblem::none;
    std::size_t size = 0;                    // of the file, in bytes
    std::vector<clsCfgBinding> bindings;     // what exec leaves bound, in the order the keys were bound
    std::vector<clsSkippedCommand> skipped;  // every other command but unbinds, in file order
    std::size_t unbinds = 0;                 // unbind, unbindall and empty bindings, applied
    std::vector<clsCfgCommand> commands;     // every command the console runs, in file order
};
