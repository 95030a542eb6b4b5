#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>
#include <map>

#include "construction/frmConstruct.h"
#include "shell/clsAppContext.h"
#include "shell/frmStart.h"
#include "support/fakePlatform.h"

namespace {

void pick(QWidget* window, const char* list, const QString& entry) {
    auto* box = window->findChild<QComboBox*>(list);
    ASSERT_TRUE(box && box->findText(entry) >= 0) << list << ": " << entry.toStdString();
    box->setCurrentIndex(box->findText(entry));
    emit box->activated(box->currentIndex());
}

void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QAbstractButton*>(button);
    ASSERT_TRUE(b && b->isVisible() && b->isEnabled()) << button;
    b->click();
}

// The typical request through the real windows and the shipped definitions: F1, "hi" in Red and Blue, pattern 1.
TEST(endToEnd, theTypicalRequestEndsWithTheColouredBindLine) {
    fakePlatform p;
    const auto shipped = std::filesystem::path(__FILE__).parent_path() / "../InputFiles/SoF2 default.txt";
    std::filesystem::create_directories(p.programFolder() + "/InputFiles");
    std::filesystem::copy(shipped, p.programFolder() + "/InputFiles");
    frmStart start(p.services);
    start.context().clock = [] { return clsDateTime{2003, 7, 14, 21, 5, 33}; };
    start.show();
    start.findChild<QAction*>("mnuNew")->trigger();
    start.findChild<QListWidget*>("fileInput")->item(0)->setSelected(true);
    click(&start, "cmdContinue");
    QWidget* construct = start.constructionScreen();
    ASSERT_TRUE(construct && construct->isVisible());

    pick(construct, "cboKeys", "F1");
    click(construct, "optPublicBind");
    click(construct, "cmdContinue");
    QTest::keyClicks(construct->findChild<QLineEdit*>("txtText"), "hi");
    pick(construct, "cboColors", " 2");
    pick(construct, "cboColor0", "Red");
    pick(construct, "cboColor1", "Blue");
    pick(construct, "cboSwitch", " 1");
    click(construct, "cmdTextAdd");
    click(construct, "cmdTextDone");

    bool saveDialogSeen = false;  // it is modal: it is driven once it is up
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog && (saveDialogSeen = dialog->objectName() == "frmSaveToFile"));
        QTest::keyClicks(dialog->findChild<QLineEdit*>("txtFilename"), "test");
        click(dialog, "cmdSave");
        if (dialog->isVisible()) dialog->close();  // never leave the test waiting
    });
    construct->findChild<QAction*>("mnuSave")->trigger();
    ASSERT_TRUE(saveDialogSeen);

    std::ifstream in(p.programFolder() + "/OutputCfgFiles/test.cfg", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "// Description: Cfg file with text/radio binds for Soldier of Fortune 2\r\n"
              "// Created with: Brenvolt Beta 0.98\r\n// Creation Date: 07-14-2003\r\n// Creation Time: 21:05:33\r\n"
              "// Info: Place this file in the program files\\sof2\\base\\mp folder and in console type: "
              "'exec test.cfg'\r\n//\r\n// Thanx for using my program,\r\n// Tarvelin\r\n\r\n"
              "bind F1 say ^1h^4i\r\n");

    // No comment line of the shipped file became an entry: each comes from a line that starts with its token.
    std::ifstream definitions(shipped, std::ios::binary);
    std::map<std::string, std::size_t> lines;
    for (std::string line; std::getline(definitions, line);)
        for (const char* token : {"key:", "color:", "osp:", "radio:"}) lines[token] += line.rfind(token, 0) == 0;
    for (const auto& [token, count] : lines) {
        clsGroup& group = start.context().builder.getGroup(token);
        std::size_t entries = 0;
        for (group.get_front(); group.has_next(); group.get_next()) ++entries;
        EXPECT_TRUE(count > 0 && entries == count) << token << ": " << entries << " entries from " << count << " lines";
    }
}

}  // namespace
