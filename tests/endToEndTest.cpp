#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "construction/frmConstruct.h"
#include "shell/clsAppContext.h"
#include "shell/frmStart.h"
#include "support/fakePlatform.h"

// The typical request, from the start screen to the bytes of the saved file,
// through the real windows: F1, "hi" in Red and Blue with a pattern length
// of 1, saved as test.
namespace {

template <class T>
T* find(QWidget* window, const char* name) {
    T* w = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// The user picks an entry of a drop-down list.
void pick(QWidget* window, const char* list, const QString& entry) {
    auto* box = find<QComboBox>(window, list);
    ASSERT_NE(box, nullptr);
    const int i = box->findText(entry);
    ASSERT_GE(i, 0) << list << ": " << entry.toStdString();
    box->setCurrentIndex(i);
    emit box->activated(i);
}

void click(QWidget* window, const char* button) {
    auto* b = find<QAbstractButton>(window, button);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isVisible() && b->isEnabled()) << button;
    b->click();
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(endToEnd, theTypicalRequestEndsWithTheColouredBindLine) {
    fakePlatform p;
    QDir().mkpath(QString::fromStdString(p.programFolder() + "/InputFiles"));
    std::ofstream(p.programFolder() + "/InputFiles/typical.txt", std::ios::binary)
        << "key:F1\r\ncolor:Red<>1\r\ncolor:Blue<>4\r\n";

    frmStart start(p.services);
    start.context().clock = [] { return clsDateTime{2003, 7, 14, 21, 5, 33}; };
    start.show();

    // Start screen: New Bind, the file, Create new Bind.
    find<QAction>(&start, "mnuNew")->trigger();
    auto* files = find<QListWidget>(&start, "fileInput");
    ASSERT_EQ(files->count(), 1);
    files->item(0)->setSelected(true);
    click(&start, "cmdContinue");
    ASSERT_TRUE(p.messages.log.empty());
    QWidget* construct = start.constructionScreen();
    ASSERT_NE(construct, nullptr);
    ASSERT_TRUE(construct->isVisible());
    EXPECT_FALSE(start.isVisible());

    // Construction screen: F1, public text, Continue, hi, Red and Blue, 1, Add, Done.
    pick(construct, "cboKeys", "F1");
    click(construct, "optPublicBind");
    click(construct, "cmdContinue");
    auto* text = find<QLineEdit>(construct, "txtText");
    ASSERT_NE(text, nullptr);
    text->setFocus();
    QTest::keyClicks(text, "hi");
    ASSERT_EQ(text->text(), "hi");
    pick(construct, "cboColors", " 2");
    pick(construct, "cboColor0", "Red");
    pick(construct, "cboColor1", "Blue");
    pick(construct, "cboSwitch", " 1");
    click(construct, "cmdTextAdd");
    click(construct, "cmdTextDone");
    ASSERT_TRUE(p.messages.log.empty()) << p.messages.log.front().title;
    EXPECT_EQ(start.context().builder.get_bindcode("F1"), "^1h^4i");

    // Save: the dialog is modal, so it is driven once it is up.
    bool dialogSeen = false;
    const auto saveAsTest = [&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->objectName(), "frmSaveToFile");
        dialogSeen = true;
        EXPECT_FALSE(construct->isVisible());
        auto* name = find<QLineEdit>(dialog, "txtFilename");
        ASSERT_NE(name, nullptr);
        name->setFocus();
        QTest::keyClicks(name, "test");
        click(dialog, "cmdSave");
    };
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        saveAsTest(dialog);
        if (dialog && dialog->isVisible()) dialog->close();  // never leave the test waiting
    });
    find<QAction>(construct, "mnuSave")->trigger();
    ASSERT_TRUE(dialogSeen);

    const std::string cfg = readBytes(p.programFolder() + "/OutputCfgFiles/test.cfg");
    EXPECT_EQ(cfg,
              "// Description: Cfg file with text/radio binds for Soldier of Fortune 2\r\n"
              "// Created with: Brenvolt Beta 0.98\r\n"
              "// Creation Date: 07-14-2003\r\n"
              "// Creation Time: 21:05:33\r\n"
              "// Info: Place this file in the program files\\sof2\\base\\mp folder and in console type: "
              "'exec test.cfg'\r\n"
              "//\r\n"
              "// Thanx for using my program,\r\n"
              "// Tarvelin\r\n"
              "\r\n"
              "bind F1 say ^1h^4i\r\n");
    ASSERT_EQ(p.messages.log.size(), 1u);
    EXPECT_EQ(p.messages.log[0].title, "File Saved!");
    EXPECT_NE(p.messages.log[0].text.find("'exec test.cfg'"), std::string::npos);
    EXPECT_EQ(p.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"], "Windows");
    EXPECT_EQ(p.fileBrowser.opened, std::vector<std::string>{p.programFolder() + "/OutputCfgFiles/"});
    EXPECT_EQ(p.exit.ends, 1);
}
