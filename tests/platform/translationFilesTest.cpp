// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

// One message of a translation file: its English (for a count, the singular
// and, as its comment, the plural) and its translation (each plural form).
struct message {
    QString context, source, comment;
    bool numerus = false;
    QStringList forms;
};

std::vector<message> read(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<message> all;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) context = xml.readElementText();
        if (name == QLatin1String("message"))
            all.push_back(
                {context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), {}});
        if (name == QLatin1String("source")) all.back().source = xml.readElementText();
        if (name == QLatin1String("comment")) all.back().comment = xml.readElementText();
        if (name == QLatin1String("translation") && !all.back().numerus) all.back().forms << xml.readElementText();
        if (name == QLatin1String("numerusform")) all.back().forms << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return all;
}

std::set<QString> numbered(const QString& text) {  // %1 to %9
    std::set<QString> found;
    for (const auto& m : QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text)) found.insert(m.captured());
    return found;
}
// The letters after a single '&' ("&&" is an ampersand).
QString accessKeys(const QString& text) {
    QString keys;
    for (const auto& m : QRegularExpression(QStringLiteral("&(&|.)")).globalMatch(text))
        if (m.captured(1) != QLatin1String("&")) keys += m.captured(1).toLower();
    return keys;
}

}  // namespace

// Every translation (complete: the lupdate check) keeps its source's
// placeholders, access keys and blanks at either end; the access keys of a
// window stay apart where they are apart in English.
TEST(translationFiles, keepEveryPlaceholderAndAccessKey) {
    const QDir folder(QStringLiteral(TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("brenvolt_*.ts")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const std::vector<message> messages = read(folder.filePath(file));
        EXPECT_GT(messages.size(), 300u) << file.toStdString();
        std::map<QString, QString> englishKeys, translatedKeys;  // by window
        for (const message& m : messages) {
            const std::string where =
                file.toStdString() + " " + m.context.toStdString() + ": " + m.source.toStdString();
            ASSERT_EQ(m.forms.size(), m.numerus ? 2 : 1) << where;
            for (qsizetype k = 0; k < m.forms.size(); ++k) {
                const QString& t = m.forms[k];
                const bool plural = m.numerus && k + 1 == m.forms.size();
                const QString& english = plural ? m.comment : m.source;
                EXPECT_FALSE(t.trimmed().isEmpty()) << where;
                EXPECT_EQ(numbered(t), numbered(english)) << where << " -> " << t.toStdString();
                EXPECT_TRUE(!plural || !english.contains(QLatin1String("%n")) || t.contains(QLatin1String("%n")))
                    << where;
                EXPECT_EQ(accessKeys(t).size(), accessKeys(english).size()) << where << " -> " << t.toStdString();
                EXPECT_EQ(t.size() - t.trimmed().size(), english.size() - english.trimmed().size()) << where;
                EXPECT_EQ(t.startsWith(QLatin1Char(' ')), english.startsWith(QLatin1Char(' '))) << where;
            }
            englishKeys[m.context] += accessKeys(m.source);
            translatedKeys[m.context] += accessKeys(m.forms.front());
        }
        const auto unique = [](QString keys) {
            std::sort(keys.begin(), keys.end());
            return std::adjacent_find(keys.begin(), keys.end()) == keys.end();
        };
        for (const auto& [window, keys] : englishKeys)
            EXPECT_TRUE(!unique(keys) || unique(translatedKeys[window]))
                << file.toStdString() << " " << window.toStdString() << ": " << translatedKeys[window].toStdString();
    }
}
