// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "platform/appLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include "platform/QtPlatform.h"

namespace {
// The program's translations (brenvolt_de.qm, ...), in the data folder.
QString ownFolder() { return QtProgramFolder::installDataFolder() + QStringLiteral("/translations"); }
}  // namespace

appLanguage::appLanguage(const QStringList& languages) {
    for (const QString& language : languages) {
        const QString code = QLocale(language).name().section(QLatin1Char('_'), 0, 0);
        if (code == QLatin1String("en") || code == QLatin1String("C")) break;
        if (!own_.load(QStringLiteral("brenvolt_") + code, ownFolder())) continue;
        code_ = code;
        // The toolkit's own texts (Yes, No, Cancel, the help's "Usage:"),
        // from Debian's qt6-translations-l10n; without them those stay English.
        if (toolkit_.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&toolkit_);
        QCoreApplication::installTranslator(&own_);
        clsText::install(this);
        return;
    }
}

appLanguage::~appLanguage() {
    if (code_ == QLatin1String("en")) return;
    clsText::install(nullptr);
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&toolkit_);
}

QStringList appLanguage::available() {
    QStringList codes{QStringLiteral("en")};
    for (const QString& file : QDir(ownFolder()).entryList({QStringLiteral("brenvolt_*.qm")}, QDir::Files, QDir::Name))
        codes << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    return codes;
}

std::optional<std::string> appLanguage::find(const char* context, const char* source, const char* plural, int n) const {
    const QString text = own_.translate(context, source, plural, n);
    if (text.isNull()) return std::nullopt;
    return text.toStdString();
}
