// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QtWidgets>

#include "model/styles/clsContrast.h"
#include "support/windowTestContext.h"
#include "ui/construction/frmConstruct.h"
#include "ui/construction/frmOSp.h"
#include "ui/construction/frmReview.h"
#include "ui/help/frmHelp.h"
#include "ui/save/frmSaveToFile.h"
#include "ui/shell/frmStart.h"
#include "ui/styles/frmColorStyle.h"
#include "ui/styles/stylePainter.h"

namespace {

using namespace paintProbe;

constexpr std::uint32_t face = 0x8000000F;
struct styleCase {
    const char* name;
    std::uint32_t button, label, box, form;  // 00BBGGRR
} const styles[] = {{"Windows", face, 0x000000, 0xFFFFFF, face},
                    {"Dracula", 0x0000FF, 0xFFFFFF, 0xC0C0C0, 0x000000},
                    {"Greek", 0xFF0000, 0xFF0000, 0xFFC0C0, 0xFFFFFF}};
void PrintTo(const styleCase& s, std::ostream* out) { *out << s.name; }

template <typename W> QWidget* dialog(windowTestContext& t, helpWindowHolder&, QWidget* o) { return new W(t.ctx, o); }
QWidget* construction(windowTestContext& t, helpWindowHolder& help, QWidget*) { return new frmConstruct(t.ctx, help); }
QWidget* start(windowTestContext& t, helpWindowHolder&, QWidget*) {
    t.platform.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"] = t.ctx.currentColorStyle;
    auto* w = new frmStart(t.platform.services);
    w->findChild<QAction*>("mnuNew")->trigger();  // the layout where the controls show
    return w;
}

// Hidden colour rows are painted too; the radio buttons inside a painted frame keep the platform's face.
struct windowCase {
    const char* name;
    QWidget* (*open)(windowTestContext&, helpWindowHolder&, QWidget*);
    std::vector<const char*> buttons, labels, boxes, framesAndOptions, unpainted;
} const windows[] = {
    {"start", start, {"cmdContinue"}, {"lblInput"}, {"fileInput"}, {}, {}},
    {"construction",
     construction,
     {"cmdContinue", "cmdTextOsp"},
     {"lblKeys", "lblColor7"},
     {"cboKeys", "txtText", "txtOutput", "cboColor7", "cboRadio"},
     {"fraSelect", "fraRadio", "optTeamBind", "chkAddToFront"},
     {"cmdRadioAdd", "cmdRadioCancel"}},
    {"osp", dialog<frmOSp>, {"cmdOk"}, {"lblOsp"}, {"cboOsp"}, {}, {}},
    {"review", dialog<frmReview>, {"cmdOk"}, {}, {"lstReview"}, {}, {}},
    {"save", dialog<frmSaveToFile>, {"cmdSave"}, {"lblFilename"}, {"txtFilename"}, {}, {}},
    {"colorStyle", dialog<frmColorStyle>, {"cmdOk"}, {"lblcolorstyle"}, {"cboColorStyle"}, {}, {}},
    {"help", dialog<frmHelp>, {"cmdOk"}, {}, {"txtHelp"}, {}, {}},
};
void PrintTo(const windowCase& w, std::ostream* out) { *out << w.name; }

class windowPainting : public testing::TestWithParam<std::tuple<windowCase, styleCase>> {};

// Dialogs open over a painted window, whose style sheet must not reach them (a larger font once cut their captions).
TEST_P(windowPainting, showsTheStylesColoursAndWholeCaptions) {
    const auto& [win, style] = GetParam();
    windowTestContext t(windowTestContext::standardDefinitions, style.name);
    helpWindowHolder help(t.ctx);
    QWidget opener;
    opener.setObjectName("opener");
    opener.setStyleSheet("QWidget#opener { background-color: #ffffff; }");
    opener.show();
    const std::unique_ptr<QWidget> window(win.open(t, help, &opener));
    window->show();
    const QColor form = bgr(style.form), button = bgr(style.button), label = bgr(style.label), box = bgr(style.box);
    auto drawn = [&](const char* name, const QColor& under = QColor(1, 2, 3)) {
        QWidget* w = control<QWidget>(window.get(), name);
        EXPECT_NE(w, nullptr) << name;
        return w ? ownImage(w, under) : QImage();
    };
    EXPECT_EQ(windowBackground(window.get()), form) << "window background";
    // Buttons: their face, and a caption in black or white, whichever reads on it.
    const QColor caption = stylePainter::fromBgr(clsContrast::textOn(stylePainter::toBgr(button)));
    for (const char* name : win.buttons) {
        EXPECT_EQ(dominant(drawn(name, form)), button) << name << " face";
        EXPECT_TRUE(shows(drawn(name, form), caption, 60)) << name << " caption";
    }
    // The buttons of a row (a parent, a top or a left edge) share one face.
    const auto all = window->findChildren<QPushButton*>();
    for (const QPushButton* a : all)
        for (const QPushButton* b : all)
            EXPECT_TRUE(a->parentWidget() != b->parentWidget() || (a->y() != b->y() && a->x() != b->x()) ||
                        a->font() == b->font())
                << a->objectName().toStdString() << " " << b->objectName().toStdString();
    for (const char* name : win.labels) EXPECT_TRUE(shows(drawn(name, form), label)) << name << " text";
    for (const char* name : win.boxes) EXPECT_EQ(dominant(drawn(name, form)), box) << name << " background";
    for (const char* name : win.framesAndOptions) {
        EXPECT_TRUE(dominant(drawn(name)) == form) << name << " background";
        EXPECT_TRUE(shows(drawn(name), label)) << name << " caption";
    }
    for (const char* name : win.unpainted)
        EXPECT_TRUE(style.button == face || dominant(drawn(name, form)) != button) << name << " keeps its own face";
    // Every drop-down list opens as a scrolling list of at most 20 rows under the box, not a screen-high menu.
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        EXPECT_TRUE(list->maxVisibleItems() == 20) << list->objectName().toStdString();
        EXPECT_TRUE(list->style()->styleHint(QStyle::SH_ComboBox_Popup, &option, list) == 0)
            << list->objectName().toStdString();
        EXPECT_TRUE(list->view()->verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded)
            << list->objectName().toStdString();
    }
    if (!qobject_cast<QDialog*>(window.get())) return;
    for (QLabel* l : window->findChildren<QLabel*>())
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
            << l->objectName().toStdString();
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 8) << b->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(allWindows, windowPainting,
                         testing::Combine(testing::ValuesIn(windows), testing::ValuesIn(styles)), [](const auto& i) {
                             return std::get<0>(i.param).name + ("_" + std::string(std::get<1>(i.param).name));
                         });

}  // namespace
