// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/binds/clsOpenedBind.h"
#include "model/cfgfile/clsCfgFile.h"
#include "model/cfgfile/clsCfgImport.h"

class clsCfgBuilder;

// A bind as the program writes it now: its key (clsGameKeys::identity) and
// its cfg line (clsBindLine).
struct clsWantedBind {
    std::string key;
    std::string line;
};

// A cfg file the player opened, kept byte for byte, so that saving changes
// only what the player changed:
//  - every command that binds no key the player changed stays where it is,
//    byte for byte: comments, blank lines, settings, exec, unbinds, binds
//    of other keys, the file's line ends, a missing last line end;
//  - a key bound otherwise now has the command that bound it last replaced
//    by its new line (alone, also on a line it shares with others);
//  - a key bound now that the file leaves unbound gets its line at the end;
//  - a key unbound now loses every command that binds it, and a line left
//    empty by that goes too;
//  - the program's own header gets a fresh date, time and file name.
// So exec of the saved file binds every key as the program shows it, and
// runs the file's other commands as before, in the same order.
class clsCfgDocument {
public:
    clsCfgDocument() = default;
    clsCfgDocument(std::string name, std::string bytes, clsKeyRule keys = clsKeyRule::game);

    // False for none (binds made from scratch).
    bool isOpen() const { return open_; }
    const std::string& name() const { return name_; }
    const std::string& bytes() const { return bytes_; }
    const clsCfgImport& read() const { return read_; }

    // Binds the builder did not take: their keys' commands stay as they are
    // whatever the builder holds.
    void leaveAlone(const std::vector<clsOpenRefusal>& refused);

    // The file's bytes with the binds changed to wanted (in key order; a
    // later bind of the same key wins). fileName goes into a header of ours.
    std::string saved(const std::vector<clsWantedBind>& wanted, const std::string& fileName,
                      const clsDateTime& when) const;
    // The file saving writes: the opened file with the builder's binds, or
    // without an opened file the program's own (clsCfgFile::contents).
    std::string contents(clsCfgBuilder& builder, const std::string& fileName, const clsDateTime& when) const;
    // The builder's bound binds, in key order.
    static std::vector<clsWantedBind> wantedOf(clsCfgBuilder& builder);

    // True when bytes start with the nine header lines the program writes.
    static bool hasOurHeader(std::string_view bytes);
    // The line end the file uses (its last one; CR LF when it has none).
    static std::string lineEndOf(std::string_view bytes);

private:
    bool open_ = false;
    std::string name_;
    std::string bytes_;
    clsCfgImport read_;
    std::unordered_set<std::string> leftAlone_;
};
