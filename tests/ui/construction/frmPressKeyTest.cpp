// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Press Key: the game's names for what the toolkit reports, and picking the pressed key in the key list.
#include <QTest>

#include "model/keys/clsKeyNames.h"
#include "ui/construction/frmConstructTest.h"

namespace {

// The names of the key codes from `from` to `to`, "()" for none.
std::string namesOf(int from, int to, bool keypad) {
    std::string out;
    for (int code = from; code <= to; ++code) {
        const std::string name = clsKeyNames::forKey(code, keypad);
        out += (name.empty() ? "()" : name) + (code < to ? " " : "");
    }
    return out;
}

// A character by the key it is on without Shift on a US keyboard (the console key has no name), the number pad by
// what its keys do with Num Lock off, F1 to F12 and the named keys.
TEST(clsKeyNames, namesKeysButtonsAndWheelAsTheGameDoes) {
    const std::string letters = "a b c d e f g h i j k l m n o p q r s t u v w x y z [ \\ ]";
    EXPECT_EQ(namesOf(' ', '~', false),
              "SPACE 1 ' 3 4 5 7 ' 9 0 8 = , - . / 0 1 2 3 4 5 6 7 8 9 SEMICOLON SEMICOLON , = . / 2 " + letters +
                  " 6 - () " + letters + " ()");
    EXPECT_EQ(
        namesOf('(', '=', true),
        "() () KP_STAR KP_PLUS KP_DEL KP_MINUS KP_DEL KP_SLASH KP_INS KP_END KP_DOWNARROW KP_PGDN KP_LEFTARROW KP_5 "
        "KP_RIGHTARROW KP_HOME KP_UPARROW KP_PGUP () () () KP_EQUALS");
    EXPECT_EQ(namesOf(Qt::Key_Escape, Qt::Key_PageDown, false),
              "ESCAPE TAB TAB BACKSPACE ENTER KP_ENTER INS DEL PAUSE () () () () () () () HOME END LEFTARROW UPARROW "
              "RIGHTARROW DOWNARROW PGUP PGDN");
    EXPECT_EQ(namesOf(Qt::Key_Escape, Qt::Key_PageDown, true),
              "ESCAPE TAB TAB BACKSPACE ENTER KP_ENTER KP_INS KP_DEL PAUSE () () KP_5 () () () () KP_HOME KP_END "
              "KP_LEFTARROW KP_UPARROW KP_RIGHTARROW KP_DOWNARROW KP_PGUP KP_PGDN");
    EXPECT_EQ(namesOf(Qt::Key_Shift, Qt::Key_NumLock, false), "SHIFT CTRL () ALT CAPSLOCK KP_NUMLOCK");
    EXPECT_EQ(namesOf(Qt::Key_F1 - 1, Qt::Key_F13, false), "() F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 ()");
    EXPECT_EQ(clsKeyNames::forKey(Qt::Key_AltGr, false) + clsKeyNames::forKey(Qt::Key_Adiaeresis, false), "ALT");
    for (const auto& [button, name] :
         {std::pair{Qt::LeftButton, "MOUSE1"}, {Qt::ForwardButton, "MOUSE5"}, {Qt::NoButton, ""}})
        EXPECT_EQ(clsKeyNames::forMouseButton(button), name) << name;
    EXPECT_EQ(clsKeyNames::forWheel(120) + clsKeyNames::forWheel(-15) + clsKeyNames::forWheel(0), "MWHEELUPMWHEELDOWN");
    for (const auto& [key, keypad, console] : {std::tuple{Qt::Key_QuoteLeft, false, true},
                                               {Qt::Key_AsciiTilde, false, true},
                                               {Qt::Key_QuoteLeft, true, false}})
        EXPECT_EQ(clsKeyNames::isConsoleKey(key, keypad), console) << std::hex << key;
}

void wheel(QWidget* area, int delta) {
    QWheelEvent step(QPointF(5, 5), area->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area, &step);
}

// What the player does over the capture area; the key the list then shows (F1 was shown before); how the one message
// starts.
TEST(frmPressKey, picksThePressedKeyInTheListOrSaysWhyNot) {
    for (const auto& [what, act, shown, message] :
         std::vector<std::tuple<const char*, std::function<void(QWidget*)>, QString, std::string>>{
             {"keypad /, listed in lower case",
              [](QWidget* a) { QTest::keyClick(a, Qt::Key_Slash, Qt::KeypadModifier); }, "kp_slash", ""},
             {"left button", [](QWidget* a) { QTest::mouseClick(a, Qt::LeftButton); }, "MOUSE1", ""},
             {"wheel up", [](QWidget* a) { wheel(a, 120); }, "F1",
              "Key Not Listed: The key MWHEELUP is not in the key"},
             {"Meta", [](QWidget* a) { QTest::keyClick(a, Qt::Key_Meta); }, "F1",
              "Key Not Known: The game has no name for the key Meta"},
             {"the console key", [](QWidget* a) { QTest::keyClick(a, Qt::Key_QuoteLeft); }, "F1",
              "Console Key: The key ` opens the game's console"},
             {"Escape", [](QWidget* a) { QTest::keyClick(a, Qt::Key_Escape); }, "F1", ""},
             {"Cancel", [](QWidget* a) { a->window()->findChild<QPushButton*>("cmdCancel")->click(); }, "F1", ""}}) {
        SCOPED_TRACE(what);
        constructScreen s;
        s.run("optPublicBind Keys:F1");
        bool captured = false;
        onModal([&, act = act](QWidget* dialog) {
            act(dialog->findChild<QWidget*>("fraCapture"));
            captured = dialog->objectName() == "frmPressKey" && !dialog->isVisible();  // closed by what was done
        });
        s.run("cmdPressKey");
        EXPECT_TRUE(captured);
        EXPECT_EQ(s.get<QComboBox>("cboKeys")->currentText(), shown);
        EXPECT_EQ(s.text("txtKind").toStdString(), notBound);
        EXPECT_TRUE(s.asked().starts_with(message)) << s.asked();
        EXPECT_TRUE(s.fake.messages.log.size() == !message.empty()) << s.asked();
        EXPECT_TRUE(!message.empty() || shown == "F1" || s.form->focusWidget() == s.get("cmdContinue"));
    }
}

// The button stands inside the key frame, its caption whole. (It works while the key list does: the screen's states.)
TEST(frmPressKey, theButtonFitsTheKeyFrame) {
    constructScreen s;
    auto* press = s.get<QPushButton>("cmdPressKey");
    EXPECT_TRUE(s.get("fraSelect")->contentsRect().contains(press->geometry()));
    EXPECT_LE(press->fontMetrics().horizontalAdvance("Press Key..."), press->contentsRect().width());
}

}  // namespace
