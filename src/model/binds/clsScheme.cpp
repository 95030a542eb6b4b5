// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/binds/clsScheme.h"

#include <algorithm>
#include <cstddef>
#include <functional>

clsScheme::clsScheme() : startMarker(std::make_unique<clsbind>()), endMarker(std::make_unique<clsbind>()) {
    startMarker->kind = clsBindKind::start;
    endMarker->kind = clsBindKind::end;
    startMarker->nxt = endMarker.get();
    endMarker->prev = startMarker.get();
    current = startMarker.get();
}

void clsScheme::go_to_first() { current = startMarker.get(); }

void clsScheme::add_new_to_end(const std::string& key) {
    clsbind* b = &binds.emplace_back();
    b->key = key;
    b->prev = endMarker->prev;
    b->nxt = endMarker.get();
    b->prev->nxt = b;
    endMarker->prev = b;
}

std::optional<std::size_t> clsScheme::findFirst(std::string_view key) const {
    catchUpIndex();
    if (firstWithKey.empty()) return std::nullopt;
    const std::size_t hash = std::hash<std::string_view>{}(key);
    const std::size_t mask = firstWithKey.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const keySlot& slot = firstWithKey[i];
        if (slot.bind == 0) return std::nullopt;
        if (slot.hash == hash && binds[slot.bind - 1].key == key) return slot.bind - 1;
    }
}

const clsbind* clsScheme::find(const std::string& key) const {
    const std::optional<std::size_t> at = findFirst(key);
    return at ? &binds[*at] : nullptr;
}

void clsScheme::catchUpIndex() const {
    if (indexedBinds == binds.size()) return;
    // Room for every bind at most half full, so a probe ends soon.
    std::size_t wanted = 64;
    while (wanted < 2 * binds.size()) wanted *= 2;
    if (wanted > firstWithKey.size()) {
        std::vector<keySlot> old(wanted);
        old.swap(firstWithKey);
        for (const keySlot& slot : old)
            if (slot.bind != 0) placeInIndex(slot.hash, slot.bind - 1);
    }
    for (; indexedBinds < binds.size(); ++indexedBinds)
        placeInIndex(std::hash<std::string_view>{}(binds[indexedBinds].key), indexedBinds);
}

// Only the first bind with a key is ever reached by the key operations, so a
// later bind with the same key stays out of the index.
void clsScheme::placeInIndex(std::size_t hash, std::size_t at) const {
    const std::size_t mask = firstWithKey.size() - 1;
    std::size_t i = hash & mask;
    for (; firstWithKey[i].bind != 0; i = (i + 1) & mask)
        if (firstWithKey[i].hash == hash && binds[firstWithKey[i].bind - 1].key == binds[at].key) return;
    firstWithKey[i] = {hash, at + 1};
}

bool clsScheme::go_to_key(const std::string& key) {
    const std::optional<std::size_t> found = findFirst(key);
    current = found ? &binds[*found] : endMarker.get();
    return found.has_value();
}

std::string clsScheme::colorText(const std::string& t, const std::vector<std::string>& the_colors, std::int16_t n,
                                 std::int16_t w) {
    const std::size_t colours = std::min<std::size_t>(n > 0 ? static_cast<std::size_t>(n) : 0, the_colors.size());
    // A pattern longer than the list of codes uses the codes there are.
    if (colours == 0) return {};
    if (colours == 1) return "^" + the_colors[0] + t;

    const std::size_t step = w > 0 ? static_cast<std::size_t>(w) : 1;
    const std::size_t L = t.size();
    std::size_t longestCode = 0;
    for (std::size_t k = 0; k < colours; ++k) longestCode = std::max(longestCode, the_colors[k].size());
    std::string result;
    result.reserve(L + (1 + longestCode) * (L / step + 1));
    // Positions i count from 1; s grows by one for every chunk made only of
    // spaces; a coloured chunk takes code ((i - s) div w) mod n. Quotient and
    // remainder of i - s are carried from chunk to chunk instead of divided out.
    std::size_t k = 0;          // ((i - s) div w) mod n
    std::size_t remainder = 0;  // (i - s) mod w
    for (std::size_t start = 0; start < L; start += step) {
        const char* chunk = t.data() + start;
        const std::size_t length = std::min(step, L - start);
        bool onlySpaces = true;
        for (std::size_t j = 0; j < length && onlySpaces; ++j) onlySpaces = chunk[j] == ' ';
        if (onlySpaces) {
            // i grows by w and s by 1: i - s grows by w - 1.
            if (remainder == 0) {
                remainder = step - 1;
            } else {
                --remainder;
                if (++k == colours) k = 0;
            }
        } else {
            result += '^';
            result.append(the_colors[k]);
            if (++k == colours) k = 0;  // i grows by w, s stays
        }
        result.append(chunk, length);
    }
    return result;
}

bool clsScheme::addPart(const std::string& key, clsBindPart part, clsBindKind kind, bool toFront) {
    if (!go_to_key(key)) {
        refused_ = clsLineVerdict::noSuchKey;
        return false;
    }
    // A radio bind is its one radio command (add_radio): so undoing a piece
    // always leaves the start of a line that was checked as chat, and that
    // is as sound as the whole.
    if (!isChat(kind)) {
        refused_ = clsLineVerdict::notAPiece;
        return false;
    }
    const std::string code = current->get_code();
    refused_ = clsBindLine::check(key, kind, toFront ? part.codepiece + code : code + part.codepiece);
    if (refused_ != clsLineVerdict::fine) return false;
    if (toFront)
        current->Add_to_front(std::move(part), kind);
    else
        current->Add_to_Back(std::move(part), kind);
    return true;
}

bool clsScheme::add_bindPart(const std::string& key, const std::string& newText, clsBindKind kind,
                             const std::vector<std::string>& the_colors, std::int16_t amount_of_colors,
                             std::int16_t colorstep, bool toFront) {
    clsBindPart part;
    part.Description = newText;
    part.codepiece = colorText(newText, the_colors, amount_of_colors, colorstep);
    return addPart(key, std::move(part), kind, toFront);
}

bool clsScheme::add_bindPart(const std::string& key, const std::string& newText, const std::string& kind,
                             const std::vector<std::string>& the_colors, std::int16_t amount_of_colors,
                             std::int16_t colorstep, bool toFront) {
    return add_bindPart(key, newText, ::kindOf(kind).value_or(clsBindKind::none), the_colors, amount_of_colors,
                        colorstep, toFront);
}

bool clsScheme::add_radio(const std::string& key, const std::string& Code, const std::string& Description) {
    if (!go_to_key(key)) {
        refused_ = clsLineVerdict::noSuchKey;
        return false;
    }
    // The radio command replaces everything: it is checked on its own.
    refused_ = clsBindLine::check(key, clsBindKind::radio, Code);
    if (refused_ != clsLineVerdict::fine) return false;
    clsBindPart part;
    part.codepiece = Code;
    part.Description = Description;
    current->remove_all();
    current->Add_to_Back(std::move(part), clsBindKind::radio);
    return true;
}

bool clsScheme::add_osp(const std::string& key, const std::string& ospCode, clsBindKind the_kind, bool toFront) {
    clsBindPart part;
    part.Description = ospCode;
    part.codepiece = ospCode;
    return addPart(key, std::move(part), the_kind, toFront);
}

bool clsScheme::add_osp(const std::string& key, const std::string& ospCode, const std::string& the_kind, bool toFront) {
    return add_osp(key, ospCode, ::kindOf(the_kind).value_or(clsBindKind::none), toFront);
}

bool clsScheme::add_piece(const std::string& key, const std::string& Description, const std::string& codepiece,
                          clsBindKind kind) {
    clsBindPart part;
    part.Description = Description;
    part.codepiece = codepiece;
    return addPart(key, std::move(part), kind, false);
}

const clsbind& clsScheme::get_next_non_null() {
    clsbind* end = endMarker.get();
    if (current != end) {
        current = current->nxt;
        while (current != end && !current->isBound()) current = current->nxt;
    }
    if (current != end) return *current;
    return noBind;
}

std::string clsScheme::get_description(const std::string& key) const {
    const clsbind* b = find(key);
    std::string d = b ? b->get_desc() : std::string();
    return d.empty() ? notBound : d;
}

std::string clsScheme::get_code(const std::string& key) const {
    const clsbind* b = find(key);
    std::string c = b ? b->get_code() : std::string();
    return c.empty() ? notBound : c;
}

std::string clsScheme::get_kind(const std::string& key) const {
    const clsBindKind kind = kindOf(key);
    return kind == clsBindKind::none ? notBound : std::string(kindText(kind));
}

std::size_t clsScheme::boundCount() const {
    std::size_t count = 0;
    for (const clsbind* b = startMarker->nxt; b != endMarker.get(); b = b->nxt)
        if (b->isBound()) ++count;
    return count;
}

clsBindKind clsScheme::kindOf(const std::string& key) const {
    const clsbind* b = find(key);
    return b ? b->kind : clsBindKind::none;
}

void clsScheme::Remove_Latest(const std::string& key) {
    if (go_to_key(key)) current->Remove_Latest();
}

void clsScheme::remove_all(const std::string& key) {
    if (go_to_key(key)) current->remove_all();
}
