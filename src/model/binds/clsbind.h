// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "model/binds/clsBindKind.h"
#include "model/binds/clsBindPart.h"

// Everything one key does in the game: its ordered parts and their kind.
class clsbind {
public:
    std::string key;
    clsBindKind kind = clsBindKind::none;  // start and end for the scheme's markers
    clsbind* nxt = nullptr;                // chain links set by the scheme, never owning
    clsbind* prev = nullptr;

    void Add_to_Back(clsBindPart codepiece, clsBindKind the_kind);
    void Add_to_front(clsBindPart codepiece, clsBindKind the_kind);
    // The same, with the kind as its text ("say", "say_team", "radio:"); a
    // text that names no kind leaves the bind unbound.
    void Add_to_Back(clsBindPart codepiece, const std::string& the_kind);
    void Add_to_front(clsBindPart codepiece, const std::string& the_kind);
    // False while the key is not bound (its kind is none).
    bool isBound() const { return kind != clsBindKind::none; }
    std::string get_desc() const;
    std::string get_code() const;
    // Append the same texts as get_desc and get_code to out, without a temporary.
    void appendDesc(std::string& out) const;
    void appendCode(std::string& out) const;
    std::size_t codeLength() const;
    // Removes the part at the back. The kind is emptied only when that was
    // the last part: a bind that still has pieces stays bound.
    void Remove_Latest();
    void remove_all();
    std::size_t partCount() const { return parts.size(); }

private:
    std::vector<clsBindPart> parts;  // few per bind; empty binds allocate nothing
};
