// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/binds/clsCfgBuilder.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "model/console/clsConsoleLexer.h"
#include "model/definitions/clsEntryCheck.h"
#include "model/keys/clsGameKeys.h"
#include "model/text/clsText.h"

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
    // Every listener there when the change came, each called from a copy:
    // a listener may remove itself or another one (which then hears nothing).
    const auto heard = listeners_;
    for (const auto& [id, listener] : heard)
        if (std::any_of(listeners_.begin(), listeners_.end(), [id = id](const auto& l) { return l.first == id; }))
            listener();
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
        const std::optional<clsGroupToken> token = tokenOf(item->kind);
        if (!token) continue;  // lines without a token
        clsGroup& group = getGroup(*token);
        if (const auto reason = clsEntryCheck::check(*item)) {
            leftOut.add(reader.line_number(), reader.line_text(), *reason);
            continue;
        }
        const std::string key = token == clsGroupToken::key ? item->value : std::string();
        if (!group.ADD(std::move(item))) {
            leftOut.add(reader.line_number(), reader.line_text(), clsLeftOutReason::groupFull);
            continue;
        }
        if (token == clsGroupToken::key) scheme->add_new_to_end(key);
    }
    reader.close_file();
    return true;
}

clsGroup& clsCfgBuilder::getGroup(clsGroupToken token) {
    return const_cast<clsGroup&>(std::as_const(*this).getGroup(token));
}

const clsGroup& clsCfgBuilder::getGroup(clsGroupToken token) const {
    switch (token) {
        case clsGroupToken::key: return keyGroup;
        case clsGroupToken::color: return colorGroup;
        case clsGroupToken::osp: return ospGroup;
        case clsGroupToken::radio: return radioGroup;
    }
    return noGroup;
}

void clsCfgBuilder::fillCombo(clsListControl& combo, clsGroupToken token) {
    combo.clear();
    clsGroup& group = getGroup(token);
    group.get_front();
    while (group.has_next()) combo.addItem(group.get_next().Description);
}

std::string clsCfgBuilder::get_value(clsGroupToken token, const std::string& descr) const {
    return getGroup(token).find_by_description(descr).value;
}

std::string clsCfgBuilder::get_description(clsGroupToken token, const std::string& value) const {
    return getGroup(token).find_by_value(value).Description;
}

clsGroup& clsCfgBuilder::getGroup(const std::string& token) {
    const std::optional<clsGroupToken> t = tokenOf(token);
    return t ? getGroup(*t) : noGroup;
}

void clsCfgBuilder::fillCombo(clsListControl& combo, const std::string& token) {
    if (const std::optional<clsGroupToken> t = tokenOf(token))
        fillCombo(combo, *t);
    else
        combo.clear();
}

void clsCfgBuilder::fillListBox(clsListControl& list, const std::string& token) { fillCombo(list, token); }

std::string clsCfgBuilder::get_value(const std::string& token, const std::string& descr) const {
    const std::optional<clsGroupToken> t = tokenOf(token);
    return t ? get_value(*t, descr) : noGroup.find_by_description(descr).value;
}

std::string clsCfgBuilder::get_description(const std::string& token, const std::string& value) const {
    const std::optional<clsGroupToken> t = tokenOf(token);
    return t ? get_description(*t, value) : noGroup.find_by_value(value).Description;
}

const clsbind& clsCfgBuilder::get_next_bind() { return scheme->get_next_non_null(); }

bool clsCfgBuilder::add_code(const std::string& key, const std::string& txt, clsBindKind kind,
                             const std::vector<std::string>& the_colors, std::int16_t amount_of_colors,
                             const std::string& switchStep, bool toFront) {
    return changed(
        scheme->add_bindPart(key, txt, kind, the_colors, amount_of_colors, stepFromText(switchStep), toFront));
}

bool clsCfgBuilder::add_code(const std::string& key, const std::string& txt, const std::string& kind,
                             const std::vector<std::string>& the_colors, std::int16_t amount_of_colors,
                             const std::string& switchStep, bool toFront) {
    return add_code(key, txt, kindOf(kind).value_or(clsBindKind::none), the_colors, amount_of_colors, switchStep,
                    toFront);
}

bool clsCfgBuilder::add_osp_code(const std::string& key, const std::string& ospCode, clsBindKind the_kind,
                                 bool toFront) {
    return changed(scheme->add_osp(key, ospCode, the_kind, toFront));
}

bool clsCfgBuilder::add_osp_code(const std::string& key, const std::string& ospCode, const std::string& the_kind,
                                 bool toFront) {
    return add_osp_code(key, ospCode, kindOf(the_kind).value_or(clsBindKind::none), toFront);
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
    list.addItem(reviewRow(clsText::translate("clsCfgBuilder", "Key:"), clsText::translate("clsCfgBuilder", "Type:"),
                           clsText::translate("clsCfgBuilder", "Description:")));
    list.addItem(separator);
    std::string description;
    while (b->isBound()) {
        description.clear();
        b->appendDesc(description);
        list.addItem(reviewRow(b->key, kindText(b->kind), description));
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

std::string clsCfgBuilder::get_bindcode(const std::string& key) const { return scheme->get_code(key); }

std::string clsCfgBuilder::get_binddesc(const std::string& key) const { return scheme->get_description(key); }

std::string clsCfgBuilder::get_bindKind(const std::string& key) const { return scheme->get_kind(key); }

void clsCfgBuilder::go_to_first_bind() { scheme->go_to_first(); }

// The loaded keys by the key the game reads them as (the first of several
// that name one key). A loaded key is the word the console reads of it
// (blanks around a key name in a definition file are harmless).
std::unordered_map<std::string, std::string> clsCfgBuilder::loadedKeys() {
    std::unordered_map<std::string, std::string> loaded;
    keyGroup.get_front();
    while (keyGroup.has_next()) {
        const std::string& key = keyGroup.get_next().value;
        const std::vector<std::string> word = clsConsoleLexer::words(key);
        loaded.try_emplace(clsGameKeys::identity(word.size() == 1 ? word.front() : key), key);
    }
    return loaded;
}

// Why an opened bind cannot be taken as it is, for the key it would have;
// fine when it can.
clsLineVerdict clsCfgBuilder::openVerdict(const clsOpenedBind& b, const std::string& key) {
    clsLineVerdict verdict = clsBindLine::check(key, b.kind, b.code);
    if (!isChat(b.kind) && b.kind != clsBindKind::radio) verdict = clsLineVerdict::notAPiece;
    // A name in quotes with a blank in it is no key the game knows, and
    // written without quotes it would be another.
    if (!clsGameKeys::canonical(b.key) && std::any_of(b.key.begin(), b.key.end(), clsConsoleLexer::isBlank))
        verdict = clsLineVerdict::badKey;
    return verdict;
}

// Every bind checked before anything changes: the binds taken (a later
// bind of a key replaces an earlier one), the refused ones and the keys to
// add.
clsCfgBuilder::openPlan clsCfgBuilder::planOpen(const std::vector<clsOpenedBind>& binds) {
    openPlan plan;
    std::unordered_map<std::string, std::string> loaded = loadedKeys();
    std::unordered_map<std::string, std::size_t> takenAt;  // by key
    std::size_t room = static_cast<std::size_t>(clsGroup::maxItems - keyGroup.count());
    for (const clsOpenedBind& b : binds) {
        const std::string identity = clsGameKeys::identity(b.key);
        const auto found = loaded.find(identity);
        const bool known = found != loaded.end();
        // A key the definition file does not list keeps the file's name for
        // it, or the game's where the file's is no word of its own (" ").
        const std::string key = known                               ? found->second
                                : clsConsoleLexer::isOneWord(b.key) ? b.key
                                                                    : clsGameKeys::canonical(b.key).value_or(b.key);
        clsLineVerdict verdict = openVerdict(b, key);
        if (verdict == clsLineVerdict::fine && !known) {
            if (room == 0) {
                verdict = clsLineVerdict::noSuchKey;
            } else {
                --room;
                plan.result.addedKeys.push_back(key);
                loaded.try_emplace(identity, key);
            }
        }
        if (verdict != clsLineVerdict::fine) {
            plan.result.refused.push_back({b.line, b.key, verdict});
            continue;
        }
        const auto [at, first] = takenAt.try_emplace(identity, plan.taken.size());
        if (first)
            plan.taken.push_back({&b, key});
        else
            plan.taken[at->second].bind = &b;
    }
    return plan;
}

// The planned keys added, and a new scheme of the binds taken. A radio bind
// is named by the definition file's radio command with its code, else by
// its code.
void clsCfgBuilder::takeOpened(openPlan& plan) {
    for (const std::string& key : plan.result.addedKeys) {
        auto item = std::make_unique<clsItem>();
        item->Description = key;
        item->value = key;
        item->kind = tokenText(clsGroupToken::key);
        keyGroup.ADD(std::move(item));
    }
    std::unordered_map<std::string, std::string> radioNames;
    radioGroup.get_front();
    while (radioGroup.has_next()) {
        const clsItem& radio = radioGroup.get_next();
        radioNames.try_emplace(radio.value, radio.Description);
    }
    newScheme();
    for (const openPlan::takenBind& t : plan.taken) {
        const clsOpenedBind& b = *t.bind;
        bool added;
        if (b.kind == clsBindKind::radio) {
            const auto name = radioNames.find(b.code);
            added = scheme->add_radio(t.key, b.code, name != radioNames.end() ? name->second : b.code);
        } else {
            added = scheme->add_piece(t.key, b.description, b.code, b.kind);
        }
        if (added)
            ++plan.result.opened;
        else
            plan.result.refused.push_back({b.line, b.key, scheme->refused()});
    }
}

clsOpenResult clsCfgBuilder::open_binds(const std::vector<clsOpenedBind>& binds) {
    openPlan plan = planOpen(binds);
    if (plan.taken.empty()) {
        plan.result.addedKeys.clear();
        return plan.result;
    }
    takeOpened(plan);
    changed();
    return plan.result;
}

void clsCfgBuilder::SaveSettings(ISettingsStore& store, const std::string& currentColorStyle) {
    store.write(settingsApp, settingsSection, settingsKey, currentColorStyle);
}
