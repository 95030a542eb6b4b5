// The construction screen's text frame: the colour pattern, adding pieces
// to the front or back of the bind, undo, OSP tokens, done and cancel.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <string>
#include <vector>

#include "ui/construction/frmConstruct.h"
#include "ui/construction/chatPreviewBar.h"
#include "ui/construction/frmOSp.h"
#include "ui/widgets/keyPressFilter.h"
#include "ui/widgets/qtListControl.h"

namespace {
const std::string missingTitle = "Missing Information";
}  // namespace

void frmConstruct::cboColors_Click() {
    const std::int16_t n = pickedNumber(cboColors);
    if (n >= 1 && n <= colorRows) showPatternColors(n);
}

void frmConstruct::showPatternColors(std::int16_t n) {
    colorCount = n;
    // Picks in hidden rows stay and come back when the rows show again.
    for (int k = 0; k < colorRows; ++k) {
        lblColor[k]->setVisible(k < n);
        cboColor[k]->setVisible(k < n);
    }
    setTopOf(txtOutput, topOf(cboColor[n - 1]) + heightOf(cboColor[n - 1]) + 150);
    setTopOf(lblOutput, topOf(txtOutput) + 60);
    setHeightOf(fraTextBind, topOf(txtOutput) + heightOf(txtOutput) + 150);
    placeChatPreview();
    setWindowHeight(textBindWindowHeight());
    for (QPushButton* b : {cmdTextAdd, cmdTextUndo, cmdTextDone, cmdTextCancel, cmdTextOsp}) b->show();
}

void frmConstruct::chkAddToFront_Click() { addToFront = chkAddToFront->isChecked(); }

void frmConstruct::cmdTextAdd_Click() {
    // Back to the text line for the next piece, whatever comes of this one.
    txtText->setFocus();
    const std::int16_t n = colorCount;
    std::vector<std::string> codes;
    bool colorsComplete = true;
    for (int k = 0; k < n; ++k) {
        // A row without a pick has no colour, whatever names the group holds.
        const std::string code =
            cboColor[k]->currentIndex() < 0 ? std::string() : ctx_.builder.get_value("color:", pickedText(cboColor[k]));
        if (code.empty()) colorsComplete = false;
        codes.push_back(code);
    }
    const std::string text = boxCodes(txtText->text());
    const bool textEmpty = text.find_first_not_of(' ') == std::string::npos;
    const std::int16_t switchLength = pickedNumber(cboSwitch);

    if (textEmpty) {
        ctx_.platform.messages.show(missingTitle, "You have to fill in some text to be added to the bind!",
                                    msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    if (switchLength == 0) {
        ctx_.platform.messages.show(
            missingTitle, "You have to fill in how many characters the pattern will be until the color changes again!",
            msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    if (!colorsComplete) {
        ctx_.platform.messages.show(missingTitle,
                                    "Oops! You forgot to fill in one or more colors!\r\n"
                                    "If you want to use less colors then change the amount of colors in pattern!",
                                    msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    if (!ctx_.builder.add_code(currentKey, text, currentKind, codes, n, std::to_string(switchLength),
                               chkAddToFront->isChecked())) {
        // The typed text stays, so nothing is lost.
        tellRefusal();
        return;
    }
    txtText->clear();
    showRefused({});
    showBindCode();
}

void frmConstruct::cmdTextUndo_Click() {
    ctx_.builder.remove_bind_part(currentKey);
    showBindCode();
    txtText->setFocus();
}

void frmConstruct::cmdTextDone_Click() { resetScreen(); }

void frmConstruct::cmdTextCancel_Click() {
    if (!askYesNo("Cancel?", "Are you sure you don't want a bind for key: " + currentKey)) return;
    ctx_.builder.remove_entire_bind(currentKey);
    resetScreen();
}

void frmConstruct::cmdTextOsp_Click() {
    QPointer<frmOSp> osp = new frmOSp(ctx_, this);
    osp->set_Properties(currentKey, currentKind, addToFront ? "True" : "False");
    osp->exec();
    delete osp;
    showBindCode();
    txtText->setFocus();
}

void frmConstruct::showBindCode() {
    const std::string code = ctx_.builder.get_bindcode(currentKey);
    txtOutput->setText(showText(code));
    if (code == clsScheme::notBound)
        chatPreview->clear();
    else
        chatPreview->showBind(code, clsBindLine::text(currentKey, currentKind, code).size());
}

// Why the builder refused the latest add, in a player's words.
void frmConstruct::tellRefusal() {
    const clsRefusal r = clsBindLine::refusal(ctx_.builder.get_refusal(), currentKind == clsBindLine::radioKind);
    ctx_.platform.messages.show(r.title, r.text, msgIcon::Exclamation, msgButtons::Ok);
}

// The number a pattern list shows (its leading space ignored); 0 when
// nothing is picked.
std::int16_t frmConstruct::pickedNumber(const QComboBox* list) {
    if (list->currentIndex() < 0) return 0;
    bool ok = false;
    const int n = list->currentText().trimmed().toInt(&ok);
    return ok ? static_cast<std::int16_t>(n) : std::int16_t{0};
}
