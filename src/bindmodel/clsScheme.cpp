#include "bindmodel/clsScheme.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

clsScheme::clsScheme() : startMarker(std::make_unique<clsbind>()), endMarker(std::make_unique<clsbind>()) {
    startMarker->kind = "START";
    endMarker->kind = "END";
    startMarker->nxt = endMarker.get();
    endMarker->prev = startMarker.get();
    current = startMarker.get();
}

void clsScheme::go_to_first() { current = startMarker.get(); }

void clsScheme::add_new_to_end(const std::string& key) {
    auto owned = std::make_unique<clsbind>();
    clsbind* b = owned.get();
    b->key = key;
    b->prev = endMarker->prev;
    b->nxt = endMarker.get();
    b->prev->nxt = b;
    endMarker->prev = b;
    binds.push_back(std::move(owned));
    // Only the first bind with a key is ever reached by the key operations.
    firstWithKey.emplace(key, b);
}

bool clsScheme::go_to_key(const std::string& key) {
    const auto found = firstWithKey.find(key);
    if (found == firstWithKey.end()) {
        current = endMarker.get();
        return false;
    }
    current = found->second;
    return true;
}

std::string clsScheme::colorText(const std::string& t, const std::vector<std::string>& the_colors,
                                 std::int16_t n, std::int16_t w) {
    const std::size_t colours = std::min<std::size_t>(n > 0 ? static_cast<std::size_t>(n) : 0, the_colors.size());
    if (colours == 0) return {};
    if (n == 1) return "^" + the_colors[0] + t;

    const std::size_t step = w > 0 ? static_cast<std::size_t>(w) : 1;
    std::string result;
    result.reserve(t.size() + 3 * (t.size() / step + 1));
    // Positions count from 1; s grows by one for every chunk made only of spaces.
    std::size_t s = 1;
    for (std::size_t i = 1; i <= t.size(); i += step) {
        const std::string_view chunk = std::string_view(t).substr(i - 1, step);
        if (chunk.find_first_not_of(' ') != std::string_view::npos) {
            const std::size_t k = ((i - s) / step) % colours;
            result += '^';
            result += the_colors[k];
        } else {
            ++s;
        }
        result += chunk;
    }
    return result;
}

void clsScheme::add_bindPart(const std::string& key, const std::string& newText, const std::string& kind,
                             const std::vector<std::string>& the_colors, std::int16_t amount_of_colors,
                             std::int16_t colorstep, bool toFront) {
    if (!go_to_key(key)) return;
    clsBindPart part;
    part.Description = newText;
    part.codepiece = colorText(newText, the_colors, amount_of_colors, colorstep);
    if (toFront)
        current->Add_to_front(std::move(part), kind);
    else
        current->Add_to_Back(std::move(part), kind);
}

void clsScheme::add_radio(const std::string& key, const std::string& Code, const std::string& Description) {
    if (!go_to_key(key)) return;
    clsBindPart part;
    part.codepiece = Code;
    part.Description = Description;
    current->remove_all();
    current->Add_to_Back(std::move(part), "radio:");
}

void clsScheme::add_osp(const std::string& key, const std::string& ospCode, const std::string& the_kind,
                        bool toFront) {
    if (!go_to_key(key)) return;
    clsBindPart part;
    part.Description = ospCode;
    part.codepiece = ospCode;
    if (toFront)
        current->Add_to_front(std::move(part), the_kind);
    else
        current->Add_to_Back(std::move(part), the_kind);
}

const clsbind& clsScheme::get_next_non_null() {
    clsbind* end = endMarker.get();
    if (current != end) {
        current = current->nxt;
        while (current != end && current->kind.empty()) current = current->nxt;
    }
    if (current != end) return *current;
    return noBind;
}

std::string clsScheme::get_description(const std::string& key) {
    if (!go_to_key(key)) return notBound;
    std::string d = current->get_desc();
    return d.empty() ? notBound : d;
}

std::string clsScheme::get_code(const std::string& key) {
    if (!go_to_key(key)) return notBound;
    std::string c = current->get_code();
    return c.empty() ? notBound : c;
}

std::string clsScheme::get_kind(const std::string& key) {
    if (!go_to_key(key)) return notBound;
    return current->kind.empty() ? notBound : current->kind;
}

void clsScheme::Remove_Latest(const std::string& key) {
    if (go_to_key(key)) current->Remove_Latest();
}

void clsScheme::remove_all(const std::string& key) {
    if (go_to_key(key)) current->remove_all();
}
