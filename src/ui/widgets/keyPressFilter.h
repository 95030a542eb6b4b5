// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QLineEdit>
#include <QObject>
#include <QValidator>
#include <functional>
#include <string>
#include <string_view>

#include "platform/IBeep.h"

// What a filtered text box lets in.
struct boxRules {
    // A typed character (8-bit code, backspace included) given the text left
    // of the cursor and right of it (a selection is what the character replaces).
    std::function<bool(char c, std::string_view before, std::string_view after)> typed;
    // Whole text after a paste, drop or other edit: refused characters removed.
    std::function<std::string(std::string_view text)> clean;
    // Told what was taken out (a refused typed character, or what a paste or
    // drop lost), after the beep; may be empty.
    std::function<void(const QString& removed)> refused = {};
    // Told of every typed character the box took (backspace included); may be empty.
    std::function<void()> accepted = {};
    // Enter is no character for the box: it reaches the window (whose
    // default button it presses) instead of being refused.
    bool enterSubmits = false;
};

// Filters every way text gets into a one-line box: typed characters are
// checked one by one (a refused one is dropped and beeps), and anything else
// (paste, drop, the context menu) is cleaned of refused characters, with a
// beep when something was dropped. The rules' refused and accepted hear of
// both. Shortcuts, Tab, Escape and the editing
// keys that type no character pass untouched.
void filterBox(QLineEdit* box, IBeep& beep, boxRules rules);

// A read-only text box (one line or many) whose typed characters all beep.
void beepOnTyping(QWidget* box, IBeep& beep);

// The text as 8-bit codes: characters above 255 become 127, which every
// filter refuses.
std::string boxCodes(const QString& text);
