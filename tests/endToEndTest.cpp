#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>

#include "construction/frmConstruct.h"
#include "widgets/clsAppContext.h"
#include "shell/frmStart.h"
#include "support/fakePlatform.h"

namespace {

// Picks "list:entry" in a drop-down list or clicks a button, which must be shown and enabled.
void act(QWidget* window, const QString& step) {
    if (auto* box = window->findChild<QComboBox*>(step.section(':', 0, 0)); box && step.contains(':')) {
        const int i = box->findText(step.section(':', 1));
        ASSERT_GE(i, 0) << step.toStdString();
        box->setCurrentIndex(i);
        emit box->activated(i);
        return;
    }
    auto* b = window->findChild<QAbstractButton*>(step);
    ASSERT_TRUE(b && b->isVisible() && b->isEnabled()) << step.toStdString();
    b->click();
}

// The typical request through the real windows and the shipped definitions: F1, "hi" in Red and Blue, pattern 1.
// Installed, a file of the user's with the shipped file's name is the one read (its Blue is ^5), and the cfg
// file lands in the user's folder.
class endToEnd : public testing::TestWithParam<bool> {};

TEST_P(endToEnd, theTypicalRequestEndsWithTheColouredBindLine) {
    const bool installed = GetParam();
    fakePlatform p;
    if (installed) p.runInstalled();
    const std::string shipped = installed ? p.shippedFolder() : p.programFolder() + "/InputFiles";
    std::filesystem::create_directories(shipped);
    std::filesystem::copy(std::filesystem::path(__FILE__).parent_path() / "../InputFiles/SoF2 default.txt", shipped);
    if (installed)
        std::ofstream(p.folder.choice->userDefinitionFolder + "/SoF2 default.txt") << "key:F1\ncolor:Red<>1\ncolor:Blue<>5\n";
    frmStart start(p.services);
    start.context().clock = [] { return clsDateTime{2003, 7, 14, 21, 5, 33}; };
    start.show();
    start.findChild<QAction*>("mnuNew")->trigger();
    start.findChild<QListWidget*>("fileInput")->item(0)->setSelected(true);
    act(&start, "cmdContinue");
    QWidget* construct = start.constructionScreen();
    ASSERT_TRUE(construct && construct->isVisible());
    for (const char* step : {"cboKeys:F1", "optPublicBind", "cmdContinue"}) act(construct, step);
    QTest::keyClicks(construct->findChild<QLineEdit*>("txtText"), "hi");
    for (const char* step : {"cboColors: 2", "cboColor0:Red", "cboColor1:Blue", "cboSwitch: 1", "cmdTextAdd", "cmdTextDone"})
        act(construct, step);

    bool saveDialogSeen = false;  // it is modal: it is driven once it is up
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog && (saveDialogSeen = dialog->objectName() == "frmSaveToFile"));
        QTest::keyClicks(dialog->findChild<QLineEdit*>("txtFilename"), "test");
        act(dialog, "cmdSave");
        if (dialog->isVisible()) dialog->close();  // never leave the test waiting
    });
    construct->findChild<QAction*>("mnuSave")->trigger();
    ASSERT_TRUE(saveDialogSeen);

    const std::string out = installed ? p.folder.choice->outputFolder : p.programFolder() + "/OutputCfgFiles";
    EXPECT_EQ(p.fileBrowser.opened, std::vector{out + "/"});
    ASSERT_FALSE(p.messages.log.empty());
    EXPECT_NE(p.messages.log.back().text.find("can be found at: " + out + "\r\n"), std::string::npos);
    std::ifstream in(out + "/test.cfg", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "// Description: Cfg file with text/radio binds for Soldier of Fortune 2\r\n"
              "// Created with: Brenvolt Beta 0.98\r\n// Creation Date: 07-14-2003\r\n// Creation Time: 21:05:33\r\n"
              "// Info: Place this file in the program files\\sof2\\base\\mp folder and in console type: "
              "'exec test.cfg'\r\n//\r\n// Thanx for using my program,\r\n// Tarvelin\r\n\r\n"
              "bind F1 say ^1h^" + std::string(installed ? "5" : "4") + "i\r\n");
}

INSTANTIATE_TEST_SUITE_P(bothWays, endToEnd, testing::Bool(),
                         [](const auto& info) { return info.param ? "installed" : "portable"; });

}  // namespace
