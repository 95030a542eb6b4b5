// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Every colour the program chooses reads at 4.5:1 or better on what it stands on, in all 33 styles and on every
// kind of control: button captions (enabled and disabled) and box texts in black or white, and the greyed captions
// of disabled labels, frames, option buttons and check boxes (which keep the style's own colour when that is
// already below 4.5:1).
#include <gtest/gtest.h>

#include <QtWidgets>

#include "model/styles/clsColorStyleManager.h"
#include "model/styles/clsContrast.h"
#include "support/catalogues.h"
#include "ui/styles/stylePainter.h"

namespace {

double ratio(const QColor& a, const QColor& b) {
    return clsContrast::ratio(stylePainter::toBgr(a), stylePainter::toBgr(b));
}

// The colours a control shows once its sheet is applied: its text on its background, in the given state.
std::pair<QColor, QColor> shown(QWidget* w, QPalette::ColorGroup state) {
    w->ensurePolished();
    return {w->palette().color(state, w->foregroundRole()), w->palette().color(state, w->backgroundRole())};
}

class styleContrast : public testing::TestWithParam<std::string> {};

TEST_P(styleContrast, everyChosenColourReads) {
    clsColorStyleManager catalogue;
    catalogue.registerStandardStyles();
    stylePainter paint(catalogue, GetParam());
    QWidget form;
    form.setObjectName("form");
    auto make = [&form](QWidget* w, const char* name) {
        w->setParent(&form), w->setObjectName(name);
        return w;
    };
    QWidget* button = make(new QPushButton("Continue"), "button");
    auto* combo = static_cast<QComboBox*>(make(new QComboBox, "combo"));
    const std::vector<QWidget*> boxes{make(new QLineEdit, "line"), combo, make(new QListWidget, "list"),
                                      make(new QPlainTextEdit, "text"), combo->view()};
    std::vector<QWidget*> chosen = boxes;  // text the program colours black or white
    chosen.push_back(button);
    const std::vector<QWidget*> captions{make(new QLabel("Kind:"), "label"), make(new QGroupBox("Select Key"), "frame"),
                                         make(new QRadioButton("Radio Bind"), "option"),
                                         make(new QCheckBox("Add To Front"), "check")};
    paint.form(&form);
    paint.button(button);
    for (QWidget* w : boxes) paint.box(w == combo->view() ? combo : w);
    paint.label(captions[0]);
    for (std::size_t k = 1; k < captions.size(); ++k) paint.frameOrOption(captions[k]);
    form.show();
    combo->showPopup();  // its list takes its colours when shown

    for (QWidget* w : chosen)
        for (const QPalette::ColorGroup state : {QPalette::Active, QPalette::Disabled}) {
            const auto [text, back] = shown(w, state);
            EXPECT_GE(ratio(text, back), clsContrast::readable)
                << w->objectName().toStdString() << (state == QPalette::Disabled ? " disabled " : " ")
                << text.name().toStdString() << " on " << back.name().toStdString();
        }
    // Captions stand on the form colour (a label has no background of its own).
    const QColor formColour = shown(&form, QPalette::Active).second;
    for (QWidget* w : captions) {
        const QColor own = shown(w, QPalette::Active).first, greyed = shown(w, QPalette::Disabled).first;
        EXPECT_GE(ratio(greyed, formColour), std::min(clsContrast::readable, ratio(own, formColour)))
            << w->objectName().toStdString() << " " << greyed.name().toStdString() << " on "
            << formColour.name().toStdString();
    }
    combo->hidePopup();
}

INSTANTIATE_TEST_SUITE_P(allStyles, styleContrast, testing::ValuesIn(styleNames()), [](const auto& info) {
    std::string name;
    for (const char c : info.param)
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return name;
});

}  // namespace
