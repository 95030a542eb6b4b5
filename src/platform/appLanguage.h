// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>
#include <string>

#include "model/text/clsText.h"

// The player's language: the program's own translation (from the translations
// folder of the data folder) and the toolkit's for its standard buttons and
// the command line's help (from the toolkit's translations folder, where
// installed), for the first of the system's languages that has one. English, the language of the
// code, needs no translation: it is taken when it comes first, and when no
// language fits. While it lives, the windows, the command line and the
// model's texts speak that language.
class appLanguage : public clsTranslator {
public:
    // languages: best first, as QLocale names them ("de-DE", "nl", "en-US");
    // by default the system's (LANGUAGE, then LANG).
    explicit appLanguage(const QStringList& languages = QLocale::system().uiLanguages());
    ~appLanguage() override;
    appLanguage(const appLanguage&) = delete;
    appLanguage& operator=(const appLanguage&) = delete;

    // The language in use: "de", "nl", ... or "en".
    QString code() const { return code_; }
    // The languages the program has a translation of, English first.
    static QStringList available();

    std::optional<std::string> find(const char* context, const char* source, const char* plural, int n) const override;

private:
    QString code_ = QStringLiteral("en");
    QTranslator own_;
    QTranslator toolkit_;
};
