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

namespace fs = std::filesystem;

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
    // A definition file in the program's InputFiles.
    std::string definitions(const std::string& name, const std::string& bytes) {
        fs::create_directories(p.programFolder() + "/InputFiles");
        std::ofstream(p.programFolder() + "/InputFiles/" + name, std::ios::binary) << bytes;
        return p.programFolder() + "/InputFiles/" + name;
    }
};

// With neither InputFiles nor Stuff/front.jpg: New Bind shows the (shorter) file list, which says where definition
// files go; Cancel and Escape go back. Captions fit after a repaint too (a wider font once cut them).
TEST_F(startScreen, switchesLayoutsWithNewBindAndCancel) {
    open();
    EXPECT_FALSE(newBindLayout());
    EXPECT_FALSE(control<QLabel>("picIntro")->pixmap().isNull());
    const int introHeight = start->centralWidget()->height();
    for (const char* step : {"mnuNew", "mnuNew", "cmdCancel", "mnuNew", "esc", "esc", "mnuNew"}) {
        act(step);
        const bool newBind = step[0] == 'm';
        EXPECT_TRUE(newBindLayout() == newBind) << step;
        EXPECT_TRUE((start->centralWidget()->height() < introHeight) == newBind) << step;
    }
    auto* list = control<QListWidget>("fileInput");
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().remove(QChar(0x200B)).contains(QString::fromStdString(p.programFolder())));
    EXPECT_FALSE(list->item(0)->flags() & Qt::ItemIsSelectable);
    act("cmdContinue");
    EXPECT_EQ(p.messages.asked(), "No Input File Selected: Select an input file to load! (!) [OK]\n");
    onModal([](QWidget*) {});
    act("mnuColorStyle");
    for (const QWidget* w : {control("cmdContinue"), control("cmdCancel"), control("lblInput")})
        EXPECT_LE(w->fontMetrics().horizontalAdvance(w->property("text").toString()),
                  w->width() - (qobject_cast<const QPushButton*>(w) ? 12 : 0))
            << w->objectName().toStdString();
}

// The file was listed, then went away: the message names it and the start screen stays.
TEST_F(startScreen, namesAFileThatCannotBeRead) {
    const std::string file = definitions("keys.txt", "key:F1\r\n");
    open();
    act("mnuNew");
    control<QListWidget>("fileInput")->item(0)->setSelected(true);
    fs::remove(file);
    act("cmdContinue");
    ASSERT_EQ(p.messages.log.size(), 1u);
    EXPECT_NE(p.messages.log[0].text.find(file), std::string::npos) << p.messages.log[0].text;
    EXPECT_TRUE(start->isVisible());
    EXPECT_TRUE(newBindLayout());
    EXPECT_FALSE(start->constructionScreen());
}

// Installed: the user's files first, then the shipped ones not shadowed by a file of the very same name; Enter on a
// file hands it over, and the help names the user's folder.
TEST_F(startScreen, installedListsTheUsersFilesFirstAndReadsTheOneListed) {
    p.runInstalled();
    const std::string user = p.folder.choice->userDefinitionFolder, shipped = p.shippedFolder();
    fs::create_directories(shipped);
    for (const auto& [folder, name, keys] : {std::tuple{user, "b.txt", "key:B\r\n"},
                                             {user, "SoF2 default.txt", "key:F9\r\n"},
                                             {shipped, "a.txt", "key:A\r\n"},
                                             {shipped, "B.txt", "key:B\r\n"},
                                             {shipped, "SoF2 default.txt", "key:F1\r\n"}})
        std::ofstream(folder + "/" + name) << keys;
    open();
    act("mnuNew");
    auto* list = control<QListWidget>("fileInput");
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    EXPECT_EQ(names, QStringList({"b.txt", "SoF2 default.txt", "a.txt", "B.txt"}));
    EXPECT_EQ(start->focusWidget(), list);  // the arrow keys pick a file at once
    QString help;
    onModal([&](QWidget* w) { help = w->findChild<QPlainTextEdit*>("txtHelp")->toPlainText(); });
    act("mnuHelp");
    EXPECT_TRUE(help.contains(QString::fromStdString(" In the folder " + user + " these files"))) << help.toStdString();
    list->setCurrentRow(1, QItemSelectionModel::NoUpdate);  // Enter on the file with the focus frame opens it
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(start->constructionScreen());
    auto* keys = start->constructionScreen()->findChild<QComboBox*>("cboKeys");
    EXPECT_TRUE(keys->count() == 1);
    EXPECT_TRUE(keys->itemText(0) == "F9");
}

// After the hand-over, one message: what the file's reading left out (ten entries by line, then a count, and how
// many were past the 32,767 of a kind), or that the file lists no keys; nothing for a file read whole.
TEST_F(startScreen, tellsInOneMessageWhatTheFileLacks) {
    std::string bad = "key:F1\r\nosp:A Semi<>$H;kill\r\n", many;
    for (int k = 0; k < 11; ++k) bad += "key:F 1\r\n";
    for (int k = 0; k < 32767 + 5; ++k) many += "key:K" + std::to_string(k) + "\r\n";
    for (const auto& [defs, parts] : std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"key:F1\r\nosp:Fine<>$H\r\n", {}},
             {bad,
              {"Some Entries Left Out: These 12 entries of keys.txt were left out:\r\n\r\nline 2: osp:A Semi<>$H;kill",
               "\r\n... and 2 more\r\n\r\nThe game would not read them as written", " Everything else was read."}},
             {many,
              {"Some Entries Left Out: These 5 entries", "line 32,768: key:K32767",
               "5 were past the 32,767 entries of one kind"}},
             {"color:Red<>1\r\nosp:A Semi<>$H;kill\r\n",
              {"No Keys to Bind: The file keys.txt lists no keys",
               "This entry of keys.txt was left out:", "The game would not read it"}}}) {
        SCOPED_TRACE(parts.empty() ? "" : parts[0]);
        definitions("keys.txt", defs);
        p.messages.log.clear();
        open();
        ASSERT_TRUE(openDefinitions(*start));
        ASSERT_TRUE(start->constructionScreen()->isVisible());
        ASSERT_FALSE(start->isVisible());
        ASSERT_EQ(p.messages.log.size(), parts.empty() ? 0u : 1u);
        for (const std::string& part : parts) EXPECT_NE(p.messages.asked().find(part), std::string::npos) << part;
        EXPECT_TRUE(parts.empty() || p.messages.log[0].icon == msgIcon::Exclamation);
    }
}

// File / Open Cfg File on the start screen: the construction screen opens with the definition file used last
// (the first listed when that one is gone) and shows the file's first bind, as after Done; an unreadable file
// leaves the start screen as it was.
TEST_F(startScreen, opensACfgFileWithTheDefinitionFileUsedLast) {
    definitions("a.txt", "key:F1\r\n");
    definitions("b.txt", "key:F2\r\nkey:F1\r\n");
    const std::string cfg = p.programFolder() + "/mine.cfg";
    std::ofstream(cfg, std::ios::binary) << "seta x 1\r\nbind f1 say hi\r\n";
    for (const auto& [last, keys] : {std::pair{"b.txt", 2}, {"gone.txt", 1}}) {
        SCOPED_TRACE(last);
        p.settings.values["Brenvolt Beta 0.98/Files/LastDefinitionFile"] = last;
        p.fileDialog.picks = {p.programFolder() + "/missing.cfg", cfg};
        p.messages.log.clear();
        open();
        act("mnuOpen");
        EXPECT_TRUE(start->isVisible());
        EXPECT_FALSE(start->constructionScreen());
        EXPECT_EQ(p.messages.log.at(0).title, "Cannot Open File");
        act("mnuOpen");
        ASSERT_TRUE(start->constructionScreen());
        ASSERT_TRUE(start->constructionScreen()->isVisible());
        auto* list = start->constructionScreen()->findChild<QComboBox*>("cboKeys");
        EXPECT_TRUE(list->count() == keys);
        EXPECT_TRUE(list->currentText() == "F1");
        EXPECT_TRUE(start->constructionScreen()->findChild<QPushButton*>("cmdClear")->isVisible());
        EXPECT_EQ(start->context().document.name(), "mine.cfg");
        EXPECT_EQ(p.settings.values["Brenvolt Beta 0.98/Files/LastDefinitionFile"], keys == 2 ? "b.txt" : "a.txt");
    }
}

// Exit stores the style in use and ends; the close box only ends. (The painting tests open it in a stored style.)
TEST_F(startScreen, onlyExitStoresTheStyleInUse) {
    for (const char* way : {"close", "mnuExit"}) {
        open();
        start->context().currentColorStyle = "Greek";
        std::string(way) == "close" ? (void)start->close() : act(way);
        EXPECT_EQ(p.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"], way[0] == 'c' ? "" : "Greek");
    }
    EXPECT_EQ(p.exit.ends, 2);
}

// In German (LANGUAGE=de) the start screen's menus and buttons read German.
TEST_F(startScreen, speaksGermanWithTheGermanTranslation) {
    const appLanguage german(QStringList{QStringLiteral("de")});
    open();
    EXPECT_EQ(control<QMenu>("mnuFile")->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(control<QAction>("mnuNew")->text(), QStringLiteral("&Neuer Bind"));
    act("mnuNew");
    EXPECT_EQ(control<QPushButton>("cmdContinue")->text(), QStringLiteral("Neuen Bind anlegen"));
    EXPECT_EQ(control<QPushButton>("cmdCancel")->text(), QStringLiteral("Abbrechen"));
}

}  // namespace
