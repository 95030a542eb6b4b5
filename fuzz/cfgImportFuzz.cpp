// The cfg reader over any bytes: it never crashes; every bind it yields,
// written by the program and read again, gives the same binding; opening
// what was written and writing it again gives the same file, byte for byte.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "bindmodel/clsCfgBuilder.h"
#include "bindmodel/clsConsoleLexer.h"
#include "cfgoutput/clsCfgFile.h"
#include "cfgoutput/clsCfgImport.h"

namespace {

void check(bool holds) {
    if (!holds) __builtin_trap();
}

std::map<std::string, std::string> bound(const clsCfgImport& read) {
    std::map<std::string, std::string> keys;
    for (const clsCfgBinding& b : read.bindings) keys[clsConsoleLexer::foldedKey(b.bind.key)] = b.binding;
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const clsCfgImport read = clsCfgImport::fromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.problem != clsImportProblem::none) return 0;
    for (const clsCfgBinding& b : read.bindings) {
        const clsOpenedBind& x = b.bind;
        check(x.kind == "say" || x.kind == "say_team" || x.kind == "radio:");
        if (clsConsoleLexer::isOneWord(x.key) && clsBindLine::check(x.key, x.kind, x.code) == clsLineVerdict::fine)
            check(clsCfgImport::bindingOf(clsBindLine::text(x.key, x.kind, x.code)) == b.binding);
    }

    clsCfgBuilder builder;
    const clsOpenResult opened = builder.open_binds(read.binds());
    std::map<std::string, std::string> expected = bound(read);
    for (const clsOpenRefusal& r : opened.refused) expected.erase(clsConsoleLexer::foldedKey(r.key));
    const std::string written = clsCfgFile::contents(builder, "fuzz.cfg", clsDateTime{});
    const clsCfgImport again = clsCfgImport::fromBytes(written);
    check(again.skipped.empty() && bound(again) == expected);

    clsCfgBuilder reopened;
    reopened.open_binds(again.binds());
    check(clsCfgFile::contents(reopened, "fuzz.cfg", clsDateTime{}) == written);
    return 0;
}
