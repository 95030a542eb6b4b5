// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <gtest/gtest.h>

#include "model/binds/clsCfgBuilder.h"
#include "model/definitions/scratchFolder.h"
#include "support/recordingList.h"

using lines = std::vector<std::string>;

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
    // "KEY kind code (description)" of every bound key, in key order.
    lines bound() {
        lines out;
        b.go_to_first_bind();
        for (const clsbind* x = &b.get_next_bind(); !x->key.empty(); x = &b.get_next_bind())
            out.push_back(x->key + " " + std::string(kindText(x->kind)) + " " + x->get_code() + " (" + x->get_desc() +
                          ")");
        return out;
    }
};
