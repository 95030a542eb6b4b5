// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>

#include "model/help/clsHelpText.h"
#include "support/windowTestContext.h"
#include "ui/help/frmHelp.h"

// The help window shows the help text; typing beeps, and no key (nor paste or cut) changes it.
TEST(frmHelp, showsTheHelpTextAndTypingBeepsAndChangesNothing) {
    windowTestContext t(windowTestContext::standardDefinitions, "Greek");
    frmHelp help(t.ctx, nullptr);
    help.show();
    auto* box = control<QPlainTextEdit>(&help, "txtHelp");
    const QString text = QString::fromStdString(clsHelpText::build(t.ctx.inputFolder())).replace("\r\n", "\n");
    EXPECT_EQ(box->toPlainText(), text);
    box->setFocus();
    box->moveCursor(QTextCursor::Start);
    box->moveCursor(QTextCursor::Down, QTextCursor::KeepAnchor);  // a selection, to be typed over
    QApplication::clipboard()->setText("pasted");
    // A, B, Return and Backspace beep; Delete, paste and cut are silent.
    const QKeySequence keys[] = {Qt::Key_A,      Qt::Key_B,           Qt::Key_Return,   Qt::Key_Backspace,
                                 Qt::Key_Delete, QKeySequence::Paste, QKeySequence::Cut};
    for (const QKeySequence& key : keys) {
        QTest::keySequence(box, key);
        EXPECT_EQ(box->toPlainText(), text) << key.toString().toStdString();
    }
    EXPECT_EQ(t.platform.beep.count, 4);
}
