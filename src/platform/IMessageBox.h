// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>

enum class msgIcon { None, Exclamation, Question, Information };
enum class msgButtons { Ok, YesNo };
// Cancel: a Yes/No question closed without an answer (Escape or the close
// box). Whoever asks treats it as "not Yes"; only No declines.
enum class msgAnswer { Ok, Yes, No, Cancel };

// Modal message boxes. Texts are UTF-8; line breaks are CR LF.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // For Yes/No, defaultAnswer is the button that Enter presses; the answer
    // is Yes, No, or Cancel when the box was closed without one.
    virtual msgAnswer show(const std::string& title, const std::string& text, msgIcon icon, msgButtons buttons,
                           msgAnswer defaultAnswer = msgAnswer::Yes) = 0;
};
