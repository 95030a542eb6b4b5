// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/binds/clsbind.h"

void clsbind::Add_to_Back(clsBindPart codepiece, clsBindKind the_kind) {
    parts.push_back(std::move(codepiece));
    kind = the_kind;
}

void clsbind::Add_to_front(clsBindPart codepiece, clsBindKind the_kind) {
    parts.insert(parts.begin(), std::move(codepiece));
    kind = the_kind;
}

void clsbind::Add_to_Back(clsBindPart codepiece, const std::string& the_kind) {
    Add_to_Back(std::move(codepiece), kindOf(the_kind).value_or(clsBindKind::none));
}

void clsbind::Add_to_front(clsBindPart codepiece, const std::string& the_kind) {
    Add_to_front(std::move(codepiece), kindOf(the_kind).value_or(clsBindKind::none));
}

std::string clsbind::get_desc() const {
    std::string joined;
    for (const clsBindPart& p : parts) joined += p.Description;
    return joined;
}

std::string clsbind::get_code() const {
    std::string joined;
    for (const clsBindPart& p : parts) joined += p.codepiece;
    return joined;
}

void clsbind::appendDesc(std::string& out) const {
    for (const clsBindPart& p : parts) out += p.Description;
}

void clsbind::appendCode(std::string& out) const {
    for (const clsBindPart& p : parts) out += p.codepiece;
}

std::size_t clsbind::codeLength() const {
    std::size_t length = 0;
    for (const clsBindPart& p : parts) length += p.codepiece.size();
    return length;
}

void clsbind::Remove_Latest() {
    if (parts.empty()) return;
    parts.pop_back();
    if (parts.empty()) kind = clsBindKind::none;
}

void clsbind::remove_all() {
    parts.clear();
    kind = clsBindKind::none;
}
