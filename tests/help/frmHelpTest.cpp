#include <gtest/gtest.h>

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "help/clsHelpText.h"
#include "help/frmHelp.h"
#include "help/helpWindowHolder.h"
#include "styles/windowTestContext.h"

// The help window is made at the first opening and kept; it shows the help text, which typing cannot change.
TEST(helpWindowHolder, makesTheWindowOnceAndItsTextCannotBeEdited) {
    windowTestContext t(windowTestContext::standardDefinitions, "Greek");
    helpWindowHolder holder(t.ctx);
    EXPECT_EQ(holder.window(), nullptr) << "not made before the first opening";
    auto openAndClose = [&holder](QWidget* opener) {  // OK is pressed from inside the modal loop
        QTimer::singleShot(0, [&holder] { control<QPushButton>(holder.window(), "cmdOk")->click(); });
        holder.showModal(opener);
    };
    QWidget opener;
    opener.show();
    openAndClose(&opener);
    frmHelp* first = holder.window();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());
    {
        QWidget otherOpener;
        otherOpener.show();
        openAndClose(&otherOpener);
    }
    openAndClose(&opener);  // the first opener outlived the second
    EXPECT_EQ(holder.window(), first);

    first->show();
    auto* box = control<QPlainTextEdit>(first, "txtHelp");
    const QString text = QString::fromStdString(clsHelpText::build(t.ctx.inputFolder())).replace("\r\n", "\n");
    EXPECT_EQ(box->toPlainText(), text);
    box->setFocus();
    box->moveCursor(QTextCursor::Start);
    box->moveCursor(QTextCursor::Down, QTextCursor::KeepAnchor);  // a selection, to be typed over
    QApplication::clipboard()->setText("pasted");
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> keys[] = {  // beeps so far
        {Qt::Key_A, {}, 1}, {Qt::Key_B, {}, 2}, {Qt::Key_Return, {}, 3}, {Qt::Key_Backspace, {}, 4},
        {Qt::Key_Delete, {}, 4}, {Qt::Key_V, Qt::ControlModifier, 4}, {Qt::Key_X, Qt::ControlModifier, 4}};  // paste, cut
    for (const auto& [key, modifiers, beeps] : keys) {
        QTest::keyClick(box, key, modifiers);
        EXPECT_EQ(box->toPlainText(), text) << key;
        EXPECT_EQ(t.platform.beep.count, beeps) << key;
    }
}
