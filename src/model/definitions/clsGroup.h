// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/definitions/clsItem.h"

// An ordered chain of items of one kind between a START and an END marker.
// The group owns its markers and every item added to it.
class clsGroup {
public:
    static constexpr std::int16_t maxItems = 32767;

    clsGroup();
    clsGroup(const clsGroup&) = delete;
    clsGroup& operator=(const clsGroup&) = delete;

    // Appends in front of the end marker. Refused (false, nothing changes)
    // when the group already holds maxItems items or item is empty.
    bool ADD(std::unique_ptr<clsItem> item);

    // The first item whose Description (value) equals the text; the end marker
    // when none does; the start marker for the empty text; an empty item that
    // is not in the group when the group is empty. Never moves the cursor.
    const clsItem& find_by_description(const std::string& desc) const;
    const clsItem& find_by_value(const std::string& value) const;

    // Walk: get_front returns the start marker; then get_next while has_next.
    // Without a cursor, or at the end, has_next/has_prev answer false and
    // get_next answers the end marker.
    const clsItem& get_front();
    const clsItem& get_next();
    bool has_next() const;
    bool has_prev() const;

    std::int16_t count() const { return count_; }

private:
    std::int16_t count_ = 0;
    clsItem startMarker;
    clsItem endMarker;
    const clsItem* current = nullptr;
    clsItem noItem;  // answered by the searches of an empty group
    std::vector<std::unique_ptr<clsItem>> items;
};
