// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The construction screen's text frame: pieces, missing input, undo and the filters of its text boxes.
#include <QTest>

#include "model/console/clsBindLine.h"
#include "model/input/clsInputHandler.h"
#include "ui/construction/frmConstructTest.h"

namespace {

// Missing input (told in the order text, switch, colours) and a piece the game would misread are refused with the
// reason (for a misread piece the builder's); the typed text and the bind stay as they were.
TEST(frmConstructText, refusesAPieceWithTheReasonAndKeepsTheText) {
    const auto refused = [](clsLineVerdict v) {
        const clsRefusal r = clsBindLine::refusal(v, false);
        return r.title + ": " + r.text + " (!) [OK]\n";
    };
    const std::string noText = "Missing Information: You have to fill in some text";
    for (const auto& [steps, text, message, output] :
         std::vector<std::tuple<const char*, QString, std::string, const char*>>{
             {"Colors:2", "", noText, ""},
             {"Colors:2 Color0:Red Color1:Blue Switch:1", "   ", noText, ""},
             {"Colors:2", "hi", "Missing Information: You have to fill in how many characters", ""},
             {"Colors:2 Color0:Red Switch:4", "hi",
              "Missing Information: Oops! You forgot to fill in one or more colors", ""},
             // "bind F1 say ^1hi^1aaa..." 1,024 bytes
             {"Colors:1 Switch:1 Color0:Red +hi", QString(1006, 'a'), refused(clsLineVerdict::tooLong), "^1hi"}}) {
        SCOPED_TRACE(steps);
        constructScreen s;
        s.run(sayF1 + steps);
        s.addText(text);
        EXPECT_TRUE(s.asked().starts_with(message)) << s.asked();
        EXPECT_TRUE(s.fake.messages.log.size() == 1) << s.asked();
        EXPECT_EQ(s.text("txtText"), text);
        EXPECT_EQ(s.text("txtOutput"), output);
        EXPECT_EQ(s.ctx.builder.get_bindcode("F1"), *output ? output : notBound);
    }
}

// Pieces start the pattern afresh and go to the back or the front; Undo removes the piece at the back end.
// Decided: the kind stays after Undo and Done while pieces remain; undoing the last piece (or nothing) unbinds.
TEST(frmConstructText, piecesGoToEitherEndAndUndoRemovesTheOneAtTheBack) {
    constructScreen s;
    s.run(sayF1 + "Colors:2 Color0:Red Color1:Blue Switch:1");
    s.addText("hi you");
    EXPECT_EQ(s.text("txtText"), "");
    s.run("+!! chkAddToFront +ab");
    EXPECT_EQ(s.text("txtOutput"), "^1a^4b^1h^4i ^1y^4o^1u^1!^4!");
    s.run("cmdTextUndo cmdTextDone");
    EXPECT_EQ(s.text("txtKind") + "|" + s.text("txtDesc") + "|" + s.text("txtOutput"), "say|abhi you|");
    EXPECT_TRUE(s.get<QCheckBox>("chkAddToFront")->isChecked());  // the check stays
    s.run("cmdContinue Colors:1 cmdTextUndo cmdTextUndo");
    EXPECT_EQ(s.text("txtOutput"), notBound);
    s.run("cmdTextUndo cmdTextDone");
    EXPECT_EQ(s.text("txtKind"), notBound);
}

// What the line takes, beeps, and the line over it that names what was removed and why (the model's wording, its
// tool tip holds it whole); the next character taken clears it.
TEST(frmConstructText, theTextLineTakesOnlyWhatTheConsoleCanSayAndSaysWhatItRemoved) {
    // Pasted or typed; before; input; after; the beeps (for a paste only whether it beeped counts); what was removed.
    for (const auto& [paste, before, input, after, beeps, removed] :
         std::vector<std::tuple<bool, const char*, const char*, const char*, int, std::u32string>>{
             {false, "a", "^\"#%b", "ab", 4, U""},
             {false, "http:", "//", "http:/", 1, U"/"},
             {false, "abc", "\r", "abc", 1, U"\r"},
             {false, "abc", "\r\b", "ab", 1, U""},
             {false, "abc", "\x01\x7f", "bc", 0, U""},  // Home, then Delete as X11 sends it (text "\x7f")
             {true, "", ";;;say \"hi\" ^7// /*x*/\xc3\xa9", "say hi / /x*/", 1, U";;;\"\"^7/*\u00e9"},
             {true, "a/", "/b", "a/b", 1, U"/"}}) {
        SCOPED_TRACE(input);
        constructScreen s;
        s.run(sayF1);
        QLineEdit* t = s.get<QLineEdit>("txtText");
        t->setText(before);
        QApplication::clipboard()->setText(QString::fromUtf8(input));
        if (paste) t->paste();
        for (const QChar ch : paste ? QString() : QString::fromUtf8(input)) {
            const int key = ch == '\r'     ? +Qt::Key_Return
                            : ch == '\b'   ? +Qt::Key_Backspace
                            : ch == '\x7f' ? +Qt::Key_Delete
                            : ch == '\x01' ? +Qt::Key_Home
                                           : ch.toUpper().unicode();
            QTest::sendKeyEvent(QTest::Click, t, Qt::Key(ch.unicode() < 128 ? key : Qt::Key_unknown),
                                ch == '\x01' ? QString() : QString(ch), {});
        }
        EXPECT_EQ(t->text(), after);
        EXPECT_EQ(paste ? std::min(s.fake.beep.count, 1) : s.fake.beep.count, beeps);
        QLabel* refused = s.get<QLabel>("lblRefused");
        EXPECT_EQ(refused->toolTip().toStdString(), clsInputHandler::refusalLine(removed));
        EXPECT_EQ(refused->text().isEmpty(), removed.empty());
        EXPECT_LE(refused->fontMetrics().horizontalAdvance(refused->text()), refused->width());
        EXPECT_TRUE(s.fake.messages.log.empty());
    }
}

// After Add (done or refused), Undo and Add OSP the cursor is back in the text line, whichever button had it;
// Done and Cancel (by button or Escape) leave the key list with the focus, where the next bind starts.
TEST(frmConstructText, theFocusGoesWhereTheNextStepStarts) {
    for (const std::string row : {"enter@cmdTextAdd>txtText", "+ enter@cmdTextAdd>txtText", "enter@cmdTextUndo>txtText",
                                  "enter@cmdTextOsp>txtText", "enter@cmdTextDone>cboKeys", "yes esc>cboKeys"}) {
        const std::string steps = row.substr(0, row.find('>')), focus = row.substr(row.find('>') + 1);
        SCOPED_TRACE(steps);
        constructScreen s;
        s.run(sayF1 + "Colors:1 Color0:Red Switch:1");
        s.get<QLineEdit>("txtText")->setText("hi");
        // The OSP dialog, left alone; armed only for the step that opens it, so that no handler outlives the test.
        if (steps.find("Osp") != std::string::npos) onModal([](QWidget*) {});
        s.run(steps);
        EXPECT_EQ(s.form->focusWidget(), s.get(focus.c_str()));
    }
}

// Each colour carries a swatch of its game colour, (code - '0') & 7; a code that is not one digit has none.
// What is picked and written stays the colour's code.
TEST(frmConstructText, colourListsShowTheGameColourOfEachEntry) {
    constructScreen s;
    s.run(sayF1 + "Colors:8");
    QComboBox* list = s.get<QComboBox>("cboColor7");  // the last row, filled like the first
    for (const auto& [name, colour] :
         {std::pair{"Red", "#ff0000"}, {"Nine", "#ff0000"}, {"Slash", ""}, {"Twelve", ""}}) {  // "" for none
        const QIcon icon = list->itemIcon(list->findText(name));
        EXPECT_EQ(icon.isNull() ? QString() : icon.pixmap(12, 12).toImage().pixelColor(6, 6).name(), colour) << name;
    }
    s.run("Colors:2 Color0:Nine Color1:Blue Switch:1 +ab");
    EXPECT_EQ(s.ctx.builder.get_bindcode("F1"), "^9a^4b");
}

// The program writes these boxes; the user changes them in no way, and typed keys are dropped without a beep.
TEST(frmConstructText, theKindDescriptionAndOutputBoxesRefuseTypingDeletingCuttingAndPasting) {
    constructScreen s;
    s.run(sayF1 + "Colors:1 Color0:Red Switch:1 +hi");
    for (const char* name : {"txtKind", "txtDesc", "txtOutput"}) {
        QLineEdit* box = s.get<QLineEdit>(name);
        box->setText("shown");
        box->setCursorPosition(0);
        QTest::keyClicks(box, "typed^");
        QApplication::clipboard()->setText("pasted");
        for (const char* keys : {"Del", "Backspace", "Ctrl+A", "Ctrl+X", "Ctrl+V", "Shift+Ins"})
            QTest::keySequence(box, QKeySequence(keys));
        EXPECT_EQ(box->text().toStdString() + std::to_string(s.fake.beep.count), "shown0") << name;
    }
}

}  // namespace
