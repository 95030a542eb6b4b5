// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/binds/clsbind.h"
#include "model/console/clsBindLine.h"

// One bind per key, in the order the keys were read, chained between a START
// and an END marker bind. The scheme owns every bind.
class clsScheme {
public:
    static inline const std::string notBound = "This key is not bound yet...";

    clsScheme();
    clsScheme(const clsScheme&) = delete;
    clsScheme& operator=(const clsScheme&) = delete;

    void go_to_first();
    void add_new_to_end(const std::string& key);
    // The three adds answer false, and change nothing, when the key has no
    // bind or its cfg line would not be read as it shows (clsBindLine::check);
    // refused() then says why.
    // A text or OSP piece takes a chat kind; any other kind (a radio bind
    // is its one radio command) is refused as notAPiece.
    bool add_bindPart(const std::string& key, const std::string& newText, clsBindKind kind,
                      const std::vector<std::string>& the_colors, std::int16_t amount_of_colors, std::int16_t colorstep,
                      bool toFront);
    bool add_radio(const std::string& key, const std::string& Code, const std::string& Description);
    bool add_osp(const std::string& key, const std::string& ospCode, clsBindKind the_kind, bool toFront);
    // The same two with the kind as its text ("say", "say_team").
    bool add_bindPart(const std::string& key, const std::string& newText, const std::string& kind,
                      const std::vector<std::string>& the_colors, std::int16_t amount_of_colors, std::int16_t colorstep,
                      bool toFront);
    bool add_osp(const std::string& key, const std::string& ospCode, const std::string& the_kind, bool toFront);
    // A chat piece given as it stands (a bind read back from a cfg file),
    // added to the back with the same checks as the other pieces.
    bool add_piece(const std::string& key, const std::string& Description, const std::string& codepiece,
                   clsBindKind kind);
    // Why the latest add was refused; fine when it was not.
    clsLineVerdict refused() const { return refused_; }
    // The next bound bind after the cursor; an empty bind (empty key and kind,
    // not in the chain) when there is none.
    const clsbind& get_next_non_null();
    // A key's description, code and kind as the screens show them:
    // notBound for a key without a bind or with an empty text.
    std::string get_description(const std::string& key) const;
    std::string get_code(const std::string& key) const;
    std::string get_kind(const std::string& key) const;
    // The kind of the key's bind; none for a key not bound or not there.
    clsBindKind kindOf(const std::string& key) const;
    // The number of bound keys.
    std::size_t boundCount() const;
    bool isBound(const std::string& key) const { return kindOf(key) != clsBindKind::none; }
    void Remove_Latest(const std::string& key);
    void remove_all(const std::string& key);

    // Colours a text piece with the repeating pattern of the first n codes,
    // each lasting w characters; all-space chunks take no code.
    static std::string colorText(const std::string& t, const std::vector<std::string>& the_colors, std::int16_t n,
                                 std::int16_t w);

private:
    // Makes current the first bind with the key; false (current on the end
    // marker) when no bind has it.
    bool go_to_key(const std::string& key);
    // Adds part to the key's bind at either end, when the line stays sound.
    bool addPart(const std::string& key, clsBindPart part, clsBindKind kind, bool toFront);

    clsLineVerdict refused_ = clsLineVerdict::fine;

    std::unique_ptr<clsbind> startMarker;
    std::unique_ptr<clsbind> endMarker;
    clsbind* current = nullptr;
    clsbind noBind;             // answered by the walk when it is done
    std::deque<clsbind> binds;  // stable addresses; the chain links point into it

    // The first bind of every key, so a key is found without walking the
    // chain: open addressing over the keys' hashes, at most half full. Binds
    // are indexed in chain order when a key is next looked up, so filling the
    // scheme costs no index work and the first bind of a key always wins.
    // The index is a cache: looking a key up changes no bind.
    struct keySlot {
        std::size_t hash = 0;
        std::size_t bind = 0;  // 1 + its place in binds; 0 for an empty slot
    };
    mutable std::vector<keySlot> firstWithKey;
    mutable std::size_t indexedBinds = 0;  // binds[0 .. indexedBinds) are in the index
    // The place in binds of the first bind with the key, when there is one.
    std::optional<std::size_t> findFirst(std::string_view key) const;
    const clsbind* find(const std::string& key) const;
    void catchUpIndex() const;
    void placeInIndex(std::size_t hash, std::size_t at) const;
};
