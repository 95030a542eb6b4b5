// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Extra / Keyboard View: it follows every change of the binds, picks keys only while the screen selects one, keeps
// the kinds readable in every style, remembers its place and saves a PNG.
#include <QAccessible>
#include <QImage>
#include <filesystem>

#include "model/console/clsChatPreview.h"
#include "model/keys/clsKindColours.h"
#include "model/styles/clsContrast.h"
#include "support/catalogues.h"
#include "ui/construction/frmConstructTest.h"
#include "ui/construction/frmKeyboardView.h"
#include "ui/construction/keyboardPicture.h"
#include "ui/styles/stylePainter.h"

namespace {

int place(const std::string& key) { return clsKeyboardLayout::find(key); }

// F1 to F4 for the four kinds, F5 free, JOY1 without a place on the picture.
struct viewScreen : constructScreen {
    viewScreen()
        : constructScreen(
              "key:F1\r\nkey:F2\r\nkey:F3\r\nkey:F4\r\nkey:F5\r\nkey:JOY1\r\ncolor:Red<>1\r\ncolor:Blue<>4\r\n"
              "radio:Sniper<>vsay_team sniper\r\n") {}
    frmKeyboardView* view() const { return form->findChild<frmKeyboardView*>(); }
    frmKeyboardView* open() {
        run("mnuKeyboard");
        return view();
    }
    keyboardPicture* picture() const { return form->findChild<keyboardPicture*>("picKeyboard"); }
    QListView* list() const { return view()->findChild<QListView*>("lstOffPicture"); }
    QString label(const char* name) const { return view()->findChild<QLabel*>(name)->text(); }
    QPoint centre(int at) const { return picture()->placeRect(at).center().toPoint(); }
    // F1 public chat, F2 team chat, F3 radio, F4 another command (as read from a cfg file).
    void bindEveryKind() {
        run("Keys:F1 optPublicBind cmdContinue Colors:2 Color0:Red Color1:Blue Switch:1 +Hello cmdTextDone");
        run("Keys:F2 optTeamBind cmdContinue Colors:1 Color0:Blue Switch:1 +go cmdTextDone");
        run("Keys:F3 optRadio cmdContinue Radio:Sniper cmdRadioAdd");
        ASSERT_TRUE(ctx.builder.add_radio_code("F4", "+attack", "+attack"));
    }
};

// Where a key shows its fill: inside its face, right of its caption, above its words.
QColor fillOf(const QImage& image, const QRectF& cell) {
    return image.pixelColor(QPointF(cell.right() - 0.22 * cell.height(), cell.top() + 0.2 * cell.height()).toPoint());
}

// Every kind of change shows at once: F1's words and fill, the counts, the list under the picture, and whether the
// picture picks. (That every change tells the view as an add does is the builder's test; the other kinds' colours and
// words are the painting test's and the map's.)
TEST(frmKeyboardView, followsEveryChangeOfTheBinds) {
    struct row {
        std::string steps;   // on the construction screen, the view open
        const char* f1;      // F1's accessible name afterwards
        std::size_t f1Kind;  // the kind whose colour F1 is filled with
        const char* counts;
        bool readOnly;
    };
    const std::string text = "Keys:F1 optPublicBind cmdContinue Colors:1 Color0:Red Switch:1 ";
    for (const row& r :
         std::vector<row>{{text + "+hi", "F1, public chat: ^1hi", 0, "1 bound, 5 free", true},
                          {text + "+hi cmdTextDone", "F1, public chat: ^1hi", 0, "1 bound, 5 free", false},
                          {"mnuOpen", "F1, other command: +attack", 3, "2 bound, 4 free", false}}) {
        SCOPED_TRACE(r.steps);
        viewScreen s;
        s.pickedFile("mine.cfg", "bind F1 +attack\r\nbind joy1 say_team hi\r\n");
        s.open();
        s.run(r.steps);
        keyboardPicture* p = s.picture();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(p)->child(place("F1"))->text(QAccessible::Name), r.f1);
        EXPECT_EQ(fillOf(p->grab().toImage(), p->placeRect(place("F1"))), p->colours().kinds[r.f1Kind]);
        EXPECT_EQ(s.label("lblCounts"), r.counts);
        EXPECT_EQ(s.list()->model()->index(0, 0).data().toString(),
                  r.f1Kind == 3 ? "JOY1, team chat: hi" : "JOY1, free");
        EXPECT_EQ(s.label("lblStatus").startsWith("Read-only while the bind of F1 is built"), r.readOnly);
    }
}

// A click (or Enter) picks a key as the key list does, only while the screen selects a key; the kind shows the
// picked key's bind, as after a pick in the list.
TEST(frmKeyboardView, picksAKeyOnlyWhileTheScreenSelectsOne) {
    struct row {
        std::string steps;  // before the view opens
        std::string click;  // a key's name, "PrtSc" (it has none), "list" (the list under the picture) or "arrows"
        const char *shown, *status;  // the key list's entry afterwards; how the status line starts
    };
    for (const row& r : std::vector<row>{{"", "F5", "F5", "F5 is picked"},
                                         {"Keys:F5 optRadio", "F2", "F2", "F2 is picked"},
                                         {"Keys:F1 cmdContinue", "F5", "F1", "Read-only while the bind of F1"},
                                         {"Keys:F1 cmdContinue cmdRadioCancel", "F4", "F4", "F4 is picked"},
                                         {"Keys:F5", "F6", "F5", "F6 is not in the key list"},
                                         {"Keys:F5", "PrtSc", "F5", "The game has no name for the Print Screen"},
                                         {"", "list", "JOY1", "JOY1 is picked"},
                                         {"", "arrows", "F3", "F3 is picked"}}) {
        SCOPED_TRACE(r.steps + " " + r.click);
        viewScreen s;
        s.bindEveryKind();
        s.run(r.steps);
        s.open();
        s.picture()->setFocus();
        if (r.click == "arrows")
            for (const Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return})
                QTest::keyClick(s.picture(), k);
        else if (r.click == "list")
            emit s.list()->activated(s.list()->model()->index(0, 0));
        else
            QTest::mouseClick(s.picture(), Qt::LeftButton, {},
                              s.centre(r.click == "PrtSc" ? clsKeyboardLayout::keyAt(15.5, 0.5) : place(r.click)));
        EXPECT_EQ(s.get<QComboBox>("cboKeys")->currentText(), r.shown);
        EXPECT_TRUE(s.label("lblStatus").startsWith(r.status)) << s.label("lblStatus").toStdString();
        EXPECT_EQ(s.text("txtKind").toStdString(), s.ctx.builder.get_bindKind(r.shown));
    }
}

// Opened from Extra (Ctrl+K), modeless, once; every key is named for screen readers and its tool tip shows the bind
// as the game does. Closed, it is deleted and comes back where the player left it.
TEST(frmKeyboardView, opensOnceNamesEveryKeyAndRemembersItsPlace) {
    viewScreen s;
    s.bindEveryKind();
    EXPECT_EQ(s.get<QAction>("mnuKeyboard")->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    frmKeyboardView* view = s.open();
    ASSERT_TRUE(view);
    ASSERT_TRUE(view->isVisible());
    ASSERT_FALSE(view->isModal());
    EXPECT_EQ(s.open(), view);
    QAccessibleInterface* named = QAccessible::queryAccessibleInterface(s.picture());
    ASSERT_EQ(named->childCount(), int(clsKeyboardLayout::keys().size()));
    for (int i = 0; i < named->childCount(); ++i) EXPECT_FALSE(named->child(i)->text(QAccessible::Name).isEmpty());
    const clsChatColor blue = clsChatPreview::rgb(4);  // F1's "e", in the game's colour; F4's command as it stands
    for (const auto& [key, tip] :
         {std::pair{"F1", QColor(blue.red, blue.green, blue.blue).name()}, {"F4", "+attack"}}) {
        QHelpEvent hover(QEvent::ToolTip, s.centre(place(key)), s.picture()->mapToGlobal(s.centre(place(key))));
        QApplication::sendEvent(s.picture(), &hover);
        EXPECT_TRUE(QToolTip::text().contains(tip)) << QToolTip::text().toStdString();
    }
    view->setGeometry(40, 60, 900, 380);
    const QRect left = view->geometry();
    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.view(), nullptr) << "closing deletes it";
    EXPECT_EQ(s.open()->geometry(), left);
}

// Opened the first time, it goes beside the construction screen where it keeps its size, else where it shrinks
// least (a narrow strip beside the screen would make the keys unreadable), never over it while there is room.
TEST(frmKeyboardView, opensBesideTheScreenWhereItShrinksLeast) {
    const QSize wanted(1048, 440), least(400, 200);
    const struct {
        QRect screen, owner, expected;
    } rows[] = {
        {{0, 0, 1920, 1080}, {100, 100, 620, 190}, {728, 100, 1048, 440}},   // right of it, whole
        {{0, 0, 1920, 1080}, {1250, 100, 620, 190}, {194, 100, 1048, 440}},  // no room right: left of it
        {{0, 0, 1600, 1000}, {490, 405, 620, 190}, {490, 0, 1048, 397}},     // above: 482 px beside it were narrower
        {{0, 0, 800, 600}, {0, 0, 800, 600}, {}},                            // no room anywhere
    };
    for (const auto& r : rows)
        EXPECT_EQ(frmKeyboardView::besideRect(r.owner, r.screen, wanted, least), r.expected) << r.owner.x();
}

// As painted in every style picked on the construction screen, and as saved: a free key has the style's box colour,
// and each kind its own colour, 3:1 from it.
TEST(frmKeyboardView, paintsAndSavesEveryKindReadablyInEveryStyle) {
    viewScreen s;
    s.bindEveryKind();
    s.open();
    for (const std::string& style : styleNames()) {
        onModal([&](QWidget* dialog) {  // picked on the construction screen
            auto* styles = dialog->findChild<QComboBox*>("cboColorStyle");
            pickEntry(styles, styles->findText(QString::fromStdString(style)));
            dialog->findChild<QPushButton*>("cmdOk")->click();
        });
        s.run("mnuColorStyle");
        const QImage image = s.picture()->grab().toImage();
        const QColor face = fillOf(image, s.picture()->placeRect(place("F5")));
        EXPECT_EQ(face, stylePainter::toQColor(s.ctx.colorStyles.getTextBoxBackGroundColor(style))) << style;
        std::set<QRgb> fills{face.rgb()};
        for (const char* key : {"F1", "F2", "F3", "F4"}) {
            const QColor fill = fillOf(image, s.picture()->placeRect(place(key)));
            fills.insert(fill.rgb());
            EXPECT_GE(clsContrast::ratio(stylePainter::toBgr(fill), stylePainter::toBgr(face)), clsKindColours::least)
                << style << " " << key;
        }
        EXPECT_EQ(fills.size(), 5u) << style;
    }
    // Save Picture writes a PNG where the dialog says, savedWidth wide, each kind's key in its colour; a cancel
    // writes nothing, a failure says so.
    const std::string path = s.fake.programFolder() + "/posted.png";
    s.fake.fileDialog.savePicks = {"", path, s.fake.programFolder() + "/no such folder/x.png"};
    auto* save = s.view()->findChild<QPushButton*>("cmdSavePicture");
    save->click();  // cancelled
    EXPECT_FALSE(std::filesystem::exists(path));
    save->click();
    QImage png;
    ASSERT_TRUE(png.load(QString::fromStdString(path), "PNG"));
    EXPECT_EQ(png.width(), 1280);
    for (const std::size_t k : {0u, 1u, 2u, 3u, 4u})  // F1 to F4 in their kinds' colours, F5 free
        EXPECT_EQ(fillOf(png, keyboardPicture::placeRectIn(place("F" + std::to_string(k + 1)), QRectF(png.rect()))),
                  k < 4 ? s.picture()->colours().kinds[k] : s.picture()->colours().face)
            << k;
    EXPECT_TRUE(s.label("lblStatus").contains(QString::fromStdString(path)));
    save->click();  // a folder that is not there
    EXPECT_TRUE(s.asked().starts_with("Cannot Save Picture: ")) << s.asked();
}

}  // namespace
