// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/textBindFrame.h"
#include "ui_textBindFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

#include "model/console/clsBindLine.h"
#include "model/console/clsChatPreview.h"
#include "platform/qtText.h"
#include "ui/construction/chatPreviewBar.h"
#include "ui/construction/frmOSp.h"
#include "ui/shell/clsAppContext.h"
#include "ui/styles/stylePainter.h"
#include "ui/widgets/fitCaption.h"
#include "ui/widgets/keyPressFilter.h"
#include "ui/widgets/qtListControl.h"
#include "ui/widgets/twipsLayout.h"

namespace {

// A number as the screen writes it into captions and lists: one leading
// space where a sign would go.
QString signed16(int n) { return QStringLiteral(" ") + QString::number(n); }
QString rowCaption(int row) { return textBindFrame::tr("Pattern Color #%1:").arg(signed16(row)); }

// The number a pattern list shows (its leading space ignored); 0 when
// nothing is picked.
std::int16_t pickedNumber(const QComboBox* list) {
    if (list->currentIndex() < 0) return 0;
    bool ok = false;
    const int n = list->currentText().trimmed().toInt(&ok);
    return ok ? static_cast<std::int16_t>(n) : std::int16_t{0};
}

}  // namespace

textBindFrame::textBindFrame(QWidget* parent) : QGroupBox(parent), ui(std::make_unique<Ui::textBindFrame>()) {
    ui->setupUi(this);
    lblColor[0] = ui->lblColor0;
    cboColor[0] = ui->cboColor0;
    connect(ui->cboColors, &QComboBox::activated, this, [this] { cboColors_Click(); });
    connect(ui->chkAddToFront, &QCheckBox::clicked, this, [this] { chkAddToFront_Click(); });
    connect(ui->cmdTextAdd, &QPushButton::clicked, this, [this] { cmdTextAdd_Click(); });
    connect(ui->cmdTextUndo, &QPushButton::clicked, this, [this] { cmdTextUndo_Click(); });
    connect(ui->cmdTextDone, &QPushButton::clicked, this, [this] { cmdTextDone_Click(); });
    connect(ui->cmdTextCancel, &QPushButton::clicked, this, [this] { cmdTextCancel_Click(); });
    connect(ui->cmdTextOsp, &QPushButton::clicked, this, [this] { cmdTextOsp_Click(); });
}

textBindFrame::~textBindFrame() = default;

void textBindFrame::setUp(clsAppContext& ctx, twipsLayout& layout, chatPreviewBar* preview) {
    ctx_ = &ctx;
    layout_ = &layout;
    chatPreview = preview;
    // Typed, pasted and dropped text alike: letters, digits, space and the
    // chat punctuation, never ";" nor the start of a console comment.
    const clsInputHandler& filters = ctx.inputHandler;
    // What it refuses is named, with why, in the line over it until the
    // next character it takes.
    filterBox(ui->txtText, ctx.platform.beep,
              boxRules{[&filters](char c, std::string_view before, std::string_view after) {
                           return filters.chatCharFits(c, before, after);
                       },
                       [&filters](std::string_view text) { return filters.cleanChatText(text); },
                       [this](const QString& removed) { showRefused(removed); }, [this] { showRefused({}); }});

    learnSwatches();
    // Stacked controls stand 150 apart; a label sits 60 below the top of the
    // control it names.
    twipsLayout& l = layout;
    l.setTopOf(ui->cboColors, l.topOf(ui->txtText) + l.heightOf(ui->txtText) + 150);
    l.setTopOf(ui->lblColors, l.topOf(ui->cboColors) + 60);
    l.setTopOf(ui->cboSwitch, l.topOf(ui->cboColors));
    l.setTopOf(ui->lblSwitch, l.topOf(ui->cboSwitch) + 60);

    l.setTopOf(cboColor[0], l.topOf(ui->cboColors) + l.heightOf(ui->cboColors) + 150);
    l.setTopOf(lblColor[0], l.topOf(cboColor[0]) + 60);
    fillColorRow(0);
    lblColor[0]->setText(rowCaption(1));
    ui->cboColors->addItem(signed16(1));
    for (int k = 1; k < colorRows; ++k) {
        createColorRow(k);
        l.setTopOf(cboColor[k], l.topOf(cboColor[k - 1]) + l.heightOf(cboColor[k - 1]) + 150);
        l.setTopOf(lblColor[k], l.topOf(cboColor[k]) + 60);
        lblColor[k]->setText(rowCaption(k + 1));
        ui->cboColors->addItem(signed16(k + 1));
    }
}

// Colour row k as a copy of row 0: same kinds, caption, faces, place and
// size (set-up moves it down), joined to the tab order after row k-1.
void textBindFrame::createColorRow(int k) {
    const QString row = QString::number(k);
    lblColor[k] = new QLabel(this);
    lblColor[k]->setObjectName(QStringLiteral("lblColor") + row);
    lblColor[k]->setTextFormat(lblColor[0]->textFormat());
    lblColor[k]->setText(lblColor[0]->text());
    const QRect label0 = layout_->twipsOf(lblColor[0]);
    layout_->place(lblColor[k], label0.x(), label0.y(), label0.width(), label0.height());
    cboColor[k] = new QComboBox(this);
    cboColor[k]->setObjectName(QStringLiteral("cboColor") + row);
    cboColor[k]->setSizeAdjustPolicy(cboColor[0]->sizeAdjustPolicy());
    cboColor[k]->setMaxVisibleItems(cboColor[0]->maxVisibleItems());
    cboColor[k]->setIconSize(cboColor[0]->iconSize());
    const QRect combo0 = layout_->twipsOf(cboColor[0]);
    layout_->place(cboColor[k], combo0.x(), combo0.y(), combo0.width(), combo0.height());
    QWidget::setTabOrder(cboColor[k - 1], cboColor[k]);
    lblColor[k]->setFont(lblColor[0]->font());
    cboColor[k]->setFont(cboColor[0]->font());
}

std::vector<QWidget*> textBindFrame::tabChain() const {
    std::vector<QWidget*> chain{ui->txtText, ui->cboColors, ui->cboSwitch, ui->chkAddToFront};
    chain.insert(chain.end(), cboColor.begin(), cboColor.end());
    chain.insert(chain.end(),
                 {ui->txtOutput, ui->cmdTextAdd, ui->cmdTextUndo, ui->cmdTextDone, ui->cmdTextCancel, ui->cmdTextOsp});
    return chain;
}

void textBindFrame::reset() {
    hide();
    // Only the text line and the pattern lists show.
    layout_->setHeightOf(this, layout_->topOf(ui->cboColors) + layout_->heightOf(ui->cboColors) + 150);
    ui->cboColors->clear();
    ui->cboSwitch->clear();
    for (int k = 0; k < colorRows; ++k) {
        lblColor[k]->hide();
        cboColor[k]->hide();
        fillColorRow(k);
        ui->cboColors->addItem(signed16(k + 1));
    }
    for (int w = 1; w <= 10; ++w) ui->cboSwitch->addItem(signed16(w));
    // A list that gets entries picks the first; these show nothing picked.
    ui->cboColors->setCurrentIndex(-1);
    ui->cboSwitch->setCurrentIndex(-1);
    for (QPushButton* b : {ui->cmdTextAdd, ui->cmdTextUndo, ui->cmdTextDone, ui->cmdTextCancel, ui->cmdTextOsp})
        b->hide();
    ui->txtText->clear();
    showRefused({});
    ui->txtOutput->clear();
    chatPreview->clear();
    chatPreview->hide();
}

void textBindFrame::start(const std::string& key, clsBindKind kind) {
    currentKey = key;
    currentKind = kind;
    show();
    chatPreview->clear();
    chatPreview->show();
    ui->txtText->setFocus();
}

void textBindFrame::paint(stylePainter& paint, const QFont& face) {
    paint.buttons({ui->cmdTextAdd, ui->cmdTextUndo, ui->cmdTextDone, ui->cmdTextCancel, ui->cmdTextOsp});
    // The buttons are narrow: keep their whole width for the caption.
    for (QPushButton* b : {ui->cmdTextAdd, ui->cmdTextUndo, ui->cmdTextDone, ui->cmdTextCancel, ui->cmdTextOsp})
        b->setStyleSheet(b->styleSheet() +
                         QStringLiteral(" QPushButton#%1 { padding: 1px 0px; }").arg(b->objectName()));
    // A row whose caption would be cut shrinks together.
    fitCaptions(face, {ui->cmdTextAdd, ui->cmdTextUndo, ui->cmdTextDone, ui->cmdTextCancel, ui->cmdTextOsp});
    paint.labels({ui->lblText, ui->lblRefused, ui->lblColors, ui->lblOutput, ui->lblSwitch});
    paint.boxes({ui->txtText, ui->cboColors, ui->txtOutput, ui->cboSwitch});
    // Every colour row, shown or not.
    for (int k = 0; k < colorRows; ++k) {
        paint.label(lblColor[k]);
        paint.box(cboColor[k]);
    }
    paint.framesAndOptions({this, ui->chkAddToFront});
}

// ---- The handlers ----------------------------------------------------------

void textBindFrame::cboColors_Click() {
    const std::int16_t n = pickedNumber(ui->cboColors);
    if (n >= 1 && n <= colorRows) showPatternColors(n);
}

void textBindFrame::showPatternColors(std::int16_t n) {
    colorCount = n;
    // Picks in hidden rows stay and come back when the rows show again.
    for (int k = 0; k < colorRows; ++k) {
        lblColor[k]->setVisible(k < n);
        cboColor[k]->setVisible(k < n);
    }
    twipsLayout& l = *layout_;
    l.setTopOf(ui->txtOutput, l.topOf(cboColor[n - 1]) + l.heightOf(cboColor[n - 1]) + 150);
    l.setTopOf(ui->lblOutput, l.topOf(ui->txtOutput) + 60);
    l.setHeightOf(this, l.topOf(ui->txtOutput) + l.heightOf(ui->txtOutput) + 150);
    emit resized();
    for (QPushButton* b : {ui->cmdTextAdd, ui->cmdTextUndo, ui->cmdTextDone, ui->cmdTextCancel, ui->cmdTextOsp})
        b->show();
}

void textBindFrame::chkAddToFront_Click() { addToFront = ui->chkAddToFront->isChecked(); }

void textBindFrame::cmdTextAdd_Click() {
    // Back to the text line for the next piece, whatever comes of this one.
    ui->txtText->setFocus();
    const std::int16_t n = colorCount;
    std::vector<std::string> codes;
    bool colorsComplete = true;
    for (int k = 0; k < n; ++k) {
        // A row without a pick has no colour, whatever names the group holds.
        const std::string code = cboColor[k]->currentIndex() < 0
                                     ? std::string()
                                     : ctx_->builder.get_value(clsGroupToken::color, pickedText(cboColor[k]));
        if (code.empty()) colorsComplete = false;
        codes.push_back(code);
    }
    const std::string text = boxCodes(ui->txtText->text());
    const bool textEmpty = text.find_first_not_of(' ') == std::string::npos;
    const std::int16_t switchLength = pickedNumber(ui->cboSwitch);
    IMessageBox& messages = ctx_->platform.messages;
    const std::string missingTitle = tr("Missing Information").toStdString();

    if (textEmpty) {
        messages.show(missingTitle, tr("You have to fill in some text to be added to the bind!").toStdString(),
                      msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    if (switchLength == 0) {
        messages.show(missingTitle,
                      tr("You have to fill in how many characters the pattern will be until the color changes "
                         "again!")
                          .toStdString(),
                      msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    if (!colorsComplete) {
        messages.show(
            missingTitle,
            tr("Oops! You forgot to fill in one or more colors!").toStdString() + "\r\n" +
                tr("If you want to use less colors then change the amount of colors in pattern!").toStdString(),
            msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    if (!ctx_->builder.add_code(currentKey, text, currentKind, codes, n, std::to_string(switchLength),
                                ui->chkAddToFront->isChecked())) {
        // The typed text stays, so nothing is lost.
        tellRefusal();
        return;
    }
    ui->txtText->clear();
    showRefused({});
    showBindCode();
}

void textBindFrame::cmdTextUndo_Click() {
    ctx_->builder.remove_bind_part(currentKey);
    showBindCode();
    ui->txtText->setFocus();
}

void textBindFrame::cmdTextDone_Click() { emit finished(); }

// Cancel deletes the bind being built: No is what Enter answers.
void textBindFrame::cmdTextCancel_Click() {
    if (ctx_->platform.messages.show(
            tr("Cancel?").toStdString(),
            tr("Are you sure you don't want a bind for key: %1").arg(toQString(currentKey)).toStdString(),
            msgIcon::None, msgButtons::YesNo, msgAnswer::No) != msgAnswer::Yes)
        return;
    ctx_->builder.remove_entire_bind(currentKey);
    emit finished();
}

void textBindFrame::cmdTextOsp_Click() {
    QPointer<frmOSp> osp = new frmOSp(*ctx_, window());
    osp->set_Properties(currentKey, std::string(kindText(currentKind)), addToFront ? "True" : "False");
    osp->exec();
    delete osp;
    showBindCode();
    ui->txtText->setFocus();
}

// ---- Helpers ---------------------------------------------------------------

void textBindFrame::showBindCode() {
    const std::string code = ctx_->builder.get_bindcode(currentKey);
    // The model's "not bound" answer is shown in the player's language.
    ui->txtOutput->setText(code == clsScheme::notBound ? tr("This key is not bound yet...") : toQString(code));
    if (ctx_->builder.isBound(currentKey))
        chatPreview->showBind(code, clsBindLine::text(currentKey, currentKind, code).size());
    else
        chatPreview->clear();
}

// Why the builder refused the latest add, in a player's words.
void textBindFrame::tellRefusal() {
    const clsRefusal r = clsBindLine::refusal(ctx_->builder.get_refusal(), false);
    ctx_->platform.messages.show(r.title, r.text, msgIcon::Exclamation, msgButtons::Ok);
}

// The line over the text box: what the box took out of what was typed or
// pasted, and why; nothing when removed is empty. A line too long for the
// frame ends in "…" and shows whole as its tool tip.
void textBindFrame::showRefused(const QString& removed) {
    const QString line = toQString(clsInputHandler::refusalLine(removed.toStdU32String()));
    ui->lblRefused->setToolTip(line);
    ui->lblRefused->setText(ui->lblRefused->fontMetrics().elidedText(line, Qt::ElideRight, ui->lblRefused->width()));
}

// Each colour's swatch by its name: the colour of the first entry of that
// name, as get_value finds it. The definitions stay the same while the
// screen lives, so one walk of the group serves every fill.
void textBindFrame::learnSwatches() {
    colorSwatch_.clear();
    clsGroup& colors = ctx_->builder.getGroup(clsGroupToken::color);
    colors.get_front();
    while (colors.has_next()) {
        const clsItem& item = colors.get_next();
        const QByteArray name(item.Description.data(), static_cast<qsizetype>(item.Description.size()));
        if (!colorSwatch_.contains(name)) colorSwatch_.insert(name, clsChatPreview::swatchIndex(item.value));
    }
}

// A square of the game colour with a grey edge, so that black and white
// show on any box colour.
QIcon textBindFrame::swatchIcon(int index) {
    QIcon& icon = swatchIcons_[static_cast<std::size_t>(index & 7)];
    if (icon.isNull()) {
        const clsChatColor c = clsChatPreview::rgb(index);
        QPixmap square(12, 12);
        square.fill(QColor(c.red, c.green, c.blue));
        QPainter edge(&square);
        edge.setPen(QColor(0x80, 0x80, 0x80));
        edge.drawRect(0, 0, 11, 11);
        edge.end();
        icon = QIcon(square);
    }
    return icon;
}

// Colour row k lists the colours by name, each with the swatch of its code.
void textBindFrame::fillColorRow(int k) {
    comboListControl row(cboColor[k], true);
    ctx_->builder.fillCombo(row, clsGroupToken::color);
    for (int i = 0; i < cboColor[k]->count(); ++i) {
        const int index = colorSwatch_.value(cboColor[k]->itemData(i).toByteArray(), -1);
        if (index >= 0) cboColor[k]->setItemIcon(i, swatchIcon(index));
    }
}
