// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <gtest/gtest.h>

#include "model/binds/clsCfgBuilder.h"
#include "support/recordingList.h"
#include "support/scratchFolder.h"

using lines = std::vector<std::string>;

// "KEY kind code (description)" of every bound key, in key order.
inline lines boundLines(clsCfgBuilder& b) {
    lines out;
    b.go_to_first_bind();
    for (const clsbind* x = &b.get_next_bind(); !x->key.empty(); x = &b.get_next_bind())
        out.push_back(x->key + " " + std::string(kindText(x->kind)) + " " + x->get_code() + " (" + x->get_desc() + ")");
    return out;
}

// A builder that has read the definition file defs, counting the changes it tells.
struct loadedBuilder {
    scratchFolder dir;
    clsCfgBuilder b;
    int changes = 0;
    explicit loadedBuilder(const std::string& defs) {
        EXPECT_TRUE(b.read_info(dir.write("d.txt", defs)));
        b.set_on_change([this] { ++changes; });
    }
    lines entries(const std::string& token) {
        recordingList list;
        b.fillCombo(list, token);
        return list.lines;
    }
    lines bound() { return boundLines(b); }
    // Adds text in colour 1 to key.
    bool say(const std::string& key, const std::string& text, const std::string& kind = "say") {
        return b.add_code(key, text, kind, {"1"}, 1, "1", false);
    }
};
