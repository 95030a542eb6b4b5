// The construction screen: its controls, its three states and the moves
// between them, its questions and the windows it opens.
#include "construction/frmConstructTest.h"

#include <QAction>
#include <QMenuBar>
#include <functional>

#include "shell/twips.h"

namespace {

// ---- What the screen shows ---------------------------------------------------

TEST(frmConstruct, firstDisplayShowsTheKeysInFileOrderWithNothingPicked) {
    constructScreen s;
    EXPECT_EQ(s.form->windowTitle(), "Make your SoF2 Binds");
    QComboBox* keys = s.combo("cboKeys");
    ASSERT_EQ(keys->count(), 3);
    EXPECT_EQ(keys->itemText(0), "F1");
    EXPECT_EQ(keys->itemText(2), "MOUSE1");
    EXPECT_EQ(keys->currentIndex(), -1);
    EXPECT_EQ(keys->currentText(), "");
    EXPECT_FALSE(s.get("cmdContinue")->isVisible());
    EXPECT_FALSE(s.get("cmdClear")->isVisible());
    EXPECT_EQ(s.text("txtKind"), "");
    EXPECT_EQ(s.text("txtDesc"), "");
    // Every list is pick-only and shows nothing picked.
    for (const char* name : {"cboKeys", "cboColors", "cboSwitch", "cboRadio", "cboColor0", "cboColor7"}) {
        EXPECT_FALSE(s.combo(name)->isEditable()) << name;
        EXPECT_EQ(s.combo(name)->currentIndex(), -1) << name;
    }
}

TEST(frmConstruct, listsAreFilledSortedOrInOrderWithNumbersWrittenWithALeadingSpace) {
    constructScreen s;
    const QStringList colors{"Black", "Blue", "Cyan", "Green", "Magenta", "Red", "White", "Yellow"};
    for (int k = 0; k < 8; ++k) {
        QComboBox* row = s.combo(("cboColor" + std::to_string(k)).c_str());
        QStringList shown;
        for (int i = 0; i < row->count(); ++i) shown << row->itemText(i);
        EXPECT_EQ(shown, colors) << k;
        EXPECT_EQ(s.get<QLabel>(("lblColor" + std::to_string(k)).c_str())->text(),
                  QString("Pattern Color # %1:").arg(k + 1));
    }
    QComboBox* radio = s.combo("cboRadio");
    ASSERT_EQ(radio->count(), 2);
    EXPECT_EQ(radio->itemText(0), "Check fire");
    QComboBox* count = s.combo("cboColors");
    ASSERT_EQ(count->count(), 8);
    EXPECT_EQ(count->itemText(0), " 1");
    EXPECT_EQ(count->itemText(7), " 8");
    QComboBox* sw = s.combo("cboSwitch");
    ASSERT_EQ(sw->count(), 10);
    EXPECT_EQ(sw->itemText(9), " 10");
}

struct designCase {
    const char* name;
    const char* parent;
    const char* caption;  // nullptr: no caption to check
    int left, top, width, height;
};

// Controls that keep their design place; the colour rows, the pattern
// lists and the output line are moved by the layout rules (tested with the
// window heights).
class frmConstructDesign : public testing::TestWithParam<designCase> {};

TEST_P(frmConstructDesign, controlHasItsNameCaptionPlaceAndFrame) {
    const designCase& c = GetParam();
    constructScreen s;
    QWidget* w = s.get(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), c.parent);
    EXPECT_EQ(w->geometry(), twipsRect(c.left, c.top, c.width, c.height));
    if (!c.caption) return;
    QString caption;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) caption = b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) caption = l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) caption = g->title();
    EXPECT_EQ(caption, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    controls, frmConstructDesign,
    testing::Values(designCase{"fraSelect", "frmConstructClient", "Select Key", 240, 120, 4455, 1935},
                    designCase{"lblKeys", "fraSelect", "Key To Bind:", 240, 400, 1110, 195},
                    designCase{"cboKeys", "fraSelect", nullptr, 1440, 360, 2775, 315},
                    designCase{"lblKind", "fraSelect", "Kind:", 960, 880, 450, 195},
                    designCase{"txtKind", "fraSelect", nullptr, 1440, 840, 2775, 285},
                    designCase{"lblDesc", "fraSelect", "Description:", 360, 1360, 1035, 195},
                    designCase{"txtDesc", "fraSelect", nullptr, 1440, 1320, 2775, 285},
                    designCase{"fraBindType", "frmConstructClient", "Type of Bind", 4920, 120, 4215, 1935},
                    designCase{"optPublicBind", "fraBindType", "Text Bind (Public)", 240, 360, 2775, 375},
                    designCase{"optTeamBind", "fraBindType", "Text Bind (Team Say)", 240, 840, 2415, 375},
                    designCase{"optRadio", "fraBindType", "Radio Bind", 240, 1320, 2415, 375},
                    designCase{"cmdClear", "fraBindType", "Clear", 2280, 1560, 855, 300},
                    designCase{"cmdContinue", "fraBindType", "Continue", 3240, 1560, 855, 300},
                    designCase{"lblRadio", "fraRadio", "Select Radio Bind:", 120, 400, 1800, 195},
                    designCase{"cboRadio", "fraRadio", nullptr, 2040, 360, 4815, 315},
                    designCase{"cmdRadioAdd", "fraRadio", "Add", 6960, 360, 855, 300},
                    designCase{"cmdRadioCancel", "fraRadio", "Cancel", 7920, 360, 855, 300},
                    designCase{"lblText", "fraTextBind", "Text To add:", 240, 480, 1110, 195},
                    designCase{"txtText", "fraTextBind", nullptr, 1440, 480, 6255, 285},
                    designCase{"chkAddToFront", "fraTextBind", "Add To Front", 6240, 1440, 1575, 375},
                    designCase{"cmdTextAdd", "fraTextBind", "Add", 7920, 480, 855, 300},
                    designCase{"cmdTextUndo", "fraTextBind", "Undo Last", 7920, 780, 855, 300},
                    designCase{"cmdTextDone", "fraTextBind", "Done", 7920, 1080, 855, 300},
                    designCase{"cmdTextCancel", "fraTextBind", "Cancel", 7920, 1380, 855, 300},
                    designCase{"cmdTextOsp", "fraTextBind", "Add OSP", 7920, 1680, 855, 300},
                    // Moved by set-up: stacked 150 apart, labels 60 lower.
                    designCase{"cboColors", "fraTextBind", nullptr, 2760, 915, 1215, 315},
                    designCase{"lblColors", "fraTextBind", "Amount of Colors in Pattern:", 240, 975, 2400, 195},
                    designCase{"cboSwitch", "fraTextBind", nullptr, 6240, 915, 975, 315},
                    designCase{"lblSwitch", "fraTextBind", "Length Color Pattern:", 4320, 975, 1830, 195},
                    designCase{"cboColor0", "fraTextBind", nullptr, 2040, 1380, 1935, 315},
                    designCase{"lblColor0", "fraTextBind", "Pattern Color # 1:", 360, 1440, 1530, 195},
                    designCase{"cboColor7", "fraTextBind", nullptr, 2040, 4635, 1935, 315},
                    designCase{"lblColor7", "fraTextBind", "Pattern Color # 8:", 360, 4695, 1530, 195}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(frmConstruct, menusCarryTheirCaptionsAndHelpActsFromTheBar) {
    constructScreen s;
    QMenuBar* bar = s.form->menuBar();
    QStringList top;
    for (QAction* a : bar->actions()) top << a->text();
    EXPECT_EQ(top, (QStringList{"&File", "&Extra", "Help"}));
    auto* help = s.form->findChild<QAction*>("mnuHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->menu(), nullptr);
    const std::pair<const char*, const char*> items[] = {{"mnuSave", "&Save"},
                                                         {"mnuReset", "&Reset"},
                                                         {"mnuExit", "E&xit"},
                                                         {"mnuReview", "Review Made Binds"},
                                                         {"mnuColorStyle", "Color Style"}};
    for (const auto& [name, caption] : items) {
        auto* a = s.form->findChild<QAction*>(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), caption);
    }
}

TEST(frmConstruct, tabOrderFollowsTheControlsFrameByFrame) {
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    s.pick("cboColors", " 8");
    const char* chain[] = {"txtText",   "cboColors", "cboSwitch", "chkAddToFront", "cboColor0", "cboColor1",
                           "cboColor2", "cboColor3", "cboColor4", "cboColor5",     "cboColor6", "cboColor7",
                           "txtOutput", "cmdTextAdd"};
    // The next control that Tab reaches.
    auto tabFrom = [](QWidget* w) {
        do w = w->nextInFocusChain();
        while (!((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()));
        return w;
    };
    for (std::size_t i = 1; i < std::size(chain); ++i)
        EXPECT_EQ(tabFrom(s.get(chain[i - 1]))->objectName(), chain[i]) << chain[i - 1];
}

// ---- States and moves ------------------------------------------------------

struct stateCase {
    const char* name;
    std::function<void(constructScreen&)> steps;
    bool keysEnabled;
    const char* cont;   // "hidden", "on" (shown, enabled) or "off" (shown, disabled)
    const char* clear;
    bool textFrame, radioFrame, textButtons;
    int windowTwips;  // the window height as the original platform counts it
};

std::string shown(QWidget* w) { return !w->isVisible() ? "hidden" : w->isEnabled() ? "on" : "off"; }

class frmConstructStates : public testing::TestWithParam<stateCase> {};

TEST_P(frmConstructStates, showAndEnableExactlyTheirControls) {
    const stateCase& c = GetParam();
    constructScreen s;
    c.steps(s);
    for (const char* n : {"cboKeys", "optPublicBind", "optTeamBind", "optRadio"})
        EXPECT_EQ(s.get(n)->isEnabled(), c.keysEnabled) << n;
    EXPECT_EQ(shown(s.get("cmdContinue")), c.cont);
    EXPECT_EQ(shown(s.get("cmdClear")), c.clear);
    EXPECT_EQ(s.get("fraTextBind")->isVisible(), c.textFrame);
    EXPECT_EQ(s.get("fraRadio")->isVisible(), c.radioFrame);
    for (const char* n : {"cmdTextAdd", "cmdTextUndo", "cmdTextDone", "cmdTextCancel", "cmdTextOsp"})
        EXPECT_EQ(s.get(n)->isVisibleTo(s.get("fraTextBind")), c.textButtons) << n;
    EXPECT_EQ(s.clientHeight(), twips(c.windowTwips - 780));
    EXPECT_EQ(s.form->height(), s.form->menuBar()->height() + s.clientHeight());
}

// Text states: the specified heights plus the chat preview strip (150 + 375).
constexpr int selecting = 3005, buildingText = 4535 + 525, buildingRadio = 4010, textWithTwoColors = 5900 + 525;

void doneWithOnePiece(constructScreen& s) {
    s.startBind("F1", "optPublicBind");
    s.pattern({"Red"}, 1);
    s.addText("hi");
    s.click("cmdTextDone");
}

INSTANTIATE_TEST_SUITE_P(
    moves, frmConstructStates,
    testing::Values(
        stateCase{"firstDisplay", [](constructScreen&) {}, true, "hidden", "hidden", false, false, false, selecting},
        stateCase{"keyOnly", [](constructScreen& s) { s.pick("cboKeys", "F1"); }, true, "hidden", "hidden", false,
                  false, false, selecting},
        stateCase{"typeOnly", [](constructScreen& s) { s.click("optRadio"); }, true, "hidden", "hidden", false, false,
                  false, selecting},
        stateCase{"keyThenType",
                  [](constructScreen& s) {
                      s.pick("cboKeys", "F1");
                      s.click("optPublicBind");
                  },
                  true, "on", "hidden", false, false, false, selecting},
        stateCase{"typeThenKey",
                  [](constructScreen& s) {
                      s.click("optTeamBind");
                      s.pick("cboKeys", "F2");
                  },
                  true, "on", "hidden", false, false, false, selecting},
        stateCase{"buildingText", [](constructScreen& s) { s.startBind("F1", "optPublicBind"); }, false, "off",
                  "hidden", true, false, false, buildingText},
        stateCase{"buildingTeamText", [](constructScreen& s) { s.startBind("F1", "optTeamBind"); }, false, "off",
                  "hidden", true, false, false, buildingText},
        stateCase{"buildingTextWithACount",
                  [](constructScreen& s) {
                      s.startBind("F1", "optPublicBind");
                      s.pick("cboColors", " 2");
                  },
                  false, "off", "hidden", true, false, true, textWithTwoColors},
        stateCase{"buildingRadio", [](constructScreen& s) { s.startBind("F1", "optRadio"); }, false, "off", "hidden",
                  false, true, false, buildingRadio},
        stateCase{"radioAddWithNothingPicked",
                  [](constructScreen& s) {
                      s.startBind("F1", "optRadio");
                      s.click("cmdRadioAdd");
                  },
                  false, "off", "hidden", false, true, false, buildingRadio},
        stateCase{"afterRadioAdd",
                  [](constructScreen& s) {
                      s.startBind("F1", "optRadio");
                      s.pick("cboRadio", "Sniper");
                      s.click("cmdRadioAdd");
                  },
                  true, "on", "on", false, false, false, selecting},
        stateCase{"afterRadioCancel",
                  [](constructScreen& s) {
                      s.startBind("F1", "optRadio");
                      s.click("cmdRadioCancel");
                  },
                  true, "on", "on", false, false, false, selecting},
        stateCase{"afterDone", doneWithOnePiece, true, "on", "on", false, false, false, selecting},
        stateCase{"buildingTextAgainKeepsClear",
                  [](constructScreen& s) {
                      doneWithOnePiece(s);
                      s.click("cmdContinue");
                  },
                  false, "off", "on", true, false, false, buildingText},
        stateCase{"cancelAnsweredYes",
                  [](constructScreen& s) {
                      s.startBind("F1", "optPublicBind");
                      s.pick("cboColors", " 2");
                      s.fake.messages.answers = {msgAnswer::Yes};
                      s.click("cmdTextCancel");
                  },
                  true, "on", "on", false, false, false, selecting},
        stateCase{"cancelAnsweredNo",
                  [](constructScreen& s) {
                      s.startBind("F1", "optPublicBind");
                      s.pick("cboColors", " 2");
                      s.click("cmdTextCancel");
                  },
                  false, "off", "hidden", true, false, true, textWithTwoColors},
        stateCase{"clearYesWhileBuildingRadio",
                  [](constructScreen& s) {
                      doneWithOnePiece(s);
                      s.click("optRadio");
                      s.click("cmdContinue");
                      s.fake.messages.answers = {msgAnswer::Yes};
                      s.click("cmdClear");
                  },
                  true, "on", "on", false, false, false, selecting},
        stateCase{"resetYesWhileBuildingText",
                  [](constructScreen& s) {
                      s.startBind("F1", "optPublicBind");
                      s.fake.messages.answers = {msgAnswer::Yes};
                      s.form->findChild<QAction*>("mnuReset")->trigger();
                  },
                  true, "on", "on", false, false, false, selecting},
        stateCase{"resetNoWhileBuildingRadio",
                  [](constructScreen& s) {
                      s.startBind("F1", "optRadio");
                      s.form->findChild<QAction*>("mnuReset")->trigger();
                  },
                  false, "off", "hidden", false, true, false, buildingRadio},
        // Clear acts on the key of the last Continue: before one there is none.
        stateCase{"resetBeforeAnyContinue",
                  [](constructScreen& s) {
                      s.pick("cboKeys", "F1");
                      s.click("optPublicBind");
                      s.fake.messages.answers = {msgAnswer::Yes};
                      s.form->findChild<QAction*>("mnuReset")->trigger();
                  },
                  true, "on", "hidden", false, false, false, selecting}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(frmConstruct, pickingAKeyShowsItsBindOrThatItIsNotBound) {
    constructScreen s;
    s.pick("cboKeys", "F2");
    EXPECT_EQ(s.text("txtKind"), notBound);
    EXPECT_EQ(s.text("txtDesc"), notBound);
    s.ctx.builder.add_radio_code("MOUSE1", "vsay_team sniper", "Sniper");
    s.pick("cboKeys", "MOUSE1");
    EXPECT_EQ(s.text("txtKind"), "radio:");
    EXPECT_EQ(s.text("txtDesc"), "Sniper");
}

TEST(frmConstruct, afterDoneTheKeyStaysPickedAndItsNewBindShowsWhileThePatternIsGone) {
    constructScreen s;
    doneWithOnePiece(s);
    EXPECT_EQ(s.combo("cboKeys")->currentText(), "F1");
    EXPECT_TRUE(s.get<QRadioButton>("optPublicBind")->isChecked());
    EXPECT_EQ(s.text("txtKind"), "say");
    EXPECT_EQ(s.text("txtDesc"), "hi");
    EXPECT_EQ(s.combo("cboColors")->currentIndex(), -1);
    EXPECT_EQ(s.combo("cboSwitch")->currentIndex(), -1);
    EXPECT_EQ(s.combo("cboColor0")->currentIndex(), -1);
    EXPECT_EQ(s.text("txtOutput"), "");
}

TEST(frmConstruct, clearAndCancelNameTheKeyOfTheLastContinueNotThePickedOne) {
    constructScreen s;
    s.ctx.builder.add_radio_code("F2", "vsay_team sniper", "Sniper");
    doneWithOnePiece(s);  // F1
    s.pick("cboKeys", "F2");
    ASSERT_TRUE(s.get("cmdClear")->isVisible());
    s.fake.messages.answers = {msgAnswer::Yes};
    s.click("cmdClear");
    EXPECT_EQ(s.lastMessage().text, "Are you sure you want to CLEAR button: 'F1' of any binds?");
    EXPECT_EQ(s.ctx.builder.get_bindKind("F1"), notBound);
    EXPECT_EQ(s.ctx.builder.get_bindKind("F2"), "radio:");
    // The boxes beside the key list describe the key it shows.
    EXPECT_EQ(s.text("txtKind"), "radio:");
}

struct questionCase {
    const char* name;
    std::function<void(constructScreen&)> ask;
    msgAnswer answer;
    const char* title;
    const char* text;
    msgIcon icon;
    const char* f1Kind;  // F1's kind afterwards (it holds "say" "hi" before)
    const char* f2Kind;  // F2's kind afterwards (it holds a radio bind before)
};

class frmConstructQuestions : public testing::TestWithParam<questionCase> {};

TEST_P(frmConstructQuestions, askWithTheirWordsAndOnlyYesActs) {
    const questionCase& c = GetParam();
    constructScreen s;
    s.ctx.builder.add_radio_code("F2", "vsay_team sniper", "Sniper");
    doneWithOnePiece(s);
    s.fake.messages.log.clear();
    s.fake.messages.answers = {c.answer};
    c.ask(s);
    ASSERT_EQ(s.fake.messages.log.size(), 1u);
    EXPECT_EQ(s.lastMessage().title, c.title);
    EXPECT_EQ(s.lastMessage().text, c.text);
    EXPECT_EQ(s.lastMessage().icon, c.icon);
    EXPECT_EQ(s.lastMessage().buttons, msgButtons::YesNo);
    EXPECT_EQ(s.ctx.builder.get_bindKind("F1"), c.f1Kind);
    EXPECT_EQ(s.ctx.builder.get_bindKind("F2"), c.f2Kind);
    EXPECT_EQ(s.fake.exit.ends, 0);
}

void clear(constructScreen& s) { s.click("cmdClear"); }
void cancel(constructScreen& s) {
    s.click("cmdContinue");
    s.pick("cboColors", " 1");
    s.click("cmdTextCancel");
}
void reset(constructScreen& s) { s.form->findChild<QAction*>("mnuReset")->trigger(); }

INSTANTIATE_TEST_SUITE_P(
    confirmations, frmConstructQuestions,
    testing::Values(
        questionCase{"clearYes", clear, msgAnswer::Yes, "Clear?",
                     "Are you sure you want to CLEAR button: 'F1' of any binds?", msgIcon::None, notBound, "radio:"},
        questionCase{"clearNo", clear, msgAnswer::No, "Clear?",
                     "Are you sure you want to CLEAR button: 'F1' of any binds?", msgIcon::None, "say", "radio:"},
        questionCase{"cancelYes", cancel, msgAnswer::Yes, "Cancel?", "Are you sure you don't want a bind for key: F1",
                     msgIcon::None, notBound, "radio:"},
        questionCase{"cancelNo", cancel, msgAnswer::No, "Cancel?", "Are you sure you don't want a bind for key: F1",
                     msgIcon::None, "say", "radio:"},
        questionCase{"resetYes", reset, msgAnswer::Yes, "RESET?", "Are you sure you want to DELETE all made binds?",
                     msgIcon::None, notBound, notBound},
        questionCase{"resetNo", reset, msgAnswer::No, "RESET?", "Are you sure you want to DELETE all made binds?",
                     msgIcon::None, "say", "radio:"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(frmConstruct, cancelAnsweredYesAlsoRemovesPiecesMadeBeforeThisContinue) {
    constructScreen s;
    doneWithOnePiece(s);
    s.click("cmdContinue");
    s.pattern({"Blue"}, 1);
    s.addText("yo");
    EXPECT_EQ(s.text("txtOutput"), "^1hi^4yo");
    s.fake.messages.answers = {msgAnswer::Yes};
    s.click("cmdTextCancel");
    EXPECT_EQ(s.ctx.builder.get_bindcode("F1"), notBound);
    EXPECT_EQ(s.text("txtKind"), notBound);
}

TEST(frmConstruct, continueOnABoundKeyAddsToItsBindAndTheLatestKindWins) {
    constructScreen s;
    s.startBind("F1", "optTeamBind");
    s.pattern({"Red"}, 1);
    s.addText("a");
    s.click("cmdTextDone");
    s.click("optPublicBind");
    s.click("cmdContinue");
    EXPECT_EQ(s.text("txtOutput"), "");
    s.pattern({"Blue"}, 1);
    s.addText("b");
    EXPECT_EQ(s.text("txtOutput"), "^1a^4b");
    s.click("cmdTextDone");
    EXPECT_EQ(s.text("txtKind"), "say");
    EXPECT_EQ(s.text("txtDesc"), "ab");
    // A radio Add replaces the whole bind.
    s.click("optRadio");
    s.click("cmdContinue");
    s.pick("cboRadio", "Check fire");
    s.click("cmdRadioAdd");
    EXPECT_EQ(s.ctx.builder.get_bindcode("F1"), "vsay_team check_fire");
    EXPECT_EQ(s.text("txtKind"), "radio:");
    EXPECT_EQ(s.text("txtDesc"), "Check fire");
}

// ---- Leaving the program ------------------------------------------------------

struct exitCase {
    const char* name;
    bool byCloseBox;
    msgAnswer answer;
    int ends;
    bool stillShown;
};

class frmConstructExit : public testing::TestWithParam<exitCase> {};

TEST_P(frmConstructExit, asksAndOnYesStoresTheStyleAndEnds) {
    const exitCase& c = GetParam();
    constructScreen s;
    s.ctx.currentColorStyle = "Dracula";
    s.fake.messages.answers = {c.answer};
    if (c.byCloseBox)
        s.form->close();
    else
        s.form->findChild<QAction*>("mnuExit")->trigger();
    ASSERT_EQ(s.fake.messages.log.size(), 1u);
    EXPECT_EQ(s.lastMessage().title, "Exit?");
    EXPECT_EQ(s.lastMessage().text, "Are you sure you want to exit? Any unsaved information will be lost!");
    EXPECT_EQ(s.lastMessage().icon, msgIcon::Exclamation);
    EXPECT_EQ(s.lastMessage().buttons, msgButtons::YesNo);
    EXPECT_EQ(s.fake.exit.ends, c.ends);
    const auto stored = s.fake.settings.values.find("Brenvolt Beta 0.98/ColorSettings/ColorStyle");
    if (c.ends) {
        ASSERT_NE(stored, s.fake.settings.values.end());
        EXPECT_EQ(stored->second, "Dracula");
    } else {
        EXPECT_EQ(stored, s.fake.settings.values.end());
    }
    EXPECT_EQ(s.form->isVisible(), c.stillShown);
}

INSTANTIATE_TEST_SUITE_P(answers, frmConstructExit,
                         testing::Values(exitCase{"menuYes", false, msgAnswer::Yes, 1, true},
                                         exitCase{"menuNo", false, msgAnswer::No, 0, true},
                                         exitCase{"closeBoxYes", true, msgAnswer::Yes, 1, false},
                                         exitCase{"closeBoxNo", true, msgAnswer::No, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(frmConstruct, closesWithoutAskingWhileTheProgramEnds) {
    constructScreen s;
    s.fake.exit.endProgram();
    s.form->close();
    EXPECT_TRUE(s.fake.messages.log.empty());
    EXPECT_FALSE(s.form->isVisible());
}

// ---- Windows it opens ------------------------------------------------------------

struct openCase {
    const char* name;
    const char* action;  // a menu item, or a button of the text frame
    const char* window;
};

class frmConstructOpens : public testing::TestWithParam<openCase> {};

TEST_P(frmConstructOpens, aModalWindowAndComesBackAfterwards) {
    const openCase& c = GetParam();
    constructScreen s;
    s.startBind("F1", "optPublicBind");
    s.pick("cboColors", " 1");
    modalCloser closer;
    if (auto* a = s.form->findChild<QAction*>(c.action))
        a->trigger();
    else
        s.click(c.action);
    EXPECT_EQ(closer.opened, c.window);
    EXPECT_TRUE(s.form->isVisible());
    EXPECT_TRUE(s.get("fraTextBind")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(windows, frmConstructOpens,
                         testing::Values(openCase{"save", "mnuSave", "frmSaveToFile"},
                                         openCase{"review", "mnuReview", "frmReview"},
                                         openCase{"colorStyle", "mnuColorStyle", "frmColorStyle"},
                                         openCase{"help", "mnuHelp", "frmHelp"},
                                         openCase{"osp", "cmdTextOsp", "frmOSp"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(frmConstruct, saveHidesTheScreenWhileTheDialogIsOpen) {
    constructScreen s;
    bool hiddenMeanwhile = false;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            hiddenMeanwhile = !s.form->isVisible();
            timer.stop();
            w->close();
        }
    });
    timer.start();
    s.form->findChild<QAction*>("mnuSave")->trigger();
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(s.form->isVisible());
}

TEST(frmConstruct, theColorStyleIsPaintedOnEveryListedControlAndNotOnTheRadioButtons) {
    constructScreen s;
    for (const char* name : {"cmdContinue", "cmdTextOsp", "lblKeys", "lblColor7", "cboColor7", "txtOutput",
                             "fraRadio", "chkAddToFront"})
        EXPECT_TRUE(s.get(name)->styleSheet().contains(name)) << name;
    for (const char* name : {"cmdRadioAdd", "cmdRadioCancel"}) EXPECT_TRUE(s.get(name)->styleSheet().isEmpty()) << name;
    EXPECT_FALSE(s.form->styleSheet().isEmpty());
}

}  // namespace
