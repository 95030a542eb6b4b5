// The construction screen's controls as designed: names, kinds, captions,
// places (twips, inside their frame), menus and tab order. Run-time layout
// rules live in frmConstruct.cpp and frmConstructText.cpp.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "construction/frmConstruct.h"
#include "construction/chatPreviewBar.h"
#include "construction/keyPressFilter.h"
#include "widgets/twips.h"

namespace {

template <typename T>
T* named(QWidget* parent, const char* name) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A pick-only drop-down list: no typing, nothing picked until the user picks.
QComboBox* dropDownList(QWidget* parent, const char* name) {
    auto* c = named<QComboBox>(parent, name);
    c->setEditable(false);
    // The lists can be long (a definition file may hold thousands of keys):
    // never measure every entry for a size hint.
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    auto* l = named<QLabel>(parent, name);
    l->setTextFormat(Qt::PlainText);
    l->setText(QString::fromLatin1(caption));
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = named<QPushButton>(parent, name);
    b->setText(QString::fromLatin1(caption));
    b->setAutoDefault(false);
    return b;
}

// A box the user cannot change in any way (typing, Delete, cut, paste,
// drop); the program writes it. Typed keys are dropped without a beep.
QLineEdit* shownOnly(QWidget* parent, const char* name) {
    auto* t = named<QLineEdit>(parent, name);
    t->setReadOnly(true);
    return t;
}

// The layout is measured for an 8 point sans serif face (11 pixels at 15
// twips a pixel); a wider default face would cut the captions. Set on every
// control, since a painted control does not take its parent's face.
QFont controlFace(QFont face) {
    face.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans")});
    face.setPixelSize(11);
    return face;
}

}  // namespace

void frmConstruct::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmConstructClient"));
    setCentralWidget(client);

    fraSelect = named<QGroupBox>(client, "fraSelect");
    fraSelect->setTitle(QStringLiteral("Select Key"));
    place(fraSelect, 240, 120, 4455, 1935);
    lblKeys = label(fraSelect, "lblKeys", "Key To Bind:");
    place(lblKeys, 240, 400, 1110, 195);
    cboKeys = dropDownList(fraSelect, "cboKeys");
    place(cboKeys, 1440, 360, 2775, 315);
    lblKind = label(fraSelect, "lblKind", "Kind:");
    place(lblKind, 960, 880, 450, 195);
    txtKind = shownOnly(fraSelect, "txtKind");
    place(txtKind, 1440, 840, 2775, 285);
    lblDesc = label(fraSelect, "lblDesc", "Description:");
    place(lblDesc, 360, 1360, 1035, 195);
    txtDesc = shownOnly(fraSelect, "txtDesc");
    place(txtDesc, 1440, 1320, 2775, 285);

    fraBindType = named<QGroupBox>(client, "fraBindType");
    fraBindType->setTitle(QStringLiteral("Type of Bind"));
    place(fraBindType, 4920, 120, 4215, 1935);
    optPublicBind = named<QRadioButton>(fraBindType, "optPublicBind");
    optPublicBind->setText(QStringLiteral("Text Bind (Public)"));
    place(optPublicBind, 240, 360, 2775, 375);
    optTeamBind = named<QRadioButton>(fraBindType, "optTeamBind");
    optTeamBind->setText(QStringLiteral("Text Bind (Team Say)"));
    place(optTeamBind, 240, 840, 2415, 375);
    optRadio = named<QRadioButton>(fraBindType, "optRadio");
    optRadio->setText(QStringLiteral("Radio Bind"));
    place(optRadio, 240, 1320, 2415, 375);
    cmdClear = button(fraBindType, "cmdClear", "Clear");
    place(cmdClear, 2280, 1560, 855, 300);
    cmdContinue = button(fraBindType, "cmdContinue", "Continue");
    place(cmdContinue, 3240, 1560, 855, 300);

    createTextFrame();

    fraRadio = named<QGroupBox>(client, "fraRadio");
    fraRadio->setTitle(QStringLiteral("Build Radio Bind"));
    place(fraRadio, 240, 2280, 8895, 855);
    lblRadio = label(fraRadio, "lblRadio", "Select Radio Bind:");
    place(lblRadio, 120, 400, 1800, 195);
    cboRadio = dropDownList(fraRadio, "cboRadio");
    place(cboRadio, 2040, 360, 4815, 315);
    cmdRadioAdd = button(fraRadio, "cmdRadioAdd", "Add");
    place(cmdRadioAdd, 6960, 360, 855, 300);
    cmdRadioCancel = button(fraRadio, "cmdRadioCancel", "Cancel");
    place(cmdRadioCancel, 7920, 360, 855, 300);

    createMenus();
    setupTabOrder();
    client->setFont(controlFace(client->font()));
    for (QWidget* w : client->findChildren<QWidget*>()) w->setFont(controlFace(w->font()));
}

void frmConstruct::createTextFrame() {
    fraTextBind = named<QGroupBox>(centralWidget(), "fraTextBind");
    fraTextBind->setTitle(QStringLiteral("Build Text Bind"));
    place(fraTextBind, 240, 3600, 8895, 4575);
    chatPreview = new chatPreviewBar(centralWidget());
    chatPreview->hide();
    lblText = label(fraTextBind, "lblText", "Text To add:");
    place(lblText, 240, 480, 1110, 195);
    txtText = named<QLineEdit>(fraTextBind, "txtText");
    place(txtText, 1440, 480, 6255, 285);
    // Typed, pasted and dropped text alike: letters, digits, space and the
    // chat punctuation, never ";" nor the start of a console comment.
    const clsInputHandler& filters = ctx_.inputHandler;
    filterBox(txtText, ctx_.platform.beep,
              boxRules{[&filters](char c, std::string_view before, std::string_view after) {
                           return filters.chatCharFits(c, before, after);
                       },
                       [&filters](std::string_view text) { return filters.cleanChatText(text); }});
    lblColors = label(fraTextBind, "lblColors", "Amount of Colors in Pattern:");
    place(lblColors, 240, 1155, 2400, 195);
    cboColors = dropDownList(fraTextBind, "cboColors");
    place(cboColors, 2760, 1080, 1215, 315);
    lblSwitch = label(fraTextBind, "lblSwitch", "Length Color Pattern:");
    place(lblSwitch, 4320, 1080, 1830, 195);
    cboSwitch = dropDownList(fraTextBind, "cboSwitch");
    place(cboSwitch, 6240, 1080, 975, 315);
    chkAddToFront = named<QCheckBox>(fraTextBind, "chkAddToFront");
    chkAddToFront->setText(QStringLiteral("Add To Front"));
    place(chkAddToFront, 6240, 1440, 1575, 375);
    // Colour row 0; set-up makes rows 1 to 7 as its copies.
    lblColor[0] = label(fraTextBind, "lblColor0", "Color");
    place(lblColor[0], 360, 1605, 1530, 195);
    cboColor[0] = dropDownList(fraTextBind, "cboColor0");
    place(cboColor[0], 2040, 1560, 1935, 315);
    lblOutput = label(fraTextBind, "lblOutput", "Bind Made:");
    place(lblOutput, 120, 2880, 1080, 195);
    txtOutput = shownOnly(fraTextBind, "txtOutput");
    place(txtOutput, 1320, 2880, 6375, 285);
    cmdTextAdd = button(fraTextBind, "cmdTextAdd", "Add");
    place(cmdTextAdd, 7920, 480, 855, 300);
    cmdTextUndo = button(fraTextBind, "cmdTextUndo", "Undo Last");
    place(cmdTextUndo, 7920, 780, 855, 300);
    cmdTextDone = button(fraTextBind, "cmdTextDone", "Done");
    place(cmdTextDone, 7920, 1080, 855, 300);
    cmdTextCancel = button(fraTextBind, "cmdTextCancel", "Cancel");
    place(cmdTextCancel, 7920, 1380, 855, 300);
    cmdTextOsp = button(fraTextBind, "cmdTextOsp", "Add OSP");
    place(cmdTextOsp, 7920, 1680, 855, 300);
}

// Colour row k as a copy of row 0: same kind, place and size (set-up moves
// it down), joined to the tab order after row k-1.
void frmConstruct::createColorRow(int k) {
    const QByteArray row = QByteArray::number(k);
    lblColor[k] = label(fraTextBind, ("lblColor" + row).constData(), "Color");
    const QRect label0 = twipsLayout_.value(lblColor[0]);
    place(lblColor[k], label0.x(), label0.y(), label0.width(), label0.height());
    cboColor[k] = dropDownList(fraTextBind, ("cboColor" + row).constData());
    const QRect combo0 = twipsLayout_.value(cboColor[0]);
    place(cboColor[k], combo0.x(), combo0.y(), combo0.width(), combo0.height());
    QWidget::setTabOrder(cboColor[k - 1], cboColor[k]);
    lblColor[k]->setFont(lblColor[0]->font());
    cboColor[k]->setFont(cboColor[0]->font());
}

void frmConstruct::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("frmConstructMenu"));
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = mnuFile->addAction(QStringLiteral("&Save"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuReset = mnuFile->addAction(QStringLiteral("&Reset"));
    mnuReset->setObjectName(QStringLiteral("mnuReset"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuExtra = bar->addMenu(QStringLiteral("&Extra"));
    mnuExtra->setObjectName(QStringLiteral("mnuExtra"));
    mnuReview = mnuExtra->addAction(QStringLiteral("Review Made Binds"));
    mnuReview->setObjectName(QStringLiteral("mnuReview"));
    mnuColorStyle = mnuExtra->addAction(QStringLiteral("Color Style"));
    mnuColorStyle->setObjectName(QStringLiteral("mnuColorStyle"));
    // Help is an item of the bar itself: it acts when chosen.
    mnuHelp = bar->addAction(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
}

// Tab order: the controls in the order the screen lists them, frame by
// frame (the colour rows after the pattern lists, row 0 first). The colour
// rows 1 to 7 join the chain when set-up makes them.
void frmConstruct::setupTabOrder() {
    QWidget* const chain[] = {cboKeys,    txtKind,     txtDesc,   optPublicBind, optTeamBind,
                              optRadio,   cmdClear,    cmdContinue, txtText,     cboColors,
                              cboSwitch,  chkAddToFront, cboColor[0], txtOutput, cmdTextAdd,
                              cmdTextUndo, cmdTextDone, cmdTextCancel, cmdTextOsp, cboRadio,
                              cmdRadioAdd, cmdRadioCancel};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}
