// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "model/cfgfile/clsOpenReport.h"
#include "model/text/clsText.h"
#include "platform/appLanguage.h"

// The first of the system's languages that the program speaks; English
// where it comes first or none fits.
TEST(appLanguage, takesTheFirstLanguageItSpeaks) {
    struct row {
        QStringList system;
        const char* chosen;
    };
    for (const row& r : {row{{"de-DE"}, "de"}, row{{"nl-BE", "de"}, "nl"}, row{{"fr-FR", "it", "nl"}, "nl"},
                         row{{"en-GB", "de"}, "en"}, row{{"fr-FR"}, "en"}, row{{}, "en"}}) {
        const appLanguage language(r.system);
        EXPECT_EQ(language.code(), QString::fromLatin1(r.chosen)) << r.system.join(QLatin1Char(',')).toStdString();
    }
    EXPECT_EQ(appLanguage::available(), (QStringList{"en", "de", "nl"}));
}

// While the language lives the model and the toolkit speak it (the windows:
// the start screen's test); then English again.
TEST(appLanguage, speaksThroughModelWindowsAndToolkit) {
    const auto opened = [] { return clsOpenReport::replaceQuestion("a.cfg", 12345); };
    {
        const appLanguage german(QStringList{"de"});
        EXPECT_EQ(opened(), "Alle 12.345 Binds, die du gemacht hast, durch die Binds von a.cfg ersetzen?");
        EXPECT_EQ(clsOpenReport::replaceQuestion("a.cfg", 1),
                  "Den Bind, den du gemacht hast, durch die Binds von a.cfg ersetzen?");
        // The toolkit's own (qt6-translations-l10n, installed by setup.sh).
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    }
    EXPECT_EQ(opened(), "Replace all 12,345 binds you have made with the binds of a.cfg?");
    EXPECT_EQ(clsText::number(16384), "16,384");
}
