// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/definitions/clsGroup.h"

clsGroup::clsGroup() {
    startMarker.kind = "START";
    endMarker.kind = "END";
    startMarker.nxt = &endMarker;
    endMarker.prev = &startMarker;
}

bool clsGroup::ADD(std::unique_ptr<clsItem> item) {
    if (!item || count_ >= maxItems) return false;
    clsItem* x = item.get();
    x->prev = endMarker.prev;
    x->nxt = &endMarker;
    x->prev->nxt = x;
    x->nxt->prev = x;
    items.push_back(std::move(item));
    ++count_;
    return true;
}

const clsItem& clsGroup::find_by_description(const std::string& desc) const {
    if (count_ <= 0) return noItem;
    const clsItem* it = &startMarker;
    while (it != &endMarker && it->Description != desc) it = it->nxt;
    return *it;
}

const clsItem& clsGroup::find_by_value(const std::string& value) const {
    if (count_ <= 0) return noItem;
    const clsItem* it = &startMarker;
    while (it != &endMarker && it->value != value) it = it->nxt;
    return *it;
}

const clsItem& clsGroup::get_front() {
    current = &startMarker;
    return startMarker;
}

const clsItem& clsGroup::get_next() {
    if (!has_next()) {
        // Past the last item the cursor rests on the end marker.
        if (current) current = &endMarker;
        return endMarker;
    }
    current = current->nxt;
    return *current;
}

bool clsGroup::has_next() const { return current && current->nxt && current->nxt != &endMarker; }

bool clsGroup::has_prev() const { return current && current->prev && current->prev != &startMarker; }
