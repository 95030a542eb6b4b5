// The construction screen: its states, the moves and questions between them, and the windows it opens.
#include "construction/frmConstructTest.h"

#include "shell/twips.h"

namespace {

// "K"/"k": key list and bind types enabled; Continue, Clear "+" enabled, "o" disabled, "-" hidden;
// "T"/"R" the text or radio frame shown; "b" per text button.
std::string state(const constructScreen& s) {
    std::string out;
    for (const char* n : {"cboKeys", "optPublicBind", "optTeamBind", "optRadio"})
        out += s.get(n)->isEnabled() ? 'K' : 'k';
    for (const char* n : {"cmdContinue", "cmdClear"})
        out += !s.get(n)->isVisible() ? '-' : s.get(n)->isEnabled() ? '+' : 'o';
    out += s.get("fraTextBind")->isVisible() ? "T" : "";
    for (const char* n : {"cmdTextAdd", "cmdTextUndo", "cmdTextDone", "cmdTextCancel", "cmdTextOsp"})
        out += s.get(n)->isVisibleTo(s.get("fraTextBind")) ? "b" : "";
    return out + (s.get("fraRadio")->isVisible() ? "R" : "");
}

struct stateCase {
    const char* name;
    std::string steps;  // F2 holds a radio bind before
    const char* state;
    int windowTwips;
    const char* asked = "";     // the one question
    const char* f1 = notBound;  // F1's and F2's kinds afterwards
    const char* f2 = "radio:";
};

class frmConstructStates : public testing::TestWithParam<stateCase> {};

TEST_P(frmConstructStates, showAndEnableExactlyTheirControlsAtTheirHeight) {
    const stateCase& c = GetParam();
    constructScreen s;
    s.ctx.builder.add_radio_code("F2", "vsay_team sniper", "Sniper");
    s.run(c.steps);
    EXPECT_EQ(state(s), c.state);
    EXPECT_EQ(s.form->centralWidget()->height(), twips(c.windowTwips - 780));
    EXPECT_EQ(s.form->height(), s.form->menuBar()->height() + s.form->centralWidget()->height());
    EXPECT_EQ(s.asked(), c.asked);
    EXPECT_EQ(s.ctx.builder.get_bindKind("F1"), c.f1);
    EXPECT_EQ(s.ctx.builder.get_bindKind("F2"), c.f2);
    EXPECT_EQ(s.fake.exit.ends, 0);
    const std::string shown = s.get<QComboBox>("cboKeys")->currentText().toStdString();
    EXPECT_EQ(s.text("txtKind").toStdString(), shown.empty() ? "" : s.ctx.builder.get_bindKind(shown));  // of the key shown
    EXPECT_EQ(s.text("txtDesc").toStdString(), shown.empty() ? "" : s.ctx.builder.get_binddesc(shown));
}

// Text states: the heights of the original plus the chat preview strip (525).
constexpr int keys = 3005, text = 4535 + 525, twoColors = 5900 + 525, radio = 4010;
const std::string done = sayF1 + "Colors:1 Color0:Red Switch:1 +hi cmdTextDone ";
const char* const no = notBound;
const char* const clear = "Clear?: Are you sure you want to CLEAR button: 'F1' of any binds? [Yes No]\n";
const char* const cancel = "Cancel?: Are you sure you don't want a bind for key: F1 [Yes No]\n";
const char* const reset = "RESET?: Are you sure you want to DELETE all made binds? [Yes No]\n";

INSTANTIATE_TEST_SUITE_P(
    moves, frmConstructStates,
    testing::Values(
        stateCase{"firstDisplay", "", "KKKK--", keys}, stateCase{"keyOnly", "Keys:F1", "KKKK--", keys},
        stateCase{"typeThenKey", "optTeamBind Keys:F2", "KKKK+-", keys},
        stateCase{"buildingText", sayF1, "kkkko-T", text},
        stateCase{"oneColour", sayF1 + "Colors:1", "kkkko-Tbbbbb", 5435 + 525},
        stateCase{"eightColours", sayF1 + "Colors:8", "kkkko-Tbbbbb", 8690 + 525},
        stateCase{"radioAddWithNothingPicked", radioF1 + "cmdRadioAdd", "kkkko-R", radio},
        stateCase{"radioAdd", radioF1 + "Radio:Sniper cmdRadioAdd", "KKKK++", keys, "", "radio:"},
        stateCase{"radioCancel", radioF1 + "cmdRadioCancel", "KKKK++", keys},
        stateCase{"buildingTextAgainKeepsClear", done + "cmdContinue", "kkkko+T", text, "", "say"},
        // Cancel also removes the pieces made before this Continue.
        stateCase{"cancelYes", done + "cmdContinue Colors:1 yes cmdTextCancel", "KKKK++", keys, cancel, no},
        stateCase{"cancelNo", done + "cmdContinue Colors:2 no cmdTextCancel", "kkkko+Tbbbbb", twoColors, cancel, "say"},
        // Clear names the key of the last Continue, not the one picked since; before one there is none.
        stateCase{"clearYes", done + "Keys:F2 yes cmdClear", "KKKK++", keys, clear, no},
        stateCase{"clearNo", done + "Keys:F2 no cmdClear", "KKKK++", keys, clear, "say"},
        stateCase{"clearYesInRadio", done + "optRadio cmdContinue yes cmdClear", "KKKK++", keys, clear, no},
        stateCase{"resetYesInText", done + "cmdContinue yes mnuReset", "KKKK++", keys, reset, no, no},
        stateCase{"resetNoInRadio", done + "optRadio cmdContinue no mnuReset", "kkkko+R", radio, reset, "say"},
        stateCase{"resetBeforeAnyContinue", "Keys:F1 optPublicBind yes mnuReset", "KKKK+-", keys, reset, no, no}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(frmConstruct, exitAsksByMenuAndCloseBoxAndOnYesStoresTheStyleAndEnds) {
    for (const bool closeBox : {false, true})
        for (const bool yes : {false, true}) {
            SCOPED_TRACE(std::to_string(closeBox) + std::to_string(yes));
            constructScreen s;
            s.ctx.currentColorStyle = "Dracula";
            s.run(yes ? "yes" : "no");
            closeBox ? void(s.form->close()) : s.run("mnuExit");
            EXPECT_EQ(s.asked(), "Exit?: Are you sure you want to exit? Any unsaved information will be lost! (!) [Yes No]\n");
            EXPECT_EQ(s.fake.exit.ends, yes ? 1 : 0);
            const auto style = s.fake.settings.values.find("Brenvolt Beta 0.98/ColorSettings/ColorStyle");
            EXPECT_EQ(style == s.fake.settings.values.end() ? "" : style->second, yes ? "Dracula" : "");
            EXPECT_EQ(s.form->isVisible(), !(closeBox && yes));
            s.fake.exit.endProgram();  // closing while the program ends asks nothing more
            s.form->close();
            EXPECT_TRUE(s.fake.messages.log.size() == 1 && !s.form->isVisible());
        }
}

}  // namespace
