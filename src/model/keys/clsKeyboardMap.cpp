// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/keys/clsKeyboardMap.h"

#include "model/console/clsBindLine.h"
#include "model/console/clsChatPreview.h"
#include "model/console/clsConsoleLexer.h"
#include "model/text/clsText.h"

clsKeyboardMap::clsKeyboardMap()
    : places_(clsKeyboardLayout::keys().size()), listed_(clsKeyboardLayout::keys().size()) {}

// Places the keys added to the list since the last update. A key name may
// carry blanks around it in the definition file; the console reads the word.
void clsKeyboardMap::placeNewKeys(clsGroup& keys) {
    const auto count = static_cast<std::size_t>(keys.count());
    if (count < keysSeen_) {  // another definition file: start again
        listed_.assign(listed_.size(), std::string());
        offPicture_.clear();
        keysSeen_ = 0;
    }
    if (count == keysSeen_) return;
    std::size_t index = 0;
    for (keys.get_front(); keys.has_next(); ++index) {
        const std::string& key = keys.get_next().value;
        if (index < keysSeen_) continue;
        const std::vector<std::string> word = clsConsoleLexer::words(key);
        const int place = clsKeyboardLayout::find(word.size() == 1 ? word.front() : key);
        if (place >= 0 && listed_[static_cast<std::size_t>(place)].empty())
            listed_[static_cast<std::size_t>(place)] = key;
        else
            offPicture_.push_back(key);
    }
    keysSeen_ = count;
}

void clsKeyboardMap::update(clsCfgBuilder& builder) {
    clsGroup& keys = builder.getGroup("key:");
    placeNewKeys(keys);

    clsGroup& radio = builder.getGroup("radio:");
    if (static_cast<std::size_t>(radio.count()) != radioSeen_) {
        radioCommands_.clear();
        for (radio.get_front(); radio.has_next();) radioCommands_.insert(radio.get_next().value);
        radioSeen_ = static_cast<std::size_t>(radio.count());
    }

    const auto& layout = clsKeyboardLayout::keys();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const clsLayoutKey& k = layout[i];
        if (k.name.empty()) {
            places_[i] = clsKeyShown{clsKeyState::nameless, {}, {}, {}};
            continue;
        }
        const int own = k.twin ? clsKeyboardLayout::find(k.name) : static_cast<int>(i);
        const std::string& listed = listed_[static_cast<std::size_t>(own)];
        places_[i] = listed.empty() ? clsKeyShown{clsKeyState::unlisted, {}, {}, {}} : shownOf(builder, listed);
    }
    bound_ = builder.bound_count();
    free_ = keysSeen_ > bound_ ? keysSeen_ - bound_ : 0;
}

clsKeyShown clsKeyboardMap::shownOf(clsCfgBuilder& builder, const std::string& key) const {
    clsKeyShown shown{clsKeyState::free, key, {}, {}};
    switch (builder.bindKind(key)) {
        case clsBindKind::say: shown.state = clsKeyState::publicChat; break;
        case clsBindKind::sayTeam: shown.state = clsKeyState::teamChat; break;
        case clsBindKind::radio: shown.state = clsKeyState::radio; break;
        default: return shown;
    }
    shown.code = builder.get_bindcode(key);
    shown.description = builder.get_binddesc(key);
    if (shown.state == clsKeyState::radio && !radioCommands_.contains(shown.code)) shown.state = clsKeyState::other;
    return shown;
}

std::string clsKeyboardMap::counts() const {
    return clsText::format(clsText::translate("clsKeyboardMap", "%1 bound, %2 free"),
                           {clsText::number(bound_), clsText::number(free_)});
}

std::string clsKeyboardMap::kindName(clsKeyState state) {
    switch (state) {
        case clsKeyState::nameless: return clsText::translate("clsKeyboardMap", "the game has no name for this key");
        case clsKeyState::unlisted: return clsText::translate("clsKeyboardMap", "not in the definition file");
        case clsKeyState::free: return clsText::translate("clsKeyboardMap", "free");
        case clsKeyState::publicChat: return clsText::translate("clsKeyboardMap", "public chat");
        case clsKeyState::teamChat: return clsText::translate("clsKeyboardMap", "team chat");
        case clsKeyState::radio: return clsText::translate("clsKeyboardMap", "radio");
        case clsKeyState::other: return clsText::translate("clsKeyboardMap", "other command");
    }
    return {};
}

int clsKeyboardMap::kindIndex(clsKeyState state) {
    switch (state) {
        case clsKeyState::publicChat: return 0;
        case clsKeyState::teamChat: return 1;
        case clsKeyState::radio: return 2;
        case clsKeyState::other: return 3;
        default: return -1;
    }
}

std::string clsKeyboardMap::describe(const std::string& title, const clsKeyShown& shown) {
    std::string out = title + ", " + kindName(shown.state);
    switch (shown.state) {
        case clsKeyState::publicChat:
        case clsKeyState::teamChat:
        case clsKeyState::other: return out + ": " + shown.code;
        case clsKeyState::radio: return out + ": " + shown.description;
        default: return out;
    }
}

std::string clsKeyboardMap::shortLabel(const clsKeyShown& shown) {
    switch (shown.state) {
        case clsKeyState::publicChat:
        case clsKeyState::teamChat: {
            // What the game shows of the line: its text without colour codes, up to where the server cuts it.
            const clsChatPreview line(shown.code);
            std::string shownText;
            for (const clsChatRun& run : line.runs())
                if (!run.cut) shownText += run.text;
            return shownText;
        }
        case clsKeyState::radio: return shown.description;
        case clsKeyState::other: return shown.code;
        default: return {};
    }
}
