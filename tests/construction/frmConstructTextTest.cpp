// The construction screen's text frame: pieces, pattern, undo, the window
// height per colour count and the filters of its text boxes.
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <memory>
#include <QTest>

#include "construction/frmConstructTest.h"
#include "shell/twips.h"

namespace {

// ---- Adding pieces ---------------------------------------------------------------

struct pieceCase {
    const char* name;
    bool secondToFront;
    const char* output;
    const char* description;
};

class frmConstructPieces : public testing::TestWithParam<pieceCase> {};

// "hello world", then "!!", with Red (1) and Blue (4) switching every character.
TEST_P(frmConstructPieces, colourEachPieceFromThePatternStartAndGoToFrontOrBack) {
    const pieceCase& c = GetParam();
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    s.pattern({"Red", "Blue"}, 1);
    s.addText("hello world");
    EXPECT_EQ(s.text("txtText"), "");
    EXPECT_EQ(s.text("txtOutput"), "^1h^4e^1l^4l^1o ^4w^1o^4r^1l^4d");
    if (c.secondToFront) s.click("chkAddToFront");
    s.addText("!!");
    EXPECT_EQ(s.text("txtOutput"), c.output);
    s.click("cmdTextDone");
    EXPECT_EQ(s.text("txtKind"), "say");
    EXPECT_EQ(s.text("txtDesc"), c.description);
    // The check survives the reset.
    EXPECT_EQ(s.get<QCheckBox>("chkAddToFront")->isChecked(), c.secondToFront);
}

INSTANTIATE_TEST_SUITE_P(
    workedExample, frmConstructPieces,
    testing::Values(pieceCase{"back", false, "^1h^4e^1l^4l^1o ^4w^1o^4r^1l^4d^1!^4!", "hello world!!"},
                    pieceCase{"front", true, "^1!^4!^1h^4e^1l^4l^1o ^4w^1o^4r^1l^4d", "!!hello world"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(frmConstructText, spacesAroundAnAcceptedTextAreKept) {
    constructScreen s;
    s.startBind("F2", "optTeamBind");
    s.pattern({"Green"}, 3);
    s.addText(" hi ");
    EXPECT_EQ(s.ctx.builder.get_bindcode("F2"), "^2 hi ");
    EXPECT_EQ(s.ctx.builder.get_binddesc("F2"), " hi ");
    EXPECT_EQ(s.ctx.builder.get_bindKind("F2"), "say_team");
}

TEST(frmConstructText, aSmallerCountUsesTheFirstRowsAndHiddenPicksComeBack) {
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    s.pattern({"Red", "Blue", "Green"}, 1);
    s.pick("cboColors", " 2");
    EXPECT_FALSE(s.get("cboColor2")->isVisible());
    s.addText("abc");
    EXPECT_EQ(s.text("txtOutput"), "^1a^4b^1c");
    s.pick("cboColors", " 3");
    EXPECT_TRUE(s.get("cboColor2")->isVisible());
    EXPECT_EQ(s.combo("cboColor2")->currentText(), "Green");
    // The pattern stays picked after Add.
    s.addText("abc");
    EXPECT_EQ(s.text("txtOutput"), "^1a^4b^1c^1a^4b^2c");
}

struct missingCase {
    const char* name;
    const char* text;
    int count;
    const char* colors[2];                      // picks of the first rows (nullptr: none)
    int switchLength;                           // 0: none picked
    const char* message;
};

const char* const noText = "You have to fill in some text to be added to the bind!";
const char* const noSwitch =
    "You have to fill in how many characters the pattern will be until the color changes again!";
const char* const noColor =
    "Oops! You forgot to fill in one or more colors!\r\n"
    "If you want to use less colors then change the amount of colors in pattern!";

class frmConstructMissing : public testing::TestWithParam<missingCase> {};

TEST_P(frmConstructMissing, tellsTheFirstMissingInputAndChangesNothing) {
    const missingCase& c = GetParam();
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    s.pick("cboColors", " " + QString::number(c.count));
    int row = 0;
    for (const char* color : c.colors)
        if (color) s.pick(("cboColor" + std::to_string(row++)).c_str(), color);
    if (c.switchLength) s.pick("cboSwitch", " " + QString::number(c.switchLength));
    s.addText(c.text);
    ASSERT_EQ(s.fake.messages.log.size(), 1u);
    EXPECT_EQ(s.lastMessage().title, "Missing Information");
    EXPECT_EQ(s.lastMessage().text, c.message);
    EXPECT_EQ(s.lastMessage().icon, msgIcon::Exclamation);
    EXPECT_EQ(s.lastMessage().buttons, msgButtons::Ok);
    EXPECT_EQ(s.text("txtText"), c.text);
    EXPECT_EQ(s.text("txtOutput"), "");
    EXPECT_EQ(s.ctx.builder.get_bindKind("F1"), notBound);
}

INSTANTIATE_TEST_SUITE_P(
    order, frmConstructMissing,
    testing::Values(missingCase{"emptyTextFirst", "", 2, {}, 0, noText},
                    missingCase{"onlySpacesWithAFullPattern", "   ", 2, {"Red", "Blue"}, 1, noText},
                    missingCase{"switchBeforeColours", "hi", 2, {}, 0, noSwitch},
                    missingCase{"switchNeededWithOneColour", "hi", 1, {"Red"}, 0, noSwitch},
                    missingCase{"oneColourOfTwoMissing", "hi", 2, {"Red"}, 4, noColor},
                    missingCase{"noColourPicked", "hi", 1, {}, 1, noColor}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Undo ----------------------------------------------------------------------

TEST(frmConstructText, undoRemovesThePieceAtTheEndAndTheBindStaysBoundWhilePiecesRemain) {
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    s.pattern({"Red"}, 1);
    s.addText("ab");
    s.click("chkAddToFront");
    s.addText("cd");  // in front
    EXPECT_EQ(s.text("txtOutput"), "^1cd^1ab");
    s.click("cmdTextUndo");
    EXPECT_EQ(s.text("txtOutput"), "^1cd");
    s.click("cmdTextDone");
    EXPECT_EQ(s.text("txtKind"), "say");
    EXPECT_EQ(s.text("txtDesc"), "cd");
    EXPECT_EQ(s.ctx.builder.get_bindKind("F1"), "say");
}

TEST(frmConstructText, undoOfTheOnlyPieceOrOfNothingLeavesTheKeyNotBound) {
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    s.pick("cboColors", " 1");
    s.click("cmdTextUndo");
    EXPECT_EQ(s.text("txtOutput"), notBound);
    s.pattern({"Red"}, 1);
    s.addText("x");
    s.click("cmdTextUndo");
    EXPECT_EQ(s.text("txtOutput"), notBound);
    s.click("cmdTextUndo");
    EXPECT_EQ(s.text("txtOutput"), notBound);
    s.click("cmdTextDone");
    EXPECT_EQ(s.text("txtKind"), notBound);
}

// ---- Window height per colour count -----------------------------------------

struct heightCase {
    int count;
    int windowTwips;  // as the original platform counts it
    int outputTop;    // top of txtOutput in the frame
};

class frmConstructHeights : public testing::TestWithParam<heightCase> {};

TEST_P(frmConstructHeights, windowAndFrameGrowWithTheColourRows) {
    const heightCase& c = GetParam();
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    s.pick("cboColors", " " + QString::number(c.count));
    EXPECT_EQ(s.clientHeight(), twips(c.windowTwips - 780));
    EXPECT_EQ(s.box("txtOutput")->geometry(), twipsRect(1320, c.outputTop, 6375, 285));
    EXPECT_EQ(s.get("lblOutput")->geometry(), twipsRect(120, c.outputTop + 60, 1080, 195));
    const QRect frame = s.get("fraTextBind")->geometry();
    EXPECT_EQ(frame, twipsRect(240, 2205, 8895, c.outputTop + 285 + 150));
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(s.get(("cboColor" + std::to_string(k)).c_str())->isVisible(), k < c.count) << k;
}

INSTANTIATE_TEST_SUITE_P(counts, frmConstructHeights,
                         testing::Values(heightCase{1, 5435 + 525, 1845}, heightCase{3, 6365 + 525, 2775},
                                         heightCase{8, 8690 + 525, 5100}),
                         [](const auto& info) { return "colours" + std::to_string(info.param.count); });

// ---- Filters ---------------------------------------------------------------------

struct typedCase {
    const char* name;
    const char* before;  // already in the box (written, not typed)
    const char* typed;
    const char* after;
    int beeps;
};

class frmConstructTyping : public testing::TestWithParam<typedCase> {};

// Types each character as a key press (QTest's key clicks know only 7-bit characters).
void typeText(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        const int key = ch.unicode() < 128 ? ch.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

TEST_P(frmConstructTyping, theTextLineTakesOnlyWhatTheConsoleCanSay) {
    const typedCase& c = GetParam();
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    QLineEdit* t = s.box("txtText");
    t->setText(c.before);
    t->setCursorPosition(static_cast<int>(t->text().size()));
    typeText(t, QString::fromUtf8(c.typed));
    EXPECT_EQ(t->text(), c.after);
    EXPECT_EQ(s.fake.beep.count, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    typed, frmConstructTyping,
    testing::Values(typedCase{"lettersDigitsSpace", "", "Hi 42 you", "Hi 42 you", 0},
                    typedCase{"punctuation", "", "!@$)(&[{}]:?\\|~+=-_.,<>'`", "!@$)(&[{}]:?\\|~+=-_.,<>'`", 0},
                    typedCase{"caretQuoteHashPercent", "a", "^\"#%b", "ab", 4},
                    typedCase{"semicolon", "say", ";quit", "sayquit", 1},
                    typedCase{"doubleSlash", "http:", "//x", "http:/x", 1},
                    typedCase{"slashStar", "a", "/*b", "a/b", 1},
                    typedCase{"singleSlashAndStar", "", "a/b*c", "a/b*c", 0},
                    typedCase{"aboveSevenBit", "", "\xc3\xa9\xe2\x82\xac", "", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(frmConstructText, enterBeepsAndBackspaceDeletes) {
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    QLineEdit* t = s.box("txtText");
    QTest::keyClicks(t, "abc");
    QTest::keyClick(t, Qt::Key_Return);
    EXPECT_EQ(s.fake.beep.count, 1);
    QTest::keyClick(t, Qt::Key_Backspace);
    EXPECT_EQ(t->text(), "ab");
    EXPECT_EQ(s.fake.beep.count, 1);
    EXPECT_TRUE(s.fake.messages.log.empty());
}

struct pasteCase {
    const char* name;
    const char* before;
    const char* pasted;
    const char* after;
    bool beeps;
};

class frmConstructPaste : public testing::TestWithParam<pasteCase> {};

TEST_P(frmConstructPaste, pastedTextIsCleanedLikeTypedText) {
    const pasteCase& c = GetParam();
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    QLineEdit* t = s.box("txtText");
    t->setText(c.before);
    t->setCursorPosition(static_cast<int>(t->text().size()));
    QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
    t->paste();
    EXPECT_EQ(t->text(), c.after);
    EXPECT_EQ(s.fake.beep.count > 0, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(pasted, frmConstructPaste,
                         testing::Values(pasteCase{"clean", "", "hello world!", "hello world!", false},
                                         pasteCase{"caretAndQuotes", "", "^1red \"x\" 5%", "1red x 5", true},
                                         pasteCase{"commandSplit", "hi", "; quit", "hi quit", true},
                                         pasteCase{"commentAcrossTheJoin", "a/", "/b", "a/b", true},
                                         pasteCase{"lineBreaks", "", "one\r\ntwo\ttab", "onetwotab", true}),
                         [](const auto& info) { return std::string(info.param.name); });

void dropText(QLineEdit* box, const char* text) {
    QMimeData data;
    data.setText(QString::fromUtf8(text));
    const QPointF at(2, 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
}

TEST(frmConstructText, droppedTextIsCleanedLikeTypedText) {
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    QLineEdit* t = s.box("txtText");
    dropText(t, "say ^1hi; quit");
    EXPECT_EQ(t->text(), "say 1hi quit");
    EXPECT_GT(s.fake.beep.count, 0);
}

class frmConstructShownOnly : public testing::TestWithParam<const char*> {};

// The program writes these boxes; the user changes them in no way, and typed
// keys are dropped without a beep.
TEST_P(frmConstructShownOnly, refuseTypingDeletingCuttingPastingAndDropping) {
    constructScreen s;
    s.pick("cboKeys", "F1");
    s.startBind("F1", "optPublicBind");
    s.pattern({"Red"}, 1);
    s.addText("hi");
    QLineEdit* box = s.box(GetParam());
    box->setText("shown");
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClicks(box, "typed^");
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Backspace);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QApplication::clipboard()->setText("pasted");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    // The context menu offers only what leaves the text alone.
    std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    const QStringList changing{"edit-cut", "edit-paste", "edit-delete", "edit-undo", "edit-redo"};
    for (QAction* a : menu->actions()) {
        if (changing.contains(a->objectName())) {
            EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
        }
    }
    dropText(box, "dropped");
    EXPECT_EQ(box->text(), "shown");
    EXPECT_EQ(s.fake.beep.count, 0);
}

INSTANTIATE_TEST_SUITE_P(boxes, frmConstructShownOnly, testing::Values("txtKind", "txtDesc", "txtOutput"));

TEST(frmConstructText, theOspPickerTakesTheBindsKeyKindAndEndAndTheOutputIsRefreshed) {
    constructScreen s;
    s.startBind("F2", "optTeamBind");
    s.pattern({"Red"}, 1);
    s.addText("x");
    s.click("chkAddToFront");
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        timer.stop();
        auto* list = w->findChild<QComboBox*>("cboOsp");
        auto* ok = w->findChild<QPushButton*>("cmdOk");
        if (list && ok && list->count() > 0) {
            list->setCurrentIndex(0);
            emit list->activated(0);
            ok->click();
        } else {
            w->close();
        }
    });
    timer.start();
    s.click("cmdTextOsp");
    EXPECT_EQ(s.text("txtOutput"), "#h^1x");
    EXPECT_EQ(s.ctx.builder.get_bindKind("F2"), "say_team");
}

}  // namespace
