// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The player's language, as the model's texts need it. A text is written in
// English in the code, in a call that Qt's lupdate reads:
//
//     clsText::translate("clsOpenReport", "it is a folder or a device, not a file")
//     clsText::translate("clsOpenReport", "Read %n bind from %1.", "Read %n binds from %1.", count)
//
// and answers the text of the installed translator, or the English text when
// none is installed or it has none. A text with a count names its English
// singular and plural (lupdate keeps the plural as the message's comment);
// "%n" in it becomes the count. %1 to %9 are filled by format().
class clsTranslator {
public:
    virtual ~clsTranslator() = default;
    // The text in the player's language, or nothing where there is none.
    // comment is the English plural of a text with a count n (else n is -1).
    virtual std::optional<std::string> find(const char* context, const char* source, const char* comment,
                                            int n) const = 0;
};

class clsText {
public:
    // The translator all texts go through from now on (nullptr: English).
    // Installed once at start, before any text is made; the translator
    // outlives every use.
    static void install(const clsTranslator* translator);

    // comment: what tells a translator apart two texts alike (a translation
    // file shows it beside the text).
    static std::string translate(const char* context, const char* source, const char* comment = nullptr);
    // A text with a count: English says singular for 1 and plural else.
    static std::string translate(const char* context, const char* singular, const char* plural, std::size_t n);
    // The text with %1 .. %9 replaced by the arguments, in one pass (an
    // argument holding "%2" stays as it is).
    static std::string format(std::string_view text, std::initializer_list<std::string_view> args);
    // A count as the player's language writes it: 16384 -> "16,384" ("16.384").
    static std::string number(std::size_t n);
};
