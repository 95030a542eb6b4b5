// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/binds/clsListControl.h"
#include "model/binds/clsOpenedBind.h"
#include "model/binds/clsScheme.h"
#include "model/definitions/clsFileReader.h"
#include "model/definitions/clsGroup.h"
#include "model/definitions/clsGroupToken.h"
#include "model/definitions/clsReadReport.h"
#include "model/settings/ISettingsStore.h"

// The one object through which every window reaches the program's data.
class clsCfgBuilder {
public:
    static inline const std::string settingsApp = "Brenvolt Beta 0.98";
    static inline const std::string settingsSection = "ColorSettings";
    static inline const std::string settingsKey = "ColorStyle";

    clsCfgBuilder();

    void Reset_Binds();
    // False when the file could not be read (missing, unreadable, a folder):
    // then nothing is read and the groups, the scheme and the report are
    // unchanged. Entries the game would misread (clsEntryCheck) and entries
    // past a full group are left out and listed in get_left_out.
    bool read_info(const std::string& filename);
    // What the latest read_info left out.
    const clsReadReport& get_left_out() const { return leftOut; }
    // The group of a token and what it holds. Each also takes the token as
    // its text ("key:", "color:", "osp:", "radio:"), where an unknown text
    // answers an empty group.
    clsGroup& getGroup(clsGroupToken token);
    const clsGroup& getGroup(clsGroupToken token) const;
    void fillCombo(clsListControl& combo, clsGroupToken token);
    std::string get_value(clsGroupToken token, const std::string& descr) const;
    std::string get_description(clsGroupToken token, const std::string& value) const;
    clsGroup& getGroup(const std::string& token);
    void fillCombo(clsListControl& combo, const std::string& token);
    void fillListBox(clsListControl& list, const std::string& token);
    std::string get_value(const std::string& token, const std::string& descr) const;
    std::string get_description(const std::string& token, const std::string& value) const;
    const clsbind& get_next_bind();
    // The adds answer false, and change nothing, when the key's cfg line
    // would be longer than the game reads or read otherwise than it shows;
    // get_refusal then says why. A text or OSP piece takes a chat kind.
    bool add_code(const std::string& key, const std::string& txt, clsBindKind kind,
                  const std::vector<std::string>& the_colors, std::int16_t amount_of_colors,
                  const std::string& switchStep, bool toFront);
    bool add_osp_code(const std::string& key, const std::string& ospCode, clsBindKind the_kind, bool toFront);
    // The same two with the kind as its text ("say", "say_team").
    bool add_code(const std::string& key, const std::string& txt, const std::string& kind,
                  const std::vector<std::string>& the_colors, std::int16_t amount_of_colors,
                  const std::string& switchStep, bool toFront);
    bool add_osp_code(const std::string& key, const std::string& ospCode, const std::string& the_kind, bool toFront);
    bool add_radio_code(const std::string& key, const std::string& Code, const std::string& Description);
    clsLineVerdict get_refusal() const { return scheme->refused(); }
    void printScheme(clsListControl& list);
    void remove_bind_part(const std::string& key);
    void remove_entire_bind(const std::string& key);
    // A key's code, description and kind as the screens show them: "This
    // key is not bound yet..." where there is none.
    std::string get_bindcode(const std::string& key) const;
    std::string get_binddesc(const std::string& key) const;
    std::string get_bindKind(const std::string& key) const;
    // The kind of a key's bind; none while it is not bound.
    clsBindKind bindKind(const std::string& key) const { return scheme->kindOf(key); }
    bool isBound(const std::string& key) const { return scheme->isBound(key); }
    void go_to_first_bind();
    // The number of bound keys.
    std::size_t bound_count() const { return scheme->boundCount(); }

    // Replaces every bind by the given ones (binds read from a cfg file), all
    // or nothing: a bind whose line the console would not read as it is
    // kept, or whose key cannot be added, is refused; when none is left,
    // nothing changes at all. A key matches the loaded key that names the
    // same key to the game (clsGameKeys: "f1" is F1, "A" is not "a") and
    // takes the loaded spelling; a key the definition file does not list is
    // added at the end of the key list, so Reset keeps it. A radio bind is named by the definition
    // file's radio command with its code, else by its code.
    clsOpenResult open_binds(const std::vector<clsOpenedBind>& binds);

    // Called after every change the binds may have taken (an add that was
    // not refused, undo, clear, reset, open); empty: none.
    void set_on_change(std::function<void()> onChange) { onChange_ = std::move(onChange); }
    // More callbacks for the same changes, called after that one (windows
    // that show the binds); the answer is the number that removes it again.
    std::size_t add_listener(std::function<void()> listener);
    void remove_listener(std::size_t id);
    // Stores the style name in use under the settings entry.
    void SaveSettings(ISettingsStore& store, const std::string& currentColorStyle);

private:
    // Opening binds, step by step (open_binds).
    struct openPlan {
        struct takenBind {
            const clsOpenedBind* bind;
            std::string key;  // as the key list spells it
        };
        std::vector<takenBind> taken;
        clsOpenResult result;
    };
    std::unordered_map<std::string, std::string> loadedKeys();
    static clsLineVerdict openVerdict(const clsOpenedBind& b, const std::string& key);
    openPlan planOpen(const std::vector<clsOpenedBind>& binds);
    void takeOpened(openPlan& plan);

    static std::string fitToWidth(const std::string& text, std::int16_t width);
    void newScheme();
    bool changed(bool really = true);

    clsGroup colorGroup;
    clsGroup radioGroup;
    clsGroup ospGroup;
    clsGroup keyGroup;
    clsGroup noGroup;
    clsFileReader reader;
    std::unique_ptr<clsScheme> scheme;
    clsReadReport leftOut;
    std::function<void()> onChange_;
    std::vector<std::pair<std::size_t, std::function<void()>>> listeners_;
    std::size_t lastListener_ = 0;
};
