// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The cfg reader over any bytes: it never crashes; every bind it yields,
// written by the program and read again, gives the same binding; opening
// what was written and writing it again gives the same file, byte for byte.
// Then the file is edited as a player would (binds changed, added, cleared)
// and saved as an opened file: exec of what is saved binds every key as the
// builder holds it and runs every other command as the original did.
#include <cstddef>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgDocument.h"
#include "model/cfgfile/clsCfgFile.h"
#include "model/cfgfile/clsCfgImport.h"
#include "model/console/clsConsoleLexer.h"
#include "model/keys/clsGameKeys.h"

namespace {

void check(bool holds) {
    if (!holds) __builtin_trap();
}

std::map<std::string, std::string> bound(const clsCfgImport& read) {
    std::map<std::string, std::string> keys;
    for (const clsCfgBinding& b : read.bindings) keys[b.key] = b.binding;
    return keys;
}

std::vector<std::string> others(const clsCfgImport& read, std::string_view bytes) {
    std::vector<std::string> texts;
    for (const clsCfgCommand& c : read.commands)
        if (c.role != clsCommandRole::bind) texts.emplace_back(bytes.substr(c.span.begin, c.span.length));
    return texts;
}

// Edits chosen by the input itself, so the fuzzer explores them too.
void edit(clsCfgBuilder& builder, const clsCfgImport& read, std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    std::mt19937 rng(hash);
    std::vector<std::string> keys{"F5", "b", "B", "SEMICOLON", "MOUSE2"};
    for (const clsCfgBinding& b : read.bindings) keys.push_back(b.bind.key);
    const std::vector<std::string> commands{"+attack", "say  a", "vstr m; echo x", "say a//b", " x "};
    for (int n = static_cast<int>(rng() % 5); n > 0; --n) {
        const std::string& key = keys[rng() % keys.size()];
        switch (rng() % 3) {
            case 0: builder.remove_entire_bind(key); break;
            case 1: builder.add_radio_code(key, commands[rng() % commands.size()], "r"); break;
            default:
                builder.remove_entire_bind(key);
                builder.add_osp_code(key, "^1hi", rng() % 2 ? "say" : "say_team", false);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const clsCfgImport read = clsCfgImport::fromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.problem != clsImportProblem::none) return 0;
    for (const clsCfgBinding& b : read.bindings) {
        const clsOpenedBind& x = b.bind;
        check(isChat(x.kind) || x.kind == clsBindKind::radio);
        if (clsConsoleLexer::isOneWord(x.key) && clsBindLine::check(x.key, x.kind, x.code) == clsLineVerdict::fine)
            check(clsCfgImport::bindingOf(clsBindLine::text(x.key, x.kind, x.code)) == b.binding);
    }

    clsCfgBuilder builder;
    const clsOpenResult opened = builder.open_binds(read.binds());
    std::map<std::string, std::string> expected = bound(read);
    for (const clsOpenRefusal& r : opened.refused) expected.erase(clsGameKeys::identity(r.key));
    const std::string written = clsCfgFile::contents(builder, "fuzz.cfg", clsDateTime{});
    const clsCfgImport again = clsCfgImport::fromBytes(written);
    check(again.skipped.empty() && bound(again) == expected);

    clsCfgBuilder reopened;
    reopened.open_binds(again.binds());
    check(clsCfgFile::contents(reopened, "fuzz.cfg", clsDateTime{}) == written);

    // Saved as the opened file, after a player's edits.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    clsCfgDocument doc("fuzz.cfg", std::string(bytes));
    doc.leaveAlone(opened.refused);
    edit(builder, read, bytes);
    const std::string saved = doc.contents(builder, "fuzz.cfg", clsDateTime{});
    const clsCfgImport after = clsCfgImport::fromBytes(saved);
    std::map<std::string, std::string> shown;
    for (const clsWantedBind& w : clsCfgDocument::wantedOf(builder)) {
        const std::optional<std::string> binding = clsCfgImport::bindingOf(w.line);
        check(binding.has_value());
        shown[w.key] = *binding;
    }
    for (const clsOpenRefusal& r : opened.refused) {  // left as the file has them
        const std::string key = clsGameKeys::identity(r.key);
        if (!shown.contains(key) && bound(read).contains(key)) shown[key] = bound(read).at(key);
    }
    check(bound(after) == shown);
    check(others(after, saved) == others(read, bytes));
    return 0;
}
