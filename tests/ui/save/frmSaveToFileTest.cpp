// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>

#include "support/scratchFolder.h"
#include "support/windowTestContext.h"
#include "ui/save/frmSaveToFile.h"

namespace {

namespace fs = std::filesystem;

enum arrangement { none, oldFile, outIsAFile };
struct ending {
    const char* name;
    std::size_t size;  // of the file, padded to it; 0: as it is
    arrangement arrange;
    std::vector<msgAnswer> answers;
    std::vector<std::string> titles;  // the first message holds `text`
    const char* text;
    bool saved;
    const char *typed = "test", *nameAfter = "test";
    bool enterInName = false;  // else on Save, which has the focus
    bool keypadEnter = false;  // Enter of the number pad, else Return
};

void PrintTo(const ending& e, std::ostream* out) { *out << e.name; }

std::string keysAndRadio() {
    std::string defs = "key:R\r\nradio:Sniper<>vsay_team sniper\r\n";
    for (int k = 0; k < 20; ++k) defs += "key:P" + std::to_string(k) + "\r\n";
    return defs;
}

// The save dialog over a stand-in construction screen, with a radio bind on R.
class saveEndings : public testing::TestWithParam<ending> {
protected:
    windowTestContext t{keysAndRadio(), "Greek"};
    fakePlatform& p = t.platform;
    clsAppContext& ctx = t.ctx;
    QMainWindow construct;
    frmSaveToFile dlg{ctx, &construct};
    QLineEdit* name = dlg.findChild<QLineEdit*>("txtFilename");
    const std::string out = p.programFolder() + "/OutputCfgFiles";
    std::string cfg = out + "/test.cfg";

    void SetUp() override {
        ctx.builder.add_radio_code("R", "vsay_team sniper", "Sniper");
        ctx.clock = [] { return clsDateTime{2026, 7, 4, 9, 5, 3}; };
        dlg.show();
    }
    std::string contents(const std::string& name = "test") {
        return clsCfgFile::contents(ctx.builder, name + ".cfg", ctx.clock());
    }
    // Radio binds on P0, P1, ... until the file has `size` bytes; no line is longer than the game reads.
    void padTo(std::size_t size) {
        const std::size_t missing = size - contents().size(), lines = (missing + 999) / 1000;
        for (std::size_t k = 0; k < lines; ++k) {
            const std::string key = "P" + std::to_string(k);
            const std::size_t bytes = missing / lines + (k < missing % lines ? 1 : 0);  // "bind Pk " to CR LF
            ASSERT_TRUE(ctx.builder.add_radio_code(key, std::string(bytes - key.size() - 8, 'x'), "L"));
        }
    }
};

// Enter on Save, or in the name box. An ending that does not save changes nothing and the dialog stays. Every
// question answers No to Enter; a failure names the file once.
TEST_P(saveEndings, endAsTheUserAnswered) {
    const ending& c = GetParam();
    cfg = out + "/" + c.typed + ".cfg";
    if (c.size) padTo(c.size);
    ASSERT_TRUE(!c.size || contents().size() == c.size);
    if (c.arrange == oldFile && fs::create_directories(out)) std::ofstream(cfg) << std::string(5000, 'x');
    if (c.arrange == outIsAFile) std::ofstream(out) << "x";
    const auto state = [&] {
        return std::tuple{fs::exists(out) ? fs::last_write_time(out) : fs::file_time_type{}, fs::exists(cfg),
                          scratchFolder::read(cfg), p.settings.values, p.fileBrowser.opened};
    };
    const auto was = state();
    p.messages.answers.assign(c.answers.begin(), c.answers.end());
    name->setText(c.typed);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    if (c.enterInName) name->setFocus();
    QTest::keyClick(dlg.focusWidget(), c.keypadEnter ? Qt::Key_Enter : Qt::Key_Return,
                    c.keypadEnter ? Qt::KeypadModifier : Qt::NoModifier);

    std::vector<std::string> titles;
    for (const auto& m : p.messages.log) titles.push_back(m.title);
    ASSERT_EQ(titles, c.titles);
    EXPECT_NE(p.messages.log[0].text.find(c.text), std::string::npos) << p.messages.log[0].text;
    for (const auto& m : p.messages.log) {
        EXPECT_TRUE(m.buttons == msgButtons::Ok || m.defaultAnswer == msgAnswer::No) << m.title;
        const std::size_t named = m.text.find(cfg);
        EXPECT_TRUE(m.title != "Save Failed" ||
                    (named != std::string::npos && m.text.find(cfg, named + 1) == std::string::npos))
            << m.text;
    }
    EXPECT_EQ(std::pair(dlg.isVisible(), p.exit.ends), std::pair(!c.saved, c.saved ? 1 : 0));
    if (c.saved) {
        EXPECT_EQ(scratchFolder::read(cfg), contents(c.typed));
        EXPECT_EQ(p.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"], "Greek");
        EXPECT_NE(
            p.messages.log.back().text.find("type: 'exec " + std::string(c.typed) + ".cfg' to set all your binds."),
            std::string::npos);
    } else {
        EXPECT_TRUE(state() == was);
        EXPECT_EQ(name->text(), c.nameAfter);
    }
}

using A = msgAnswer;
const std::string exists = "File Already Exists!", saved = "File Saved!", large = "File Too Large";
const char* const replace = "Do you want to replace the file test.cfg?";
const std::string longestName(251, 'n');  // with ".cfg" the 255 bytes a file name may have
const char* const longest = longestName.c_str();
// The console runs a file only if it fits its buffer together with the line end it adds.
const char* const big = "would be 16,384 bytes, but the game's console runs at most 16,383 bytes";
INSTANTIATE_TEST_SUITE_P(
    saveDialog, saveEndings,
    testing::Values(ending{"emptyName", 0, none, {}, {"Missing Information"}, "A file needs a name...", 0, "", ""},
                    ending{"newFileOneByteUnderTheLimit", 16383, none, {}, {saved}, "", true},
                    ending{"replaceYes", 0, oldFile, {A::Yes}, {exists, saved}, replace, true},
                    ending{"replaceNo", 0, oldFile, {A::No}, {exists}, replace, false, "test", ""},
                    ending{"writeFails", 0, outIsAFile, {}, {"Save Failed"}, "test.cfg", false},
                    ending{"longestNameEnterInTheName", 0, none, {}, {saved}, "", true, longest, longest, true},
                    ending{"keypadEnterInTheName", 0, none, {}, {saved}, "", true, "test", "test", true, true},
                    ending{"atTheLimitYes", 16384, none, {A::Yes}, {large, saved}, big, true},
                    ending{"atTheLimitNo", 16384, none, {A::No}, {large}, big, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A name holds letters and digits only, typed or pasted, so a pasted "../x"
// cannot put the file outside the output folder.
TEST(saveDialogName, takesLettersAndDigitsOnly) {
    windowTestContext t;
    QMainWindow construct;
    frmSaveToFile dlg{t.ctx, &construct};
    dlg.show();
    auto* name = dlg.findChild<QLineEdit*>("txtFilename");
    QTest::keyClicks(name, "my b.-ind9");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "mybind");
    EXPECT_EQ(t.platform.beep.count, 3);
    // Delete as X11 sends it, with the text "\x7f", deletes.
    QTest::keyClick(name, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Delete, QStringLiteral("\x7f"), {});
    EXPECT_EQ(name->text(), "ybind");
    name->setText("mybind");
    QApplication::clipboard()->setText("../x y");
    name->paste();
    EXPECT_EQ(name->text(), "mybindxy");
    EXPECT_EQ(t.platform.beep.count, 4);
}

// After a cfg file was opened the dialog offers its name, as far as a name here may hold it.
TEST(saveDialogName, offersTheOpenedFilesName) {
    for (const auto& [opened, offered] :
         {std::pair{"", ""}, {"my-binds 2.CFG", "mybinds2"}, {"notes.txt", "notestxt"}}) {
        windowTestContext t;
        t.ctx.openedCfg = opened;
        QMainWindow construct;
        frmSaveToFile dlg{t.ctx, &construct};
        EXPECT_EQ(dlg.findChild<QLineEdit*>("txtFilename")->text().toStdString(), offered) << opened;
    }
}

}  // namespace
