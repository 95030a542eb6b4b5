// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The real message box: a Yes/No question closed without an answer says so; Enter still presses the default.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "platform/QtPlatform.h"
#include "support/uiSteps.h"

namespace {

TEST(QtMessageBox, tellsAQuestionClosedWithoutAnAnswer) {
    using A = msgAnswer;
    const auto key = [](Qt::Key k) { return [k](QWidget* box) { QTest::keyClick(box, k); }; };
    const auto closeBox = [](QWidget* box) { box->close(); };
    struct row {
        const char* name;
        msgButtons buttons;
        A defaultAnswer;
        std::function<void(QWidget*)> act;
        A expected;
    };
    // Enter presses the default button, as a click on it would.
    for (const row& r : {row{"escape", msgButtons::YesNo, A::Yes, key(Qt::Key_Escape), A::Cancel},
                         row{"closeBox", msgButtons::YesNo, A::No, closeBox, A::Cancel},
                         row{"enterOnNo", msgButtons::YesNo, A::No, key(Qt::Key_Return), A::No},
                         row{"enterOnYes", msgButtons::YesNo, A::Yes, key(Qt::Key_Return), A::Yes},
                         row{"escapeOnOk", msgButtons::Ok, A::Yes, key(Qt::Key_Escape), A::Ok}}) {
        SCOPED_TRACE(r.name);
        // What earlier tests left waiting for a modal window runs now, not on this box.
        QCoreApplication::processEvents();
        QtMessageBox messages;
        bool seen = false;
        onModal([&](QWidget* box) {
            seen = true;
            r.act(box);
        });
        EXPECT_EQ(messages.show("Title", "Text", msgIcon::Question, r.buttons, r.defaultAnswer), r.expected);
        EXPECT_TRUE(seen);
    }
}

}  // namespace
