// The definition reader over any bytes: every line form, ending and cut.
#include <cstddef>
#include <cstdint>
#include <string>

#include "definitions/clsFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    clsFileReader reader;
    reader.openbuffer(input);
    std::size_t calls = 0;
    while (reader.has_more()) {
        auto item = reader.getItem();
        if (!item) __builtin_trap();
        const std::string& k = item->kind;
        if (!(k.empty() || k == "key:" || k == "color:" || k == "osp:" || k == "radio:")) __builtin_trap();
        // Whatever an item holds was cut out of the input.
        if (input.find(item->Description) == std::string::npos || input.find(item->value) == std::string::npos)
            __builtin_trap();
        if (k.empty() && item->Description.size() + item->value.size() != 0) __builtin_trap();
        if (++calls > size + 1) __builtin_trap();  // every call uses up at least one line
    }
    reader.close_file();
    return 0;
}
