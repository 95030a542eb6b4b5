// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/binds/clsListControl.h"
#include "model/settings/ISettingsStore.h"
#include "model/styles/clsColorStyle.h"

// The catalogue of named colour styles.
class clsColorStyleManager {
public:
    static constexpr std::int32_t systemButtonFace = static_cast<std::int32_t>(0x8000000F);
    static inline const std::string defaultStyle = "Windows";

    clsColorStyleManager();

    // Colours are decimal texts of signed 32-bit values.
    void addNewStyle(const std::string& txt, const std::string& buttonColor, const std::string& labelTextColor,
                     const std::string& textBoxBackGroundColor, const std::string& formColor);
    // A name that no style has answers the "Windows" colours.
    std::int32_t getButtonColor(const std::string& name) const;
    std::int32_t getLabelTextColor(const std::string& name) const;
    std::int32_t getTextBoxBackGroundColor(const std::string& name) const;
    std::int32_t getFormColor(const std::string& name) const;
    // Appends every style name in registration order; the list is not emptied.
    void fillCombo(clsListControl& combo);

    // Registers the 33 styles of the program in their order.
    void registerStandardStyles();
    // The remembered style name; "Windows" when none (or an empty one) is stored.
    static std::string readRememberedStyle(ISettingsStore& store);

    std::size_t styleCount() const { return styles.size(); }
    // How many searches findStyle has made (a repeated question needs none).
    std::size_t searchCount() const { return searches; }

private:
    // Makes current the style of that name; the last one found is kept, so
    // a repeated question needs no search (a cache: it changes no style).
    void findStyle(const std::string& name) const;

    std::vector<std::unique_ptr<clsColorStyle>> styles;
    clsColorStyle initial;
    mutable clsColorStyle unknown;  // the "Windows" colours answered for a name no style has
    mutable const clsColorStyle* current = &initial;
    mutable std::size_t searches = 0;
};
