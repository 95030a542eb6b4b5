#include "bindmodel/clsCfgBuilder.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "bindmodel/clsConsoleLexer.h"
#include "bindmodel/clsEntryCheck.h"
#include "bindmodel/clsGameKeys.h"

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
    newScheme();
    changed();
}

void clsCfgBuilder::newScheme() {
    scheme = std::make_unique<clsScheme>();
    keyGroup.get_front();
    while (keyGroup.has_next()) scheme->add_new_to_end(keyGroup.get_next().value);
}

bool clsCfgBuilder::changed(bool really) {
    if (!really) return false;
    if (onChange_) onChange_();
    // By index, each called from a copy: a listener may remove itself.
    for (std::size_t i = 0; i < listeners_.size(); ++i) {
        const std::function<void()> listener = listeners_[i].second;
        listener();
    }
    return true;
}

std::size_t clsCfgBuilder::add_listener(std::function<void()> listener) {
    listeners_.emplace_back(++lastListener_, std::move(listener));
    return lastListener_;
}

void clsCfgBuilder::remove_listener(std::size_t id) {
    std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
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
    return changed(
        scheme->add_bindPart(key, txt, kind, the_colors, amount_of_colors, stepFromText(switchStep), toFront));
}

bool clsCfgBuilder::add_osp_code(const std::string& key, const std::string& ospCode, const std::string& the_kind,
                                 bool toFront) {
    return changed(scheme->add_osp(key, ospCode, the_kind, toFront));
}

bool clsCfgBuilder::add_radio_code(const std::string& key, const std::string& Code, const std::string& Description) {
    return changed(scheme->add_radio(key, Code, Description));
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

void clsCfgBuilder::remove_bind_part(const std::string& key) {
    scheme->Remove_Latest(key);
    changed();
}

void clsCfgBuilder::remove_entire_bind(const std::string& key) {
    scheme->remove_all(key);
    changed();
}

std::string clsCfgBuilder::get_bindcode(const std::string& key) { return scheme->get_code(key); }

std::string clsCfgBuilder::get_binddesc(const std::string& key) { return scheme->get_description(key); }

std::string clsCfgBuilder::get_bindKind(const std::string& key) { return scheme->get_kind(key); }

void clsCfgBuilder::go_to_first_bind() { scheme->go_to_first(); }

std::size_t clsCfgBuilder::bound_count() {
    std::size_t count = 0;
    scheme->go_to_first();
    while (!scheme->get_next_non_null().kind.empty()) ++count;
    return count;
}

clsOpenResult clsCfgBuilder::open_binds(const std::vector<clsOpenedBind>& binds) {
    // The loaded keys by the key the game reads them as (the first of
    // several that name one key), and the radio commands' names. A loaded
    // key is the word the console reads of it (blanks around a key name in
    // a definition file are harmless).
    std::unordered_map<std::string, std::string> loaded;
    keyGroup.get_front();
    while (keyGroup.has_next()) {
        const std::string& key = keyGroup.get_next().value;
        const std::vector<std::string> word = clsConsoleLexer::words(key);
        loaded.try_emplace(clsGameKeys::identity(word.size() == 1 ? word.front() : key), key);
    }
    std::unordered_map<std::string, std::string> radioNames;
    radioGroup.get_front();
    while (radioGroup.has_next()) {
        const clsItem& radio = radioGroup.get_next();
        radioNames.try_emplace(radio.value, radio.Description);
    }

    // Every bind is checked before anything changes.
    struct taken {
        const clsOpenedBind* bind;
        std::string key;
    };
    std::vector<taken> accepted;
    std::unordered_map<std::string, std::size_t> acceptedAt;  // by key: a later bind of a key replaces it
    clsOpenResult result;
    std::size_t room = static_cast<std::size_t>(clsGroup::maxItems - keyGroup.count());
    for (const clsOpenedBind& b : binds) {
        const std::string identity = clsGameKeys::identity(b.key);
        const auto found = loaded.find(identity);
        const bool known = found != loaded.end();
        // A key the definition file does not list keeps the file's name for
        // it, or the game's where the file's is no word of its own (" ").
        const std::string key = known ? found->second
                                : clsConsoleLexer::isOneWord(b.key) ? b.key
                                                                    : clsGameKeys::canonical(b.key).value_or(b.key);
        clsLineVerdict verdict = clsBindLine::check(key, b.kind, b.code);
        if (b.kind != "say" && b.kind != "say_team" && b.kind != clsBindLine::radioKind) verdict = clsLineVerdict::notAPiece;
        // A name in quotes with a blank in it is no key the game knows, and
        // written without quotes it would be another.
        if (!clsGameKeys::canonical(b.key) && std::any_of(b.key.begin(), b.key.end(), clsConsoleLexer::isBlank))
            verdict = clsLineVerdict::badKey;
        if (verdict == clsLineVerdict::fine && !known) {
            if (room == 0) {
                verdict = clsLineVerdict::noSuchKey;
            } else {
                --room;
                result.addedKeys.push_back(key);
                loaded.try_emplace(identity, key);
            }
        }
        if (verdict != clsLineVerdict::fine) {
            result.refused.push_back({b.line, b.key, verdict});
            continue;
        }
        const auto [at, first] = acceptedAt.try_emplace(identity, accepted.size());
        if (first)
            accepted.push_back({&b, key});
        else
            accepted[at->second].bind = &b;
    }
    if (accepted.empty()) {
        result.addedKeys.clear();
        return result;
    }

    for (const std::string& key : result.addedKeys) {
        auto item = std::make_unique<clsItem>();
        item->Description = key;
        item->value = key;
        item->kind = "key:";
        keyGroup.ADD(std::move(item));
    }
    newScheme();
    for (const taken& t : accepted) {
        const clsOpenedBind& b = *t.bind;
        bool added;
        if (b.kind == clsBindLine::radioKind) {
            const auto name = radioNames.find(b.code);
            added = scheme->add_radio(t.key, b.code, name != radioNames.end() ? name->second : b.code);
        } else {
            added = scheme->add_piece(t.key, b.description, b.code, b.kind);
        }
        if (added)
            ++result.opened;
        else
            result.refused.push_back({b.line, b.key, scheme->refused()});
    }
    changed();
    return result;
}

void clsCfgBuilder::SaveSettings(ISettingsStore& store, const std::string& currentColorStyle) {
    store.write(settingsApp, settingsSection, settingsKey, currentColorStyle);
}
