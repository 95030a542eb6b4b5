// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/frmConstructTest.h"

#include "model/console/clsBindLine.h"
#include "ui/widgets/twips.h"

namespace {

// "K"/"k": key list, Press Key and bind types enabled; Continue, Clear "+" enabled, "o" disabled, "-" hidden;
// "T"/"R" the text or radio frame shown; "b" per text button.
std::string state(const constructScreen& s) {
    std::string out;
    for (const char* n : {"cboKeys", "cmdPressKey", "optPublicBind", "optTeamBind", "optRadio"})
        out += s.get(n)->isEnabled() ? 'K' : 'k';
    for (const char* n : {"cmdContinue", "cmdClear"})
        out += !s.get(n)->isVisible() ? '-' : s.get(n)->isEnabled() ? '+' : 'o';
    out += s.get("fraTextBind")->isVisible() ? "T" : "";
    for (const char* n : {"cmdTextAdd", "cmdTextUndo", "cmdTextDone", "cmdTextCancel", "cmdTextOsp"})
        out += s.get(n)->isVisibleTo(s.get("fraTextBind")) ? "b" : "";
    return out + (s.get("fraRadio")->isVisible() ? "R" : "");
}

struct stateCase {  // the steps (F2 holds a radio bind before), the one question, F1's and F2's kinds afterwards
    const char* name;
    std::string steps;
    const char* state;
    int windowTwips;
    std::string asked = "";
    const char *f1 = notBound, *f2 = "radio:";
    int ends = 0;  // Yes to Exit ends the program and stores the style in use
};

void PrintTo(const stateCase& c, std::ostream* out) { *out << c.name; }

class frmConstructStates : public testing::TestWithParam<stateCase> {};

TEST_P(frmConstructStates, showAndEnableExactlyTheirControlsAtTheirHeight) {
    const stateCase& c = GetParam();
    constructScreen s;
    s.ctx.builder.add_radio_code("F2", "vsay_team sniper", "Sniper");
    s.ctx.currentColorStyle = "Dracula";
    s.run(c.steps);
    const clsCfgBuilder& b = s.ctx.builder;
    EXPECT_EQ(std::tuple(state(s), s.asked(), b.get_bindKind("F1"), b.get_bindKind("F2"), s.fake.exit.ends,
                         s.fake.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"]),
              std::tuple(c.state, c.asked, c.f1, c.f2, c.ends, c.ends ? "Dracula" : ""));
    EXPECT_EQ(s.form->centralWidget()->height(), twips(c.windowTwips - 780));
    EXPECT_EQ(s.form->height(), s.form->menuBar()->height() + s.form->centralWidget()->height());
    // The kind and description beside the key list are the shown key's.
    const std::string shown = s.get<QComboBox>("cboKeys")->currentText().toStdString();
    EXPECT_EQ(s.text("txtKind").toStdString() + "|" + s.text("txtDesc").toStdString(),
              shown.empty() ? "|" : b.get_bindKind(shown) + "|" + b.get_binddesc(shown));
}

// Text states: the heights of the original plus the chat preview strip (525). Cancel also removes the pieces
// made before this Continue; Clear names and clears the key the list shows. Every question answers No to Enter.
constexpr int keys = 3005, text = 4535 + 525, twoColors = 5900 + 525, radio = 4010;
const std::string done = sayF1 + "Colors:1 Color0:Red Switch:1 +hi cmdTextDone ";
const char* const no = notBound;
const char* const clear = "Clear?: Are you sure you want to CLEAR button: 'F1' of any binds? [Yes No*]\n";
const char* const clearF2 = "Clear?: Are you sure you want to CLEAR button: 'F2' of any binds? [Yes No*]\n";
const char* const cancel = "Cancel?: Are you sure you don't want a bind for key: F1 [Yes No*]\n";
const char* const reset = "RESET?: Are you sure you want to DELETE all made binds? [Yes No*]\n";
const clsRefusal radioTooLong = clsBindLine::refusal(clsLineVerdict::tooLong, true);
const std::string tooLong = radioTooLong.title + ": " + radioTooLong.text + " (!) [OK]\n";
const char* const exitQ = "Exit?: Are you sure you want to exit? Any unsaved information will be lost! (!) [Yes No*]\n";

INSTANTIATE_TEST_SUITE_P(
    moves, frmConstructStates,
    testing::Values(
        stateCase{"firstDisplay", "", "KKKKK--", keys},
        stateCase{"typeThenKey", "optTeamBind Keys:F2", "KKKKK+-", keys},
        stateCase{"buildingText", sayF1, "kkkkko-T", text},
        stateCase{"radioAddWithNothingPicked", radioF1 + "cmdRadioAdd", "kkkkko-R", radio},
        stateCase{"radioAdd", radioF1 + "Radio:Sniper cmdRadioAdd", "KKKKK++", keys, "", "radio:"},
        stateCase{"radioCancel", radioF1 + "cmdRadioCancel", "KKKKK++", keys},
        stateCase{"radioTooLongStays", radioF1 + "Radio:TooLong cmdRadioAdd", "kkkkko-R", radio, tooLong},
        stateCase{"buildingTextAgainKeepsClear", done + "cmdContinue", "kkkkko+T", text, "", "say"},
        stateCase{"cancelYes", done + "cmdContinue Colors:1 yes cmdTextCancel", "KKKKK++", keys, cancel, no},
        stateCase{"cancelNo", done + "cmdContinue Colors:2 no cmdTextCancel", "kkkkko+Tbbbbb", twoColors, cancel,
                  "say"},
        stateCase{"clearYesClearsTheKeyShown", done + "Keys:F2 yes cmdClear", "KKKKK++", keys, clearF2, "say", no},
        stateCase{"clearNo", done + "Keys:F2 no cmdClear", "KKKKK++", keys, clearF2, "say"},
        stateCase{"clearWhileBuilding", done + "cmdContinue yes cmdClear", "KKKKK++", keys, clear, no},
        stateCase{"escapeInTextAsksCancel", done + "cmdContinue no esc", "kkkkko+T", text, cancel, "say"},
        stateCase{"escapeInRadioCancels", radioF1 + "esc", "KKKKK++", keys},
        stateCase{"escapeSelectingKeyDoesNothing", "Keys:F1 esc", "KKKKK--", keys},
        stateCase{"enterPressesTheFocusedButton", "Keys:F1 optRadio enter@cmdContinue", "kkkkko-R", radio},
        stateCase{"resetYesInText", done + "cmdContinue yes mnuReset", "KKKKK++", keys, reset, no, no},
        stateCase{"resetNoInRadio", done + "optRadio cmdContinue no mnuReset", "kkkkko+R", radio, reset, "say"},
        stateCase{"resetBeforeAnyContinue", "Keys:F1 optPublicBind yes mnuReset", "KKKKK++", keys, reset, no, no},
        stateCase{"exitNo", radioF1 + "no mnuExit", "kkkkko-R", radio, exitQ},
        stateCase{"exitYesByCloseBox", "yes close", "KKKKK--", keys, exitQ, no, "radio:", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
