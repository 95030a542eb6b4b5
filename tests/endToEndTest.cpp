// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>

#include "support/fakePlatform.h"
#include "support/scratchFolder.h"
#include "support/uiSteps.h"

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
    ASSERT_TRUE(b) << step.toStdString();
    ASSERT_TRUE(b->isVisible()) << step.toStdString();
    ASSERT_TRUE(b->isEnabled()) << step.toStdString();
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
        std::ofstream(p.folder.choice->userDefinitionFolder + "/SoF2 default.txt")
            << "key:F1\ncolor:Red<>1\ncolor:Blue<>5\n";
    frmStart start(p.services);
    start.show();
    QWidget* construct = openDefinitions(start);
    ASSERT_TRUE(construct);
    ASSERT_TRUE(construct->isVisible());
    for (const char* step : {"cboKeys:F1", "optPublicBind", "cmdContinue"}) act(construct, step);
    QTest::keyClicks(construct->findChild<QLineEdit*>("txtText"), "hi");
    for (const char* step :
         {"cboColors: 2", "cboColor0:Red", "cboColor1:Blue", "cboSwitch: 1", "cmdTextAdd", "cmdTextDone"})
        act(construct, step);
    ASSERT_TRUE(saveAs(construct, "test"));
    const std::string out = installed ? p.folder.choice->outputFolder : p.programFolder() + "/OutputCfgFiles";
    EXPECT_EQ(p.fileBrowser.opened, std::vector{out + "/"});
    ASSERT_FALSE(p.messages.log.empty());
    EXPECT_NE(p.messages.log.back().text.find("can be found at: " + out + "\r\n"), std::string::npos);
    // The header, byte for byte, is the cfg file's own concern; here: it names the file, then the one bind line.
    const std::string cfg = scratchFolder::read(out + "/test.cfg");
    EXPECT_NE(cfg.find("console type: 'exec test.cfg'\r\n"), std::string::npos) << cfg;
    EXPECT_EQ(cfg.substr(cfg.find("\r\n\r\n") + 4), "bind F1 say ^1h^" + std::string(installed ? "5" : "4") + "i\r\n");
}

INSTANTIATE_TEST_SUITE_P(bothWays, endToEnd, testing::Bool(),
                         [](const auto& info) { return info.param ? "installed" : "portable"; });

}  // namespace
