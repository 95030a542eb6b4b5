// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>

#include "platform/appLanguage.h"
#include "support/fakePlatform.h"
#include "support/uiSteps.h"

namespace {

class startScreen : public testing::Test {
protected:
    fakePlatform p;
    std::unique_ptr<frmStart> start;

    void open() { (start = std::make_unique<frmStart>(p.services))->show(); }
    template <class T = QWidget> T* control(const char* name) { return start->findChild<T*>(name); }
    void act(const std::string& n) {  // "esc": Escape in the file list
        if (n == "esc") return QTest::keyClick(control("fileInput"), Qt::Key_Escape);
        control<QAction>(n.c_str()) ? control<QAction>(n.c_str())->trigger() : control<QPushButton>(n.c_str())->click();
    }
    bool newBindLayout() {  // true in the new-bind layout, false in the intro layout; a mix fails
        const bool list = control("fileInput")->isVisible();
        for (const char* name : {"cmdContinue", "cmdCancel", "lblInput"}) EXPECT_EQ(control(name)->isVisible(), list);
        EXPECT_NE(control("picIntro")->isVisible(), list);
        return list;
    }
};

// With neither InputFiles nor Stuff/front.jpg. Escape acts as Cancel. Captions fit after a repaint too (a wider
// font once cut them).
TEST_F(startScreen, switchesLayoutsWithNewBindAndCancel) {
    open();
    EXPECT_FALSE(newBindLayout());
    EXPECT_FALSE(control<QLabel>("picIntro")->pixmap().isNull());
    const int introHeight = start->centralWidget()->height();
    for (const auto& [step, newBind] : {std::pair{"mnuNew", 1},
                                        {"mnuNew", 1},
                                        {"cmdCancel", 0},
                                        {"mnuNew", 1},
                                        {"esc", 0},
                                        {"esc", 0},
                                        {"mnuNew", 1}}) {
        act(step);
        EXPECT_TRUE(newBindLayout() == newBind) << step;
        EXPECT_TRUE((start->centralWidget()->height() < introHeight) == newBind) << step;
    }
    // No definition file anywhere: the list says where they go, in an entry that cannot be picked.
    auto* list = control<QListWidget>("fileInput");
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)
                    ->text()
                    .remove(QChar(0x200B))
                    .contains(QString::fromStdString(p.programFolder() + "/InputFiles")));
    EXPECT_FALSE(list->item(0)->flags() & Qt::ItemIsSelectable);
    act("cmdContinue");
    ASSERT_EQ(p.messages.log.size(), 1u);
    EXPECT_EQ(p.messages.log[0].text, "Select an input file to load!");

    const auto captionsFit = [&] {
        for (const QWidget* w : {control("cmdContinue"), control("cmdCancel"), control("lblInput")})
            EXPECT_LE(w->fontMetrics().horizontalAdvance(w->property("text").toString()),
                      w->width() - (qobject_cast<const QPushButton*>(w) ? 12 : 0))
                << w->objectName().toStdString();
    };
    captionsFit();
    onModal([](QWidget*) {});
    act("mnuColorStyle");
    captionsFit();
}

// The file was listed, then went away: the message names it and the start screen stays.
TEST_F(startScreen, namesAFileThatCannotBeRead) {
    const std::string file = p.programFolder() + "/InputFiles/keys.txt";
    std::filesystem::create_directories(p.programFolder() + "/InputFiles");
    std::ofstream(file) << "key:F1\r\n";
    open();
    act("mnuNew");
    control<QListWidget>("fileInput")->item(0)->setSelected(true);
    std::filesystem::remove(file);
    act("cmdContinue");
    ASSERT_EQ(p.messages.log.size(), 1u);
    EXPECT_NE(p.messages.log[0].text.find(file), std::string::npos) << p.messages.log[0].text;
    EXPECT_TRUE(start->isVisible());
    EXPECT_TRUE(newBindLayout());
    EXPECT_TRUE(!start->constructionScreen());
}

// Installed: the user's files first, then the shipped ones not shadowed by a file of the same name; Enter on a
// file hands it over, and the help names the user's folder.
TEST_F(startScreen, installedListsTheUsersFilesFirstAndReadsTheOneListed) {
    p.runInstalled();
    const std::string user = p.folder.choice->userDefinitionFolder, shipped = p.shippedFolder();
    std::filesystem::create_directories(shipped);
    for (const auto& [folder, name, keys] : {std::tuple{user, "b.txt", "key:B\r\n"},
                                             {user, "SoF2 default.txt", "key:F9\r\n"},
                                             {shipped, "a.txt", "key:A\r\n"},
                                             {shipped, "SoF2 default.txt", "key:F1\r\n"}})
        std::ofstream(folder + "/" + name) << keys;
    open();
    act("mnuNew");
    auto* list = control<QListWidget>("fileInput");
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    EXPECT_EQ(names, QStringList({"b.txt", "SoF2 default.txt", "a.txt"}));
    EXPECT_EQ(start->focusWidget(), list);  // the arrow keys pick a file at once

    list->setCurrentRow(1, QItemSelectionModel::NoUpdate);  // Enter on the file with the focus frame opens it
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(start->constructionScreen());
    auto* keys = start->constructionScreen()->findChild<QComboBox*>("cboKeys");
    EXPECT_TRUE(keys->count() == 1);
    EXPECT_TRUE(keys->itemText(0) == "F9");

    QString help;
    onModal([&](QWidget* w) { help = w->findChild<QPlainTextEdit*>("txtHelp")->toPlainText(); });
    act("mnuHelp");
    EXPECT_TRUE(help.contains(QString::fromStdString(" In the folder " + user + " these files"))) << help.toStdString();
}

// After the hand-over, one message: what the file's reading left out (ten entries by line, then a count, and how
// many were past the 32,767 of a kind), or that the file lists no keys; nothing for a file read whole.
TEST(startScreenHandOver, tellsInOneMessageWhatTheFileLacks) {
    std::string bad = "key:F1\r\nosp:A Semi<>$H;kill\r\n";
    for (int k = 0; k < 11; ++k) bad += "key:F 1\r\n";
    std::string many;
    for (int k = 0; k < 32767 + 5; ++k) many += "key:K" + std::to_string(k) + "\r\n";
    const std::string semi =
        "line 2: osp:A Semi<>$H;kill \u2013 holds ';'";  // the listing's wording is the report's own
    for (const auto& [defs, title, parts] : std::vector<std::tuple<std::string, std::string, std::vector<std::string>>>{
             {"key:F1\r\nosp:Fine<>$H\r\n", "", {}},
             {bad,
              "Some Entries Left Out",
              {"These 12 entries of keys.txt were left out:\r\n\r\n" + semi,
               "\r\n... and 2 more\r\n\r\nThe game would "
               "not read them as written: change those lines in the file with a text editor to use them. Everything "
               "else was read."}},
             {many,
              "Some Entries Left Out",
              {"These 5 entries of keys.txt were left out:\r\n\r\nline 32,768: key:K32767 \u2013 is past the 32,767",
               "\r\n\r\n5 were past the 32,767 entries of one kind (keys, colours, OSP tokens or radio commands) the "
               "program holds. Everything else was read."}},
             {"color:Red<>1\r\nosp:A Semi<>$H;kill\r\n",
              "No Keys to Bind",
              {"The file keys.txt lists no keys (lines such as key:F1), so there is nothing to bind.",
               "\r\n\r\nThis entry of keys.txt was left out:\r\n\r\n" + semi,
               "command\r\n\r\nThe game would not read it"}}}) {
        SCOPED_TRACE(title);
        fakePlatform fresh;
        std::filesystem::create_directories(fresh.programFolder() + "/InputFiles");
        std::ofstream(fresh.programFolder() + "/InputFiles/keys.txt", std::ios::binary) << defs;
        frmStart s(fresh.services);
        s.show();
        ASSERT_TRUE(openDefinitions(s));
        ASSERT_TRUE(s.constructionScreen()->isVisible());
        ASSERT_TRUE(!s.isVisible());
        ASSERT_EQ(fresh.messages.log.size(), title.empty() ? 0u : 1u);
        if (title.empty()) continue;
        const auto& m = fresh.messages.log[0];
        EXPECT_EQ(m.title, title);
        for (const std::string& part : parts)
            EXPECT_NE(m.text.find(part), std::string::npos) << part << "\nin: " << m.text;
        EXPECT_EQ(m.icon, msgIcon::Exclamation);
    }
}

// File / Open Cfg File on the start screen: the construction screen opens with the definition file used last
// (the first listed when that one is gone) and shows the file's first bind, as after Done; an unreadable file
// leaves the start screen as it was.
TEST_F(startScreen, opensACfgFileWithTheDefinitionFileUsedLast) {
    const std::string defs = p.programFolder() + "/InputFiles", cfg = p.programFolder() + "/mine.cfg";
    std::filesystem::create_directories(defs);
    std::ofstream(defs + "/a.txt") << "key:F1\r\n";
    std::ofstream(defs + "/b.txt") << "key:F2\r\nkey:F1\r\n";
    std::ofstream(cfg, std::ios::binary) << "seta x 1\r\nbind f1 say hi\r\n";
    for (const auto& [last, keys] : {std::pair{"b.txt", 2}, {"gone.txt", 1}}) {
        SCOPED_TRACE(last);
        fakePlatform fresh;
        fresh.folder.path = p.folder.path;
        fresh.settings.values["Brenvolt Beta 0.98/Files/LastDefinitionFile"] = last;
        fresh.fileDialog.picks = {p.programFolder() + "/missing.cfg", cfg};
        frmStart s(fresh.services);
        s.show();
        s.findChild<QAction*>("mnuOpen")->trigger();
        EXPECT_TRUE(s.isVisible());
        EXPECT_TRUE(!s.constructionScreen());
        EXPECT_EQ(fresh.messages.log.at(0).title, "Cannot Open File");
        s.findChild<QAction*>("mnuOpen")->trigger();
        ASSERT_TRUE(s.constructionScreen());
        ASSERT_TRUE(s.constructionScreen()->isVisible());
        auto* list = s.constructionScreen()->findChild<QComboBox*>("cboKeys");
        EXPECT_EQ(list->count(), keys);
        EXPECT_EQ(list->currentText(), "F1");
        EXPECT_TRUE(s.constructionScreen()->findChild<QPushButton*>("cmdClear")->isVisible());
        EXPECT_EQ(s.context().document.name(), "mine.cfg");
        EXPECT_EQ(fresh.settings.values["Brenvolt Beta 0.98/Files/LastDefinitionFile"], keys == 2 ? "b.txt" : "a.txt");
    }
}

// Exit stores the style in use and ends; the close box only ends. (The painting tests open it in a stored style.)
TEST_F(startScreen, onlyExitStoresTheStyleInUse) {
    open();
    start->context().currentColorStyle = "Greek";
    EXPECT_TRUE(start->close());
    EXPECT_TRUE(p.exit.ends == 1);
    EXPECT_TRUE(p.settings.values.empty());
    open();
    start->context().currentColorStyle = "Greek";
    act("mnuExit");
    EXPECT_TRUE(p.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"] == "Greek");
    EXPECT_TRUE(p.exit.ends == 2);
}

}  // namespace

// In German (LANGUAGE=de) the start screen's menus and buttons read German.
TEST_F(startScreen, speaksGermanWithTheGermanTranslation) {
    const appLanguage german(QStringList{QStringLiteral("de")});
    open();
    const auto title = [&](const char* menu) { return control<QMenu>(menu)->title(); };
    EXPECT_EQ(title("mnuFile"), QStringLiteral("&Datei"));
    EXPECT_EQ(title("mnuExtra"), QStringLiteral("E&xtras"));
    EXPECT_EQ(control<QAction>("mnuNew")->text(), QStringLiteral("&Neuer Bind"));
    EXPECT_EQ(control<QAction>("mnuHelp")->text(), QStringLiteral("&Hilfe"));
    act("mnuNew");
    EXPECT_EQ(control<QPushButton>("cmdContinue")->text(), QStringLiteral("Neuen Bind anlegen"));
    EXPECT_EQ(control<QPushButton>("cmdCancel")->text(), QStringLiteral("Abbrechen"));
}
