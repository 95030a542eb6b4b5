// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/styles/clsColorStyleManager.h"

#include <charconv>

#include "model/binds/clsCfgBuilder.h"

namespace {

std::int32_t colourFromText(const std::string& text) {
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return (ec == std::errc{} && ptr == text.data() + text.size()) ? value : 0;
}

// The colours answered for a name that no registered style has.
clsColorStyle windowsColours() {
    clsColorStyle s;
    s.name = clsColorStyleManager::defaultStyle;
    s.buttonColor = clsColorStyleManager::systemButtonFace;
    s.labelTextColor = 0x000000;
    s.textBoxBackGroundColor = 0xFFFFFF;
    s.formColor = clsColorStyleManager::systemButtonFace;
    return s;
}

}  // namespace

clsColorStyleManager::clsColorStyleManager() = default;

void clsColorStyleManager::addNewStyle(const std::string& txt, const std::string& buttonColor,
                                       const std::string& labelTextColor, const std::string& textBoxBackGroundColor,
                                       const std::string& formColor) {
    auto style = std::make_unique<clsColorStyle>();
    style->name = txt;
    style->buttonColor = colourFromText(buttonColor);
    style->labelTextColor = colourFromText(labelTextColor);
    style->textBoxBackGroundColor = colourFromText(textBoxBackGroundColor);
    style->formColor = colourFromText(formColor);
    styles.push_back(std::move(style));
}

void clsColorStyleManager::findStyle(const std::string& name) const {
    if (current != &initial && current != &unknown && current->name == name) return;
    ++searches;
    for (const auto& style : styles) {
        current = style.get();
        if (current->name == name) return;
    }
    // No style has this name: answer the "Windows" colours.
    for (const auto& style : styles) {
        if (style->name == defaultStyle) {
            current = &unknown;
            unknown = *style;
            return;
        }
    }
    unknown = windowsColours();
    current = &unknown;
}

std::int32_t clsColorStyleManager::getButtonColor(const std::string& name) const {
    findStyle(name);
    return current->buttonColor;
}

std::int32_t clsColorStyleManager::getLabelTextColor(const std::string& name) const {
    findStyle(name);
    return current->labelTextColor;
}

std::int32_t clsColorStyleManager::getTextBoxBackGroundColor(const std::string& name) const {
    findStyle(name);
    return current->textBoxBackGroundColor;
}

std::int32_t clsColorStyleManager::getFormColor(const std::string& name) const {
    findStyle(name);
    return current->formColor;
}

void clsColorStyleManager::fillCombo(clsListControl& combo) {
    for (const auto& style : styles) {
        current = style.get();
        combo.addItem(current->name);
    }
}

std::string clsColorStyleManager::readRememberedStyle(ISettingsStore& store) {
    std::string name =
        store.read(clsCfgBuilder::settingsApp, clsCfgBuilder::settingsSection, clsCfgBuilder::settingsKey, "");
    return name.empty() ? defaultStyle : name;
}

// The program's styles; colours are the decimal texts of 00BBGGRR values,
// the system button face as its negative signed value.
void clsColorStyleManager::registerStandardStyles() {
    addNewStyle("Windows", "-2147483633", "0", "16777215", "-2147483633");
    addNewStyle("Hi-Tech", "14737632", "16777215", "16777152", "8421504");
    addNewStyle("Chillin'", "16761024", "0", "16777152", "12648384");
    addNewStyle("LDS Trip", "255", "65535", "65280", "8388608");
    addNewStyle("Teenage Mutant Hero Turtle", "12583104", "12583104", "16761087", "65280");
    addNewStyle("Toy", "65280", "255", "12648384", "65535");
    addNewStyle("Jamaica Reggae", "255", "255", "65535", "65280");
    addNewStyle("Dracula", "255", "16777215", "12632256", "0");
    addNewStyle("Albino", "255", "0", "14737632", "16777215");
    addNewStyle("Cybertronic", "16777215", "16777215", "16777215", "16711680");
    addNewStyle("Blue Sky", "16761024", "16777215", "16777152", "16711680");
    addNewStyle("Carribean Sea", "12632064", "0", "16777152", "16776960");
    addNewStyle("Green Grass", "65280", "16777215", "12648384", "32768");
    addNewStyle("Pink Panther", "16711935", "0", "16777215", "16761087");
    addNewStyle("Lemon Yellow", "65535", "0", "12648384", "12648447");
    addNewStyle("Bumble Bee", "65535", "65535", "12648447", "0");
    addNewStyle("Pimp Style", "16711935", "16711935", "16776960", "0");
    addNewStyle("Neon Light", "16711935", "16711935", "16711935", "16711680");
    addNewStyle("Tomb Stone", "12632256", "12632256", "12632256", "0");
    addNewStyle("Dutch", "255", "16777215", "33023", "16711680");
    addNewStyle("U.K.", "16777215", "16711680", "16777215", "255");
    addNewStyle("U.S.A.", "255", "16777215", "16777215", "16711680");
    addNewStyle("German", "255", "65535", "65535", "0");
    addNewStyle("Belgian", "65535", "0", "12648447", "255");
    addNewStyle("Greek", "16711680", "16711680", "16761024", "16777215");
    addNewStyle("Italian", "33023", "32768", "12648384", "14737632");
    addNewStyle("Irish", "16777215", "16777215", "65280", "33023");
    addNewStyle("Spanish", "65535", "65535", "12648447", "255");
    addNewStyle("Portuguese", "255", "255", "12632319", "32768");
    addNewStyle("Canadian", "16777215", "16777215", "16777215", "255");
    addNewStyle("Swedish", "65535", "65535", "12648447", "16711680");
    addNewStyle("Japanese", "255", "0", "16777215", "14737632");
    addNewStyle("Norweigian", "16761024", "255", "12632319", "16711680");
}
