// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>

#include "support/uiSteps.h"
#include "support/windowTestContext.h"
#include "ui/construction/frmConstruct.h"

inline const std::string constructDefinitions =
    "these lines have no token\r\nkey:F1\r\nkey:F2\r\nkey:MOUSE1\r\nkey:kp_slash\r\ncolor:Red<>1\r\ncolor:Blue<>4\r\n"
    "radio:Sniper<>vsay_team sniper\r\nosp:Health<>#h\r\ncolor:Slash<>/\r\ncolor:Nine<>9\r\ncolor:Twelve<>12\r\n"
    "radio:TooLong<>" +
    std::string(1016, 'r') + "\r\n";
inline const char* const notBound = "This key is not bound yet...";
inline const std::string sayF1 = "Keys:F1 optPublicBind cmdContinue ", radioF1 = "Keys:F1 optRadio cmdContinue ";

struct constructScreen {
    windowTestContext t{constructDefinitions};
    fakePlatform& fake = t.platform;
    clsAppContext& ctx = t.ctx;
    std::unique_ptr<frmConstruct> form;  // destroyed after help, whose window may be its child
    std::unique_ptr<helpWindowHolder> help;

    explicit constructScreen(const std::string& definitions = constructDefinitions) : t{definitions} {
        help = std::make_unique<helpWindowHolder>(ctx);
        form = std::make_unique<frmConstruct>(ctx, *help);
        form->show();
    }

    template <typename T = QWidget> T* get(const char* name) const {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) const { return get<QLineEdit>(name)->text(); }
    // A file of the output folder (made), written unless bytes is null, and picked by the next open dialog.
    std::string pickedFile(const std::string& name, const char* bytes) {
        std::filesystem::create_directories(ctx.outputFolder());
        const std::string path = ctx.outputFolder() + "/" + name;
        if (bytes) std::ofstream(path, std::ios::binary) << bytes;
        fake.fileDialog.picks.push_back(path);
        return path;
    }
    // Steps: "List:entry" picks in cbo<List> (numbers without their leading space), "+text" adds a piece,
    // "yes"/"no" answers the next question, "close" the close box, "esc" presses Escape where the focus is,
    // "enter@name" gives the control the focus and presses Enter, mnu... triggered, any other name clicked (it must be
    // shown and enabled).
    void run(const std::string& steps) {
        for (const QString& step : QString::fromStdString(steps).split(' ', Qt::SkipEmptyParts)) {
            const std::string name = step.section(':', 0, 0).toStdString();
            if (step == "esc") {
                QWidget* focus = form->focusWidget();
                QTest::keyClick(focus ? focus : form.get(), Qt::Key_Escape);
            } else if (step.startsWith("enter@")) {
                QWidget* w = get(step.mid(6).toLatin1().constData());
                w->setFocus();
                QTest::keyClick(w, Qt::Key_Return);
            } else if (step == "yes" || step == "no") {
                fake.messages.answers.push_back(step == "yes" ? msgAnswer::Yes : msgAnswer::No);
            } else if (step.contains(':')) {
                QComboBox* c = get<QComboBox>(("cbo" + name).c_str());
                const int i = std::max(c->findText(step.section(':', 1)), c->findText(" " + step.section(':', 1)));
                ASSERT_GE(i, 0) << step.toStdString();
                c->setCurrentIndex(i);
                emit c->activated(i);
            } else if (step.startsWith('+')) {
                addText(step.mid(1));
            } else if (step == "close") {
                form->close();
            } else if (step.startsWith("mnu")) {
                get<QAction>(name.c_str())->trigger();
            } else {
                QAbstractButton* b = get<QAbstractButton>(name.c_str());
                ASSERT_TRUE(b->isVisible()) << name;
                ASSERT_TRUE(b->isEnabled()) << name;
                b->click();
            }
        }
    }
    void addText(const QString& text) {
        get<QLineEdit>("txtText")->setText(text);
        run("cmdTextAdd");
    }
    std::string asked() const { return fake.messages.asked(); }
};
