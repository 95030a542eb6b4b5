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
using A = msgAnswer;

// The save dialog over a stand-in construction screen, with a radio bind on R and the keys P0 to P18 to pad with.
struct saveDialog {
    windowTestContext t{
        "key:R\r\nradio:Sniper<>vsay_team sniper\r\n"
        "key:P0\r\nkey:P1\r\nkey:P2\r\nkey:P3\r\nkey:P4\r\nkey:P5\r\nkey:P6\r\nkey:P7\r\nkey:P8\r\nkey:P9\r\n"
        "key:P10\r\nkey:P11\r\nkey:P12\r\nkey:P13\r\nkey:P14\r\nkey:P15\r\nkey:P16\r\nkey:P17\r\nkey:P18\r\n",
        "Greek"};
    fakePlatform& p = t.platform;
    clsAppContext& ctx = t.ctx;
    QMainWindow construct;
    frmSaveToFile dlg{ctx, &construct};
    QLineEdit* name = dlg.findChild<QLineEdit*>("txtFilename");
    saveDialog() {
        ctx.builder.add_radio_code("R", "vsay_team sniper", "Sniper");
        ctx.clock = [] { return clsDateTime{2026, 7, 4, 9, 5, 3}; };
        dlg.show();
    }
    std::string contents(const std::string& file = "test") {
        return clsCfgFile::contents(ctx.builder, file + ".cfg", ctx.clock());
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

// Enter on Save, or in the name box (the number pad's too). An ending that does not save changes nothing and the
// dialog stays. Every question answers No to Enter; a failure names the file once. The console runs a file only if
// it fits its buffer together with the line end it adds.
TEST(frmSaveToFile, endsAsTheUserAnswered) {
    enum arrangement { none, oldFile, outIsAFile };
    struct row {
        std::size_t size;  // of the file, padded to it; 0: as it is
        arrangement arrange;
        std::vector<msgAnswer> answers;
        std::vector<std::string> titles;  // the first message holds `text`
        const char* text;
        bool saved;
        std::string typed = "test", nameAfter = "test";
        int enter = 0;  // 0: Enter on Save, which has the focus; 1: in the name box; 2: the number pad's, there
    };
    const std::string exists = "File Already Exists!", saved = "File Saved!", large = "File Too Large";
    const char* const replace = "Do you want to replace the file test.cfg?";
    const char* const big = "would be 16,384 bytes, but the game's console runs at most 16,383 bytes";
    const std::string longest(251, 'n');  // with ".cfg" the 255 bytes a file name may have
    for (const row& c :
         std::vector<row>{{0, none, {}, {"Missing Information"}, "A file needs a name...", false, "", ""},
                          {16383, none, {}, {saved}, "", true},
                          {0, oldFile, {A::Yes}, {exists, saved}, replace, true},
                          {0, oldFile, {A::No}, {exists}, replace, false, "test", ""},
                          {0, outIsAFile, {}, {"Save Failed"}, "test.cfg", false},
                          {0, none, {}, {saved}, "", true, longest, longest, 1},
                          {0, none, {}, {saved}, "", true, "test", "test", 2},
                          {16384, none, {A::Yes}, {large, saved}, big, true},
                          {16384, none, {A::No}, {large}, big, false}}) {
        SCOPED_TRACE(c.titles.back() + " " + std::to_string(c.size));
        saveDialog s;
        const std::string out = s.p.programFolder() + "/OutputCfgFiles", cfg = out + "/" + c.typed + ".cfg";
        if (c.size) s.padTo(c.size);
        ASSERT_TRUE(!c.size || s.contents().size() == c.size);
        if (c.arrange == oldFile && fs::create_directories(out)) std::ofstream(cfg) << std::string(5000, 'x');
        if (c.arrange == outIsAFile) std::ofstream(out) << "x";
        const auto state = [&] {
            return std::tuple{fs::exists(out) ? fs::last_write_time(out) : fs::file_time_type{}, fs::exists(cfg),
                              scratchFolder::read(cfg), s.p.settings.values, s.p.fileBrowser.opened};
        };
        const auto was = state();
        s.p.messages.answers.assign(c.answers.begin(), c.answers.end());
        s.name->setText(QString::fromStdString(c.typed));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&s.dlg));
        if (c.enter) s.name->setFocus();
        QTest::keyClick(s.dlg.focusWidget(), c.enter == 2 ? Qt::Key_Enter : Qt::Key_Return,
                        c.enter == 2 ? Qt::KeypadModifier : Qt::NoModifier);
        std::vector<std::string> titles;
        for (const auto& m : s.p.messages.log) titles.push_back(m.title);
        ASSERT_EQ(titles, c.titles);
        EXPECT_NE(s.p.messages.log[0].text.find(c.text), std::string::npos) << s.p.messages.log[0].text;
        for (const auto& m : s.p.messages.log) {
            EXPECT_TRUE(m.buttons == msgButtons::Ok || m.defaultAnswer == msgAnswer::No) << m.title;
            const std::size_t named = m.text.find(cfg);
            EXPECT_TRUE(m.title != "Save Failed" ||
                        (named != std::string::npos && m.text.find(cfg, named + 1) == std::string::npos))
                << m.text;
        }
        EXPECT_EQ(std::pair(s.dlg.isVisible(), s.p.exit.ends), std::pair(!c.saved, c.saved ? 1 : 0));
        if (c.saved) {
            EXPECT_EQ(scratchFolder::read(cfg), s.contents(c.typed));
            EXPECT_EQ(s.p.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"], "Greek");
            EXPECT_NE(s.p.messages.log.back().text.find("type: 'exec " + c.typed + ".cfg' to set all your binds."),
                      std::string::npos);
        } else {
            EXPECT_TRUE(state() == was);
            EXPECT_EQ(s.name->text().toStdString(), c.nameAfter);
        }
    }
}

// A name holds letters and digits only, typed or pasted, so a pasted "../x" cannot put the file outside the output
// folder; Delete as X11 sends it, with the text "\x7f", deletes.
TEST(frmSaveToFile, takesLettersAndDigitsOnly) {
    saveDialog s;
    QTest::keyClicks(s.name, "my b.-ind9");
    QTest::keyClick(s.name, Qt::Key_Backspace);
    EXPECT_EQ(s.name->text(), "mybind");
    EXPECT_EQ(s.p.beep.count, 3);
    QTest::keyClick(s.name, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, s.name, Qt::Key_Delete, QStringLiteral("\x7f"), {});
    EXPECT_EQ(s.name->text(), "ybind");
    QApplication::clipboard()->setText("../x y");
    s.name->paste();
    EXPECT_EQ(s.name->text(), "xyybind");
    EXPECT_EQ(s.p.beep.count, 4);
}

}  // namespace
