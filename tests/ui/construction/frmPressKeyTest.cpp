// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Press Key: the game's names for what the toolkit reports, and picking the pressed key in the key list.
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/keys/clsKeyNames.h"
#include "ui/construction/frmConstructTest.h"

namespace {

TEST(clsKeyNames, namesKeysButtonsAndWheelAsTheGameDoes) {
    for (const auto& [key, keypad, name] : std::vector<std::tuple<int, bool, std::string>>{
             {Qt::Key_F1, false, "F1"},
             {Qt::Key_F12, false, "F12"},
             {Qt::Key_F13, false, ""},
             {Qt::Key_A, false, "a"},
             {Qt::Key_0, false, "0"},
             {Qt::Key_Semicolon, false, "SEMICOLON"},
             // The keys of the main block by what they send without Shift; the console key and
             // characters no US key sends have no name.
             {Qt::Key_Minus, false, "-"},
             {Qt::Key_Equal, false, "="},
             {Qt::Key_BracketLeft, false, "["},
             {Qt::Key_BracketRight, false, "]"},
             {Qt::Key_Backslash, false, "\\"},
             {Qt::Key_Apostrophe, false, "'"},
             {Qt::Key_Comma, false, ","},
             {Qt::Key_Period, false, "."},
             {Qt::Key_Slash, false, "/"},
             {Qt::Key_Exclam, false, "1"},
             {Qt::Key_At, false, "2"},
             {Qt::Key_NumberSign, false, "3"},
             {Qt::Key_Dollar, false, "4"},
             {Qt::Key_Percent, false, "5"},
             {Qt::Key_AsciiCircum, false, "6"},
             {Qt::Key_Ampersand, false, "7"},
             {Qt::Key_Asterisk, false, "8"},
             {Qt::Key_ParenLeft, false, "9"},
             {Qt::Key_ParenRight, false, "0"},
             {Qt::Key_Underscore, false, "-"},
             {Qt::Key_Plus, false, "="},
             {Qt::Key_BraceLeft, false, "["},
             {Qt::Key_BraceRight, false, "]"},
             {Qt::Key_Bar, false, "\\"},
             {Qt::Key_Colon, false, "SEMICOLON"},
             {Qt::Key_QuoteDbl, false, "'"},
             {Qt::Key_Less, false, ","},
             {Qt::Key_Greater, false, "."},
             {Qt::Key_Question, false, "/"},
             {Qt::Key_QuoteLeft, false, ""},
             {Qt::Key_AsciiTilde, false, ""},
             {Qt::Key_Adiaeresis, false, ""},
             {Qt::Key_ParenLeft, true, ""},
             {Qt::Key_Return, false, "ENTER"},
             {Qt::Key_Enter, true, "KP_ENTER"},
             {Qt::Key_Enter, false, "KP_ENTER"},
             {Qt::Key_Escape, false, "ESCAPE"},
             {Qt::Key_Space, false, "SPACE"},
             {Qt::Key_Tab, false, "TAB"},
             {Qt::Key_Backtab, false, "TAB"},
             {Qt::Key_Backspace, false, "BACKSPACE"},
             {Qt::Key_Pause, false, "PAUSE"},
             {Qt::Key_Shift, false, "SHIFT"},
             {Qt::Key_Control, false, "CTRL"},
             {Qt::Key_Alt, false, "ALT"},
             {Qt::Key_AltGr, false, "ALT"},
             {Qt::Key_Meta, false, ""},
             {Qt::Key_CapsLock, false, "CAPSLOCK"},
             {Qt::Key_Up, false, "UPARROW"},
             {Qt::Key_Down, false, "DOWNARROW"},
             {Qt::Key_Left, false, "LEFTARROW"},
             {Qt::Key_Right, false, "RIGHTARROW"},
             {Qt::Key_Insert, false, "INS"},
             {Qt::Key_Delete, false, "DEL"},
             {Qt::Key_Home, false, "HOME"},
             {Qt::Key_End, false, "END"},
             {Qt::Key_PageUp, false, "PGUP"},
             {Qt::Key_PageDown, false, "PGDN"},
             // The number pad, with Num Lock on (digits) and off (what the keys do): one name for each key.
             {Qt::Key_0, true, "KP_INS"},
             {Qt::Key_Insert, true, "KP_INS"},
             {Qt::Key_1, true, "KP_END"},
             {Qt::Key_2, true, "KP_DOWNARROW"},
             {Qt::Key_3, true, "KP_PGDN"},
             {Qt::Key_4, true, "KP_LEFTARROW"},
             {Qt::Key_5, true, "KP_5"},
             {Qt::Key_Clear, true, "KP_5"},
             {Qt::Key_6, true, "KP_RIGHTARROW"},
             {Qt::Key_7, true, "KP_HOME"},
             {Qt::Key_8, true, "KP_UPARROW"},
             {Qt::Key_9, true, "KP_PGUP"},
             {Qt::Key_Period, true, "KP_DEL"},
             {Qt::Key_Comma, true, "KP_DEL"},
             {Qt::Key_Delete, true, "KP_DEL"},
             {Qt::Key_Slash, true, "KP_SLASH"},
             {Qt::Key_Asterisk, true, "KP_STAR"},
             {Qt::Key_Minus, true, "KP_MINUS"},
             {Qt::Key_Plus, true, "KP_PLUS"},
             {Qt::Key_Equal, true, "KP_EQUALS"},
             {Qt::Key_NumLock, true, "KP_NUMLOCK"}})
        EXPECT_EQ(clsKeyNames::forKey(key, keypad), name) << std::hex << key << (keypad ? " on the keypad" : "");
    for (const auto& [button, name] :
         std::vector<std::pair<Qt::MouseButton, std::string>>{{Qt::LeftButton, "MOUSE1"},
                                                              {Qt::RightButton, "MOUSE2"},
                                                              {Qt::MiddleButton, "MOUSE3"},
                                                              {Qt::BackButton, "MOUSE4"},
                                                              {Qt::ForwardButton, "MOUSE5"},
                                                              {Qt::NoButton, ""}})
        EXPECT_EQ(clsKeyNames::forMouseButton(button), name) << name;
    EXPECT_EQ(clsKeyNames::forWheel(120) + clsKeyNames::forWheel(-15) + clsKeyNames::forWheel(0), "MWHEELUPMWHEELDOWN");
    EXPECT_TRUE(clsKeyNames::sameKey("kp_enter", "KP_ENTER"));
    EXPECT_TRUE(!clsKeyNames::sameKey("F1", "F10"));
    for (const auto& [key, keypad, console] :
         std::vector<std::tuple<int, bool, bool>>{{Qt::Key_QuoteLeft, false, true},
                                                  {Qt::Key_AsciiTilde, false, true},
                                                  {Qt::Key_Apostrophe, false, false},
                                                  {Qt::Key_1, false, false},
                                                  {Qt::Key_QuoteLeft, true, false}})
        EXPECT_EQ(clsKeyNames::isConsoleKey(key, keypad), console) << std::hex << key;
}

void wheel(QWidget* area, int delta) {
    QWheelEvent step(QPointF(5, 5), area->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area, &step);
}

// What the player does over the capture area; the key the list then shows (F1 was shown before); the message.
TEST(frmPressKey, picksThePressedKeyInTheListOrSaysWhyNot) {
    const std::string notListed =
        "Key Not Listed: The key MWHEELUP is not in the key list of this definition file, so it "
        "cannot be bound now. To bind it, add the line key:MWHEELUP to the file with a text editor and load the file "
        "again at the next start. (!) [OK]\n";
    for (const auto& [what, act, shown, message] :
         std::vector<std::tuple<const char*, std::function<void(QWidget*)>, QString, std::string>>{
             {"F2", [](QWidget* a) { QTest::keyClick(a, Qt::Key_F2); }, "F2", ""},
             {"keypad Enter, listed in lower case",
              [](QWidget* a) { QTest::keyClick(a, Qt::Key_Enter, Qt::KeypadModifier); }, "kp_enter", ""},
             {"left button", [](QWidget* a) { QTest::mouseClick(a, Qt::LeftButton); }, "MOUSE1", ""},
             {"wheel up", [](QWidget* a) { wheel(a, 120); }, "F1", notListed},
             {"Meta", [](QWidget* a) { QTest::keyClick(a, Qt::Key_Meta); }, "F1",
              "Key Not Known: The game has no name for the key Meta, so it cannot be bound. Pick another key. (!) "
              "[OK]\n"},
             {"the console key", [](QWidget* a) { QTest::keyClick(a, Qt::Key_QuoteLeft); }, "F1",
              "Console Key: The key ` opens the game's console, so the game never runs a bind of it. Pick another key. "
              "(!) [OK]\n"},
             {"Escape", [](QWidget* a) { QTest::keyClick(a, Qt::Key_Escape); }, "F1", ""},
             {"Cancel", [](QWidget* a) { a->window()->findChild<QPushButton*>("cmdCancel")->click(); }, "F1", ""}}) {
        SCOPED_TRACE(what);
        constructScreen s;
        s.run("optPublicBind Keys:F1");
        bool captured = false;
        onModal([&, act = act](QWidget* dialog) {
            captured = dialog->objectName() == "frmPressKey";
            act(dialog->findChild<QWidget*>("fraCapture"));
        });
        s.run("cmdPressKey");
        EXPECT_TRUE(captured);
        EXPECT_EQ(s.get<QComboBox>("cboKeys")->currentText(), shown);
        EXPECT_EQ(s.text("txtKind").toStdString(), notBound);
        EXPECT_EQ(s.asked(), message);
        EXPECT_TRUE(!message.empty() || shown == "F1" || s.form->focusWidget() == s.get("cmdContinue"));
    }
}

// On the shipped definition file the key the game sees is picked, whatever Shift makes of it.
TEST(frmPressKey, picksTheGamesNameOfTheKeyInTheShippedFile) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "../../../InputFiles/SoF2 default.txt",
                     std::ios::binary);
    const std::string shipped{std::istreambuf_iterator<char>(in), {}};
    for (const auto& [key, modifiers, picked] : std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, std::string>>{
             {Qt::Key_Semicolon, Qt::NoModifier, "SEMICOLON"},
             {Qt::Key_Colon, Qt::ShiftModifier, "SEMICOLON"},
             {Qt::Key_Exclam, Qt::ShiftModifier, "1"},
             {Qt::Key_Bar, Qt::ShiftModifier, "\\"},
             {Qt::Key_CapsLock, Qt::NoModifier, "CAPSLOCK"},
             {Qt::Key_Slash, Qt::KeypadModifier, "KP_SLASH"}}) {
        constructScreen s(shipped);
        onModal([&, key = key, modifiers = modifiers](QWidget* dialog) {
            QTest::keyClick(dialog->findChild<QWidget*>("fraCapture"), key, modifiers);
        });
        s.run("cmdPressKey");
        EXPECT_EQ(s.get<QComboBox>("cboKeys")->currentData(Qt::UserRole).toString().toStdString(), picked);
        EXPECT_EQ(s.asked(), "");
    }
}

// The button stands in the free space of the key frame, over nothing, caption whole; it works while the key list does.
TEST(frmPressKey, theButtonFitsTheKeyFrameAndFollowsTheKeyList) {
    constructScreen s;
    auto* press = s.get<QPushButton>("cmdPressKey");
    QWidget* frame = s.get("fraSelect");
    EXPECT_EQ(press->parentWidget(), frame);
    EXPECT_TRUE(frame->contentsRect().contains(press->geometry()));
    for (QWidget* other : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(other == press || !other->geometry().intersects(press->geometry()))
            << other->objectName().toStdString();
    EXPECT_LE(press->fontMetrics().horizontalAdvance("Press Key..."), press->contentsRect().width());
    for (const auto& [steps, enabled] :
         {std::pair<std::string, bool>{"", true}, {sayF1, false}, {"cmdTextDone", true}}) {
        s.run(steps);
        EXPECT_EQ(press->isEnabled(), enabled) << steps;
        EXPECT_EQ(press->isEnabled(), s.get("cboKeys")->isEnabled());
    }
}

}  // namespace
