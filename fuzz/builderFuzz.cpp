// The whole bind model over any definition file: read it from disk, bind
// every key, list the review and build the cfg file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bindmodel/clsCfgBuilder.h"
#include "cfgoutput/clsCfgFile.h"

namespace {

struct countingList : clsListControl {
    std::size_t entries = 0;
    void clear() override { entries = 0; }
    void addItem(const std::string&) override { ++entries; }
};

const std::string& scratchFile() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("brenvolt-fuzz-" + std::to_string(getpid()) + ".txt")).string();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    clsCfgBuilder b;
    if (!b.read_info(scratchFile())) __builtin_trap();

    countingList list;
    std::vector<std::string> colours;
    clsGroup& colourGroup = b.getGroup("color:");
    colourGroup.get_front();
    while (colourGroup.has_next() && colours.size() < 8) colours.push_back(colourGroup.get_next().value);
    b.fillCombo(list, "radio:");
    const std::string radio = b.get_value("radio:", b.getGroup("radio:").get_front().Description);

    clsGroup& keys = b.getGroup("key:");
    keys.get_front();
    std::size_t i = 0;
    while (keys.has_next()) {
        const std::string key = keys.get_next().value;
        switch (i++ % 4) {
            case 0: b.add_code(key, "hi  there", "say", colours, static_cast<std::int16_t>(colours.size()), " 2", i % 3 == 0); break;
            case 1: b.add_radio_code(key, radio, "r"); break;
            case 2: b.add_osp_code(key, "#t", "say_team", true); b.remove_bind_part(key); break;
            default: b.remove_entire_bind(key); break;
        }
        b.get_bindcode(key);
        b.get_binddesc(key);
        b.get_bindKind(key);
    }
    b.printScheme(list);
    const std::string bytes = clsCfgFile::contents(b, "fuzz.cfg", clsDateTime{});
    if (bytes.size() < 100) __builtin_trap();
    return 0;
}
