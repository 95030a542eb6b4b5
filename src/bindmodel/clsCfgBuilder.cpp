#include "bindmodel/clsCfgBuilder.h"

#include <charconv>
#include <string_view>

#include "bindmodel/clsEntryCheck.h"

namespace {

// The pattern step as a number: a decimal whole number from 1 to 32767,
// blanks around it allowed; anything else counts as 1.
std::int16_t stepFromText(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return 1;
    const std::size_t last = text.find_last_not_of(' ');
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    long number = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, number);
    if (ec != std::errc{} || ptr != end || number < 1 || number > 32767) return 1;
    return static_cast<std::int16_t>(number);
}

}  // namespace

clsCfgBuilder::clsCfgBuilder() : scheme(std::make_unique<clsScheme>()) {}

void clsCfgBuilder::Reset_Binds() {
    scheme = std::make_unique<clsScheme>();
    keyGroup.get_front();
    while (keyGroup.has_next()) scheme->add_new_to_end(keyGroup.get_next().value);
}

bool clsCfgBuilder::read_info(const std::string& filename) {
    if (!reader.openfile(filename)) return false;
    leftOut.clear();
    while (reader.has_more()) {
        std::unique_ptr<clsItem> item = reader.getItem();
        const std::string kind = item->kind;
        clsGroup& group = getGroup(kind);
        if (&group == &noGroup) continue;  // lines without a token
        if (const auto reason = clsEntryCheck::check(*item)) {
            leftOut.add(reader.line_number(), reader.line_text(), *reason);
            continue;
        }
        const std::string key = kind == "key:" ? item->value : std::string();
        if (!group.ADD(std::move(item))) {
            leftOut.add(reader.line_number(), reader.line_text(), clsLeftOutReason::groupFull);
            continue;
        }
        if (kind == "key:") scheme->add_new_to_end(key);
    }
    reader.close_file();
    return true;
}

void clsCfgBuilder::fillCombo(clsListControl& combo, const std::string& token) {
    combo.clear();
    clsGroup& group = getGroup(token);
    group.get_front();
    while (group.has_next()) combo.addItem(group.get_next().Description);
}

void clsCfgBuilder::fillListBox(clsListControl& list, const std::string& token) { fillCombo(list, token); }

std::string clsCfgBuilder::get_value(const std::string& token, const std::string& descr) {
    return getGroup(token).find_by_description(descr).value;
}

std::string clsCfgBuilder::get_description(const std::string& token, const std::string& value) {
    return getGroup(token).find_by_value(value).Description;
}

const clsbind& clsCfgBuilder::get_next_bind() { return scheme->get_next_non_null(); }

clsGroup& clsCfgBuilder::getGroup(const std::string& token) {
    if (token == "color:") return colorGroup;
    if (token == "radio:") return radioGroup;
    if (token == "osp:") return ospGroup;
    if (token == "key:") return keyGroup;
    return noGroup;
}

bool clsCfgBuilder::add_code(const std::string& key, const std::string& txt, const std::string& kind,
                             const std::vector<std::string>& the_colors, std::int16_t amount_of_colors,
                             const std::string& switchStep, bool toFront) {
    return scheme->add_bindPart(key, txt, kind, the_colors, amount_of_colors, stepFromText(switchStep), toFront);
}

bool clsCfgBuilder::add_osp_code(const std::string& key, const std::string& ospCode, const std::string& the_kind,
                                 bool toFront) {
    return scheme->add_osp(key, ospCode, the_kind, toFront);
}

bool clsCfgBuilder::add_radio_code(const std::string& key, const std::string& Code, const std::string& Description) {
    return scheme->add_radio(key, Code, Description);
}

namespace {

// Appends text fitted to exactly width characters: cut to its first width
// characters, or with blanks in front when shorter.
void appendFitted(std::string& line, std::string_view text, std::size_t width) {
    if (text.size() >= width) {
        line.append(text.substr(0, width));
    } else {
        line.append(width - text.size(), ' ');
        line.append(text);
    }
}

// A line of the review listing: columns of 10, 10 and 50 characters between "|".
std::string reviewRow(std::string_view key, std::string_view type, std::string_view description) {
    std::string line;
    line.reserve(74);
    line += '|';
    appendFitted(line, key, 10);
    line += '|';
    appendFitted(line, type, 10);
    line += '|';
    appendFitted(line, description, 50);
    line += '|';
    return line;
}

}  // namespace

std::string clsCfgBuilder::fitToWidth(const std::string& text, std::int16_t width) {
    std::string fitted;
    appendFitted(fitted, text, width > 0 ? static_cast<std::size_t>(width) : 0);
    return fitted;
}

void clsCfgBuilder::printScheme(clsListControl& list) {
    scheme->go_to_first();
    const clsbind* b = &scheme->get_next_non_null();
    const std::string separator = reviewRow(std::string(10, '-'), std::string(10, '-'), std::string(50, '-'));
    list.addItem(reviewRow("Key:", "Type:", "Description:"));
    list.addItem(separator);
    std::string description;
    while (!b->kind.empty()) {
        description.clear();
        b->appendDesc(description);
        list.addItem(reviewRow(b->key, b->kind, description));
        b = &scheme->get_next_non_null();
    }
    list.addItem(separator);
}

void clsCfgBuilder::remove_bind_part(const std::string& key) { scheme->Remove_Latest(key); }

void clsCfgBuilder::remove_entire_bind(const std::string& key) { scheme->remove_all(key); }

std::string clsCfgBuilder::get_bindcode(const std::string& key) { return scheme->get_code(key); }

std::string clsCfgBuilder::get_binddesc(const std::string& key) { return scheme->get_description(key); }

std::string clsCfgBuilder::get_bindKind(const std::string& key) { return scheme->get_kind(key); }

void clsCfgBuilder::go_to_first_bind() { scheme->go_to_first(); }

void clsCfgBuilder::SaveSettings(ISettingsStore& store, const std::string& currentColorStyle) {
    store.write(settingsApp, settingsSection, settingsKey, currentColorStyle);
}
