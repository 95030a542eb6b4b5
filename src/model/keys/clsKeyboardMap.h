// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/binds/clsCfgBuilder.h"
#include "model/keys/clsKeyboardLayout.h"

// What a key of the picture shows. The four kinds of bind: a public or team
// chat line, a radio command of the definition file, and any other command
// (a radio bind whose command the definition file does not offer, such as
// "+attack" read from a player's cfg file).
enum class clsKeyState { nameless, unlisted, free, publicChat, teamChat, radio, other };

struct clsKeyShown {
    clsKeyState state = clsKeyState::unlisted;
    std::string key;          // the key as the definition file spells it; empty when it does not list it
    std::string code;         // the bind as the builder answers it: chat text with its colour codes, or the command
    std::string description;  // the bind's description (a radio command's name)

    bool bound() const { return state >= clsKeyState::publicChat; }
};

// The binds of the construction screen laid over the keyboard picture: for
// every place of clsKeyboardLayout whether the definition file lists its key
// and how that key is bound, the listed keys that have no place on the
// picture, and the counts. Keys are matched as the game reads their names
// (clsGameKeys), the first listed spelling of a key taking its place.
class clsKeyboardMap {
public:
    static constexpr std::size_t kinds = 4;

    clsKeyboardMap();

    // Reads the builder again. The definition file's keys are only ever
    // added to (opening a cfg file adds the keys it binds), so only keys new
    // since the last update are placed; the binds are read anew.
    void update(clsCfgBuilder& builder);

    // What a place shows (a twin shows its key).
    const clsKeyShown& at(int place) const { return places_[static_cast<std::size_t>(place)]; }
    // The listed keys with no place on the picture (the game's joystick keys,
    // "A", a name the game does not know, a second spelling of a key), in
    // the order of the key list.
    const std::vector<std::string>& offPicture() const { return offPicture_; }
    // How a key of the key list is bound.
    clsKeyShown shownOf(clsCfgBuilder& builder, const std::string& key) const;

    std::size_t boundCount() const { return bound_; }
    std::size_t freeCount() const { return free_; }
    // "37 bound, 55 free"
    std::string counts() const;

    // "public chat", "team chat", "radio", "other command"; "free", ... for the other states.
    static std::string kindName(clsKeyState state);
    // The kind's index among the four kinds of bind (0 to 3); -1 for a key without a bind.
    static int kindIndex(clsKeyState state);
    // A key and its bind in words, for screen readers and the list under the
    // picture: "F1, team chat: ^1Hello", "F5, free", "KP_HOME (keypad 7), radio: Sniper".
    static std::string describe(const std::string& title, const clsKeyShown& shown);
    // The few words a bound key shows under its cap: the chat line as the game
    // shows it, the radio command's name, or the other command itself.
    static std::string shortLabel(const clsKeyShown& shown);

private:
    void placeNewKeys(clsGroup& keys);

    std::vector<clsKeyShown> places_;
    std::vector<std::string> listed_;  // by place: the definition file's spelling of its key
    std::vector<std::string> offPicture_;
    std::size_t keysSeen_ = 0;
    std::unordered_set<std::string> radioCommands_;
    std::size_t radioSeen_ = 0;
    std::size_t bound_ = 0;
    std::size_t free_ = 0;
};
