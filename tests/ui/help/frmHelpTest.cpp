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
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> keys[] = {// beeps so far
                                                                    {Qt::Key_A, {}, 1},
                                                                    {Qt::Key_B, {}, 2},
                                                                    {Qt::Key_Return, {}, 3},
                                                                    {Qt::Key_Backspace, {}, 4},
                                                                    {Qt::Key_Delete, {}, 4},
                                                                    {Qt::Key_V, Qt::ControlModifier, 4},
                                                                    {Qt::Key_X, Qt::ControlModifier, 4}};
    for (const auto& [key, modifiers, beeps] : keys) {
        QTest::keyClick(box, key, modifiers);
        EXPECT_EQ(box->toPlainText(), text) << key;
        EXPECT_EQ(t.platform.beep.count, beeps) << key;
    }
}
