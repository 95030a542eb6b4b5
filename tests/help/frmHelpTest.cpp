#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "help/clsHelpText.h"
#include "help/frmHelp.h"
#include "help/helpWindowHolder.h"
#include "styles/paintProbe.h"
#include "styles/windowTestContext.h"

namespace {

QPlainTextEdit* helpBox(QWidget* w) { return control<QPlainTextEdit>(w, "txtHelp"); }

TEST(frmHelp, showsTheHelpTextWithTheInputFolder) {
    windowTestContext t;
    frmHelp w(t.ctx);
    EXPECT_EQ(w.windowTitle(), "HELP");
    QString expected = QString::fromStdString(clsHelpText::build(t.ctx.inputFolder()));
    expected.replace("\r\n", "\n");
    EXPECT_EQ(helpBox(&w)->toPlainText(), expected);
    EXPECT_TRUE(helpBox(&w)->toPlainText().contains(
        " " + QString::fromStdString(t.platform.programFolder()) + "/InputFiles these files"));
    EXPECT_EQ(helpBox(&w)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

struct editCase {
    const char* name;
    std::function<void(QPlainTextEdit*)> act;
    int beeps;
};
void PrintTo(const editCase& c, std::ostream* os) { *os << c.name; }

class frmHelpEdit : public testing::TestWithParam<editCase> {};

TEST_P(frmHelpEdit, changesNothing) {
    windowTestContext t;
    frmHelp w(t.ctx);
    w.show();
    QPlainTextEdit* box = helpBox(&w);
    box->setFocus();
    box->moveCursor(QTextCursor::Start);
    box->moveCursor(QTextCursor::Down, QTextCursor::KeepAnchor);  // a selection, to be typed over
    QApplication::clipboard()->setText("pasted");
    const QString before = box->toPlainText();
    GetParam().act(box);
    EXPECT_EQ(box->toPlainText(), before);
    EXPECT_EQ(t.platform.beep.count, GetParam().beeps);
}

void dropText(QPlainTextEdit* box) {
    QMimeData data;
    data.setText("dropped");
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &drop);
}

INSTANTIATE_TEST_SUITE_P(
    ways, frmHelpEdit,
    testing::Values(editCase{"letters", [](QPlainTextEdit* b) { QTest::keyClicks(b, "abc"); }, 3},
                    editCase{"enter", [](QPlainTextEdit* b) { QTest::keyClick(b, Qt::Key_Return); }, 1},
                    editCase{"backspace", [](QPlainTextEdit* b) { QTest::keyClick(b, Qt::Key_Backspace); }, 1},
                    editCase{"space", [](QPlainTextEdit* b) { QTest::keyClick(b, Qt::Key_Space); }, 1},
                    editCase{"delete", [](QPlainTextEdit* b) { QTest::keyClick(b, Qt::Key_Delete); }, 0},
                    editCase{"pasteKey", [](QPlainTextEdit* b) { QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier); }, 0},
                    editCase{"cutKey", [](QPlainTextEdit* b) { QTest::keyClick(b, Qt::Key_X, Qt::ControlModifier); }, 0},
                    editCase{"pasteAndCut", [](QPlainTextEdit* b) { b->paste(); b->cut(); }, 0},
                    editCase{"drop", dropText, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Opens the help window modally and presses its OK from inside the modal loop.
void openAndClose(helpWindowHolder& holder, QWidget* opener) {
    QTimer::singleShot(0, [&holder] { control<QPushButton>(holder.window(), "cmdOk")->click(); });
    holder.showModal(opener);
}

TEST(helpWindowHolder, makesTheWindowOnceAndKeepsItsFirstStyle) {
    windowTestContext t(windowTestContext::standardDefinitions, "Greek");
    helpWindowHolder holder(t.ctx);
    EXPECT_EQ(holder.window(), nullptr) << "not made before the first opening";
    QWidget opener;
    opener.show();
    openAndClose(holder, &opener);
    frmHelp* first = holder.window();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());
    const QString text = helpBox(first)->toPlainText();

    t.ctx.currentColorStyle = "Dracula";
    {
        QWidget otherOpener;
        otherOpener.show();
        openAndClose(holder, &otherOpener);
    }
    EXPECT_EQ(holder.window(), first);
    EXPECT_EQ(helpBox(first)->toPlainText(), text);
    first->show();
    EXPECT_EQ(paintProbe::windowBackground(first), paintProbe::bgr(0xFFFFFF)) << "still Greek";
    EXPECT_EQ(paintProbe::dominant(paintProbe::ownImage(control<QPushButton>(first, "cmdOk"))),
              paintProbe::bgr(0xFF0000));
    first->hide();
    openAndClose(holder, &opener);  // the first opener outlived the second
    EXPECT_EQ(holder.window(), first);
}

}  // namespace
