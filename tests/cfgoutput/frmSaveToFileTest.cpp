#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <optional>

#include "cfgoutput/frmSaveToFile.h"
#include "shell/twips.h"
#include "support/fakePlatform.h"

namespace {

const std::string settingsEntry = "Brenvolt Beta 0.98/ColorSettings/ColorStyle";

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Records, for every message shown, whether the style had been stored yet.
struct orderWatchingMessages : IMessageBox {
    fakeMessages& inner;
    fakeSettings& settings;
    std::vector<bool> styleStoredBefore;
    orderWatchingMessages(fakeMessages& m, fakeSettings& s) : inner(m), settings(s) {}
    msgAnswer show(const std::string& title, const std::string& text, msgIcon icon, msgButtons buttons) override {
        styleStoredBefore.push_back(settings.values.count(settingsEntry) > 0);
        return inner.show(title, text, icon, buttons);
    }
};

// The save dialog over a stand-in construction screen, with binds on F1
// (public chat "hi" in Red and Blue) and R (a radio command).
class saveDialog : public testing::Test {
protected:
    fakePlatform p;
    orderWatchingMessages watched{p.messages, p.settings};
    platformServices services{p.settings, watched, p.beep, p.fileBrowser, p.folder, p.exit};
    clsAppContext ctx{services};
    QMainWindow construct;
    std::unique_ptr<frmSaveToFile> dlg;

    void SetUp() override {
        const std::string defs = p.programFolder() + "/defs.txt";
        writeBytes(defs, "key:F1\r\nkey:R\r\ncolor:Red<>1\r\ncolor:Blue<>4\r\nradio:Sniper<>vsay_team sniper\r\n");
        ASSERT_TRUE(ctx.builder.read_info(defs));
        ctx.builder.add_code("F1", "hi", "say", {"1", "4"}, 2, " 1", false);
        ctx.builder.add_radio_code("R", "vsay_team sniper", "Sniper");
        ctx.colorStyles.registerStandardStyles();
        ctx.currentColorStyle = "Greek";
        ctx.clock = [] { return clsDateTime{2026, 7, 4, 9, 5, 3}; };
        construct.setObjectName("frmConstruct");
        dlg = std::make_unique<frmSaveToFile>(ctx, &construct);
        dlg->show();
    }

    QLineEdit* txtFilename() { return dlg->findChild<QLineEdit*>("txtFilename"); }
    QPushButton* cmdSave() { return dlg->findChild<QPushButton*>("cmdSave"); }
    QPushButton* cmdBack() { return dlg->findChild<QPushButton*>("cmdBack"); }
    std::string outputFolder() const { return p.programFolder() + "/OutputCfgFiles"; }
    std::string cfgPath(const std::string& name) const { return outputFolder() + "/" + name; }
    std::vector<std::string> titles() const {
        std::vector<std::string> t;
        for (const auto& m : p.messages.log) t.push_back(m.title);
        return t;
    }
    void saveAs(const std::string& name) {
        txtFilename()->setText(QString::fromStdString(name));
        cmdSave()->click();
    }
    // Pads the radio bind on R so that the whole file is `size` bytes.
    void growFileTo(std::size_t size, const std::string& fileName) {
        const std::size_t now = clsCfgFile::contents(ctx.builder, fileName, ctx.clock()).size();
        const std::size_t others = now - std::string("bind R vsay_team sniper\r\n").size();
        const std::size_t lineWithoutPadding = std::string("bind R vsay_team \r\n").size();
        ctx.builder.add_radio_code("R", "vsay_team " + std::string(size - others - lineWithoutPadding, 'x'), "Long");
        ASSERT_EQ(clsCfgFile::contents(ctx.builder, fileName, ctx.clock()).size(), size);
    }
};

const std::string expectedTestCfg =
    "// Description: Cfg file with text/radio binds for Soldier of Fortune 2\r\n"
    "// Created with: Brenvolt Beta 0.98\r\n"
    "// Creation Date: 07-04-2026\r\n"
    "// Creation Time: 09:05:03\r\n"
    "// Info: Place this file in the program files\\sof2\\base\\mp folder and in console type: 'exec test.cfg'\r\n"
    "//\r\n"
    "// Thanx for using my program,\r\n"
    "// Tarvelin\r\n"
    "\r\n"
    "bind F1 say ^1h^4i\r\n"
    "bind R vsay_team sniper\r\n";

}  // namespace

TEST_F(saveDialog, opensEmptyWithTheFocusOnSaveAndQuit) {
    EXPECT_TRUE(txtFilename()->text().isEmpty());
    EXPECT_EQ(dlg->focusWidget(), cmdSave());
    EXPECT_EQ(cmdSave()->nextInFocusChain(), cmdBack());
    EXPECT_EQ(cmdBack()->nextInFocusChain(), txtFilename());
}

// The platform's font may be wider than the design's: no caption is cut.
TEST_F(saveDialog, everyCaptionFitsItsControl) {
    for (QWidget* w : std::initializer_list<QWidget*>{cmdSave(), cmdBack()}) {
        const auto* b = static_cast<QPushButton*>(w);
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width() - 12) << b->text().toStdString();
    }
    const auto* label = dlg->findChild<QLabel*>("lblFilename");
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
}

TEST_F(saveDialog, enterAtOnceAsksForANameAndWritesNothing) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    QTest::keyClick(dlg->focusWidget(), Qt::Key_Return);
    ASSERT_EQ(p.messages.log.size(), 1u);
    EXPECT_EQ(p.messages.log[0].title, "Missing Information");
    EXPECT_EQ(p.messages.log[0].text, "A file needs a name...");
    EXPECT_EQ(p.messages.log[0].icon, msgIcon::Exclamation);
    EXPECT_EQ(p.messages.log[0].buttons, msgButtons::Ok);
    EXPECT_FALSE(QDir(QString::fromStdString(outputFolder())).exists());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(p.exit.ends, 0);
}

TEST_F(saveDialog, aNewFileIsWrittenReportedStoredOpenedAndTheProgramEnds) {
    saveAs("test");
    EXPECT_EQ(readBytes(cfgPath("test.cfg")), expectedTestCfg);
    ASSERT_EQ(titles(), std::vector<std::string>{"File Saved!"});
    EXPECT_EQ(p.messages.log[0].text,
              "Your file is done and can be found at: " + outputFolder() +
                  "\r\nCopy this file to the Soldier Of Fortune 2\\base\\mp folder.\r\n"
                  "In the game open console with the '~' button and type: 'exec test.cfg' to set all your binds.");
    EXPECT_EQ(p.messages.log[0].icon, msgIcon::Information);
    EXPECT_FALSE(watched.styleStoredBefore[0]);  // the message comes before the style is stored
    EXPECT_EQ(p.settings.values[settingsEntry], "Greek");
    EXPECT_EQ(p.fileBrowser.opened, std::vector<std::string>{outputFolder() + "/"});
    EXPECT_EQ(p.exit.ends, 1);
    EXPECT_FALSE(dlg->isVisible());
}

struct replaceCase {
    const char* name;
    msgAnswer answer;
    bool replaced;
    friend void PrintTo(const replaceCase& c, std::ostream* os) { *os << c.name; }
};

class replaceQuestion : public saveDialog, public testing::WithParamInterface<replaceCase> {};

TEST_P(replaceQuestion, onlyYesReplacesTheWholeFile) {
    const replaceCase c = GetParam();
    QDir().mkpath(QString::fromStdString(outputFolder()));
    const std::string old = "an older and much longer file\r\n" + std::string(5000, 'x');
    writeBytes(cfgPath("test.cfg"), old);
    p.messages.answers = {c.answer};
    saveAs("test");

    ASSERT_GE(p.messages.log.size(), 1u);
    EXPECT_EQ(p.messages.log[0].title, "File Already Exists!");
    EXPECT_EQ(p.messages.log[0].text, "Do you want to replace the file test.cfg?");
    EXPECT_EQ(p.messages.log[0].icon, msgIcon::Question);
    EXPECT_EQ(p.messages.log[0].buttons, msgButtons::YesNo);
    if (c.replaced) {
        EXPECT_EQ(titles(), (std::vector<std::string>{"File Already Exists!", "File Saved!"}));
        EXPECT_TRUE(watched.styleStoredBefore[1]);  // stored before the message on this path
        EXPECT_EQ(readBytes(cfgPath("test.cfg")), expectedTestCfg);
        EXPECT_EQ(p.exit.ends, 1);
    } else {
        EXPECT_EQ(p.messages.log.size(), 1u);
        EXPECT_EQ(readBytes(cfgPath("test.cfg")), old);
        EXPECT_TRUE(txtFilename()->text().isEmpty());
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_TRUE(p.settings.values.empty());
        EXPECT_EQ(p.exit.ends, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(saveDialog, replaceQuestion,
                         testing::Values(replaceCase{"yes", msgAnswer::Yes, true},
                                         replaceCase{"no", msgAnswer::No, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A failed write tells why and changes nothing: the dialog stays, nothing is
// stored, the program goes on.
struct failureCase {
    const char* name;
    void (*arrange)(const std::string& outputFolder);
    std::vector<msgAnswer> answers;
    std::vector<std::string> titles;
    friend void PrintTo(const failureCase& c, std::ostream* os) { *os << c.name; }
};

class writeFailure : public saveDialog, public testing::WithParamInterface<failureCase> {};

TEST_P(writeFailure, isReportedAndEndsNothing) {
    const failureCase c = GetParam();
    c.arrange(outputFolder());
    const QDateTime before = QFileInfo(QString::fromStdString(outputFolder())).lastModified();
    p.messages.answers.assign(c.answers.begin(), c.answers.end());
    saveAs("test");

    EXPECT_EQ(titles(), c.titles);
    const auto& failed = p.messages.log.back();
    EXPECT_EQ(failed.icon, msgIcon::Exclamation);
    EXPECT_NE(failed.text.find("test.cfg"), std::string::npos) << failed.text;
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(txtFilename()->text(), "test");
    EXPECT_TRUE(p.settings.values.empty());
    EXPECT_TRUE(p.fileBrowser.opened.empty());
    EXPECT_EQ(p.exit.ends, 0);
    EXPECT_EQ(QFileInfo(QString::fromStdString(outputFolder())).lastModified(), before);
}

INSTANTIATE_TEST_SUITE_P(saveDialog, writeFailure,
                         testing::Values(failureCase{"outputFolderIsAFile",
                                                     [](const std::string& out) { writeBytes(out, "in the way"); },
                                                     {},
                                                     {"Save Failed"}},
                                         failureCase{"targetIsAFolder",
                                                     [](const std::string& out) {
                                                         QDir().mkpath(QString::fromStdString(out + "/test.cfg"));
                                                     },
                                                     {msgAnswer::Yes},
                                                     {"File Already Exists!", "Save Failed"}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The game's console does not run a file that does not fit its command
// buffer together with the line end it adds.
struct sizeCase {
    const char* name;
    std::size_t size;
    std::optional<msgAnswer> answer;  // none: no question is asked
    bool written;
    friend void PrintTo(const sizeCase& c, std::ostream* os) { *os << c.name; }
};

class sizeWarning : public saveDialog, public testing::WithParamInterface<sizeCase> {};

TEST_P(sizeWarning, asksOnlyAboveTheLimitAndOnlyYesWrites) {
    const sizeCase c = GetParam();
    growFileTo(c.size, "big.cfg");
    if (c.answer) p.messages.answers = {*c.answer};
    saveAs("big");

    std::vector<std::string> expected;
    if (c.answer) expected.push_back("File Too Large");
    if (c.written) expected.push_back("File Saved!");
    ASSERT_EQ(titles(), expected);
    if (c.answer) {
        const auto& question = p.messages.log[0];
        EXPECT_EQ(question.buttons, msgButtons::YesNo);
        EXPECT_NE(question.text.find("would be " + std::string(c.size == 16384 ? "16,384" : "20,000") + " bytes"),
                  std::string::npos)
            << question.text;
        EXPECT_NE(question.text.find("16,383"), std::string::npos) << question.text;
    }
    EXPECT_EQ(QFileInfo::exists(QString::fromStdString(cfgPath("big.cfg"))), c.written);
    if (c.written) {
        EXPECT_EQ(readBytes(cfgPath("big.cfg")).size(), c.size);
    }
    EXPECT_EQ(p.exit.ends, c.written ? 1 : 0);
    EXPECT_EQ(dlg->isVisible(), !c.written);
    if (!c.written) {
        EXPECT_EQ(txtFilename()->text(), "big");
    }
}

INSTANTIATE_TEST_SUITE_P(saveDialog, sizeWarning,
                         testing::Values(sizeCase{"fits", 16383, std::nullopt, true},
                                         sizeCase{"oneByteOverYes", 16384, msgAnswer::Yes, true},
                                         sizeCase{"oneByteOverNo", 16384, msgAnswer::No, false},
                                         sizeCase{"farOverNo", 20000, msgAnswer::No, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(saveDialog, aTooLargeFileAnsweredNoAfterReplaceYesLeavesTheOldFile) {
    QDir().mkpath(QString::fromStdString(outputFolder()));
    writeBytes(cfgPath("big.cfg"), "old");
    growFileTo(17000, "big.cfg");
    p.messages.answers = {msgAnswer::Yes, msgAnswer::No};
    saveAs("big");
    EXPECT_EQ(titles(), (std::vector<std::string>{"File Already Exists!", "File Too Large"}));
    EXPECT_EQ(readBytes(cfgPath("big.cfg")), "old");
    EXPECT_TRUE(dlg->isVisible());
}

// Back, the close box and Escape all return to the construction screen.
TEST_F(saveDialog, everyWayBackShowsTheConstructionScreenAndWritesNothing) {
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"Back", [&] { cmdBack()->click(); }},
        {"close box", [&] { dlg->close(); }},
        {"Escape", [&] { QTest::keyClick(dlg.get(), Qt::Key_Escape); }},
    };
    for (const auto& [name, act] : ways) {
        SCOPED_TRACE(name);
        construct.hide();
        dlg->show();
        txtFilename()->setText("test");
        act();
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_TRUE(construct.isVisible());
    }
    EXPECT_TRUE(p.messages.log.empty());
    EXPECT_FALSE(QDir(QString::fromStdString(outputFolder())).exists());
    EXPECT_EQ(p.exit.ends, 0);
}

struct typedCase {
    const char* name;
    const char* typed;  // \b is backspace
    const char* text;
    int beeps;
    friend void PrintTo(const typedCase& c, std::ostream* os) { *os << c.name; }
};

class nameFilterTyped : public saveDialog, public testing::WithParamInterface<typedCase> {};

TEST_P(nameFilterTyped, letsOnlyLettersDigitsAndBackspaceThrough) {
    const typedCase c = GetParam();
    txtFilename()->setFocus();
    for (const char* ch = c.typed; *ch; ++ch) {
        if (*ch == '\b')
            QTest::keyClick(txtFilename(), Qt::Key_Backspace);
        else
            QTest::keyClicks(txtFilename(), QString(QChar(*ch)));
    }
    EXPECT_EQ(txtFilename()->text().toStdString(), c.text);
    EXPECT_EQ(p.beep.count, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(saveDialog, nameFilterTyped,
                         testing::Values(typedCase{"lettersAndDigits", "Test09z", "Test09z", 0},
                                         typedCase{"dotHyphenBlank", "a.b-c d", "abcd", 3},
                                         typedCase{"separators", "a/b\\c", "abc", 2},
                                         typedCase{"backspace", "abc\b\bd", "ad", 0},
                                         typedCase{"punctuation", "x^~_%*?", "x", 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(saveDialog, pastedNamesLoseEveryRefusedCharacter) {
    const std::vector<std::pair<QString, QString>> cases = {{"my.binds", "mybinds"},
                                                            {"../up/there", "upthere"},
                                                            {"C:\\x\\y.cfg", "Cxycfg"},
                                                            {"ok123", "ok123"},
                                                            {QString::fromUtf8("caf\xc3\xa9 d"), "cafd"}};
    for (const auto& [pasted, kept] : cases) {
        SCOPED_TRACE(pasted.toStdString());
        txtFilename()->clear();
        QApplication::clipboard()->setText(pasted);
        txtFilename()->paste();
        EXPECT_EQ(txtFilename()->text(), kept);
    }
}

TEST_F(saveDialog, aPastedNameWithASeparatorStillLandsInTheOutputFolder) {
    QApplication::clipboard()->setText("../escaped");
    txtFilename()->paste();
    cmdSave()->click();
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(cfgPath("escaped.cfg"))));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(p.programFolder() + "/escaped.cfg")));
}
