// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Extra / Keyboard View: opened from the construction screen, it follows every change of the binds, picks keys only
// while the screen selects one, keeps the kinds readable in every style, remembers its place and saves a PNG.
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

// F1 to F4 for the four kinds, F5 free, JOY1 without a place on the picture.
const std::string viewDefinitions =
    "key:F1\r\nkey:F2\r\nkey:F3\r\nkey:F4\r\nkey:F5\r\nkey:JOY1\r\ncolor:Red<>1\r\ncolor:Blue<>4\r\n"
    "radio:Sniper<>vsay_team sniper\r\n";

struct viewScreen : constructScreen {
    explicit viewScreen(const std::string& defs = viewDefinitions) : constructScreen(defs) {}
    frmKeyboardView* open() {
        run("mnuKeyboard");
        return form->findChild<frmKeyboardView*>();
    }
    keyboardPicture* picture() const { return form->findChild<keyboardPicture*>("picKeyboard"); }
    frmKeyboardView* view() const { return form->findChild<frmKeyboardView*>(); }
    QString viewText(const char* name) const { return view()->findChild<QLabel*>(name)->text(); }
    // One bind of every kind: F1 public chat, F2 team chat, F3 radio, F4 other command (as read from a cfg file).
    void bindEveryKind() {
        run("Keys:F1 optPublicBind cmdContinue Colors:2 Color0:Red Color1:Blue Switch:1 +Hello cmdTextDone");
        run("Keys:F2 optTeamBind cmdContinue Colors:1 Color0:Blue Switch:1 +go cmdTextDone");
        run("Keys:F3 optRadio cmdContinue Radio:Sniper cmdRadioAdd");
        ASSERT_TRUE(ctx.builder.add_radio_code("F4", "+attack", "+attack"));
    }
    // A key by its name; "PrtSc" is Print Screen, which has none.
    void click(const char* key) {
        const int place =
            std::string(key) == "PrtSc" ? clsKeyboardLayout::keyAt(15.5, 0.5) : clsKeyboardLayout::find(key);
        const QPoint at = picture()->placeRect(place).center().toPoint();
        QTest::mouseClick(picture(), Qt::LeftButton, {}, at);
    }
};

// Where a key shows its fill: inside its face, right of its caption, above its words.
QColor fillOf(const QImage& image, const QRectF& cell) {
    return image.pixelColor(QPointF(cell.right() - 0.22 * cell.height(), cell.top() + 0.2 * cell.height()).toPoint());
}
QColor fillOf(keyboardPicture* p, const char* key) {
    return fillOf(p->grab().toImage(), p->placeRect(clsKeyboardLayout::find(key)));
}
QString accessibleName(keyboardPicture* p, const char* key) {
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(p);
    return picture->child(clsKeyboardLayout::find(key))->text(QAccessible::Name);
}

// Opened from Extra (Ctrl+K) beside the screen, once; closed, it is deleted and comes back where the player left it,
// through the settings store.
TEST(frmKeyboardView, opensModelessOnceAndRemembersItsPlace) {
    viewScreen s;
    EXPECT_EQ(s.get<QAction>("mnuKeyboard")->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    frmKeyboardView* view = s.open();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible() && !view->isModal());
    EXPECT_EQ(s.open(), view) << "a second opening shows the same window";
    // Every key is named for screen readers.
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(s.picture());
    ASSERT_EQ(picture->childCount(), int(clsKeyboardLayout::keys().size()));
    for (int i = 0; i < picture->childCount(); ++i) EXPECT_FALSE(picture->child(i)->text(QAccessible::Name).isEmpty());
    view->setGeometry(40, 60, 900, 380);
    const QRect left = view->geometry();
    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.view(), nullptr) << "closing deletes it";
    EXPECT_FALSE(s.fake.settings.values["Brenvolt Beta 0.98/KeyboardView/Geometry"].empty());
    EXPECT_EQ(s.open()->geometry(), left);
}

struct liveCase {
    const char* name;
    std::string steps;  // on the construction screen, the view open
    const char* f1;     // F1's accessible name afterwards
    int f1Kind;         // the kind whose colour F1 is filled with; -1 the free face
    const char* counts;
    bool readOnly;
};
void PrintTo(const liveCase& c, std::ostream* out) { *out << c.name; }

class frmKeyboardViewLive : public testing::TestWithParam<liveCase> {};

// Every kind of change shows at once: the key's words, its fill, the counts, and whether the picture picks.
TEST_P(frmKeyboardViewLive, followsEveryChangeOfTheBinds) {
    const liveCase& c = GetParam();
    viewScreen s;
    s.pickedFile("mine.cfg", "bind F1 +attack\r\nbind f2 say_team hi\r\n");
    s.open();
    s.run(c.steps);
    EXPECT_EQ(accessibleName(s.picture(), "F1"), c.f1);
    const keyboardPicture::palette& colours = s.picture()->colours();
    EXPECT_EQ(fillOf(s.picture(), "F1"), c.f1Kind < 0 ? colours.face : colours.kinds[std::size_t(c.f1Kind)]);
    EXPECT_EQ(s.viewText("lblCounts"), c.counts);
    EXPECT_EQ(s.viewText("lblStatus").startsWith("Read-only while the bind of F1 is built"), c.readOnly)
        << s.viewText("lblStatus").toStdString();
}

const std::string text = "Keys:F1 optPublicBind cmdContinue Colors:1 Color0:Red Switch:1 ";
INSTANTIATE_TEST_SUITE_P(
    changes, frmKeyboardViewLive,
    testing::Values(liveCase{"continue", text, "F1, free", -1, "0 bound, 6 free", true},
                    liveCase{"add", text + "+hi", "F1, public chat: ^1hi", 0, "1 bound, 5 free", true},
                    liveCase{"undo", text + "+hi +yo cmdTextUndo", "F1, public chat: ^1hi", 0, "1 bound, 5 free", true},
                    liveCase{"done", text + "+hi cmdTextDone", "F1, public chat: ^1hi", 0, "1 bound, 5 free", false},
                    liveCase{"cancel", text + "+hi yes cmdTextCancel", "F1, free", -1, "0 bound, 6 free", false},
                    liveCase{"radio", "Keys:F1 optRadio cmdContinue Radio:Sniper cmdRadioAdd", "F1, radio: Sniper", 2,
                             "1 bound, 5 free", false},
                    liveCase{"clear", text + "+hi cmdTextDone yes cmdClear", "F1, free", -1, "0 bound, 6 free", false},
                    liveCase{"reset", text + "+hi cmdTextDone yes mnuReset", "F1, free", -1, "0 bound, 6 free", false},
                    liveCase{"openCfgFile", "mnuOpen", "F1, other command: +attack", 3, "2 bound, 4 free", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct pickCase {
    const char* name;
    std::string steps;   // before the click
    const char* click;   // a key's name, or "keys:..." pressed on the picture
    const char* shown;   // the key list's entry afterwards
    const char* status;  // how the status line starts
};
void PrintTo(const pickCase& c, std::ostream* out) { *out << c.name; }

class frmKeyboardViewPick : public testing::TestWithParam<pickCase> {};

// A click (or Enter) picks a key as the key list does, only while the screen selects a key.
TEST_P(frmKeyboardViewPick, picksAKeyOnlyWhileTheScreenSelectsOne) {
    const pickCase& c = GetParam();
    viewScreen s;
    s.bindEveryKind();
    s.run(c.steps);
    s.open();
    const std::string click = c.click;
    if (click.starts_with("keys:")) {
        s.picture()->setFocus();
        for (const QString& k : QString::fromStdString(click.substr(5)).split(' '))
            QTest::keyClick(s.picture(), k == "right" ? Qt::Key_Right : k == "down" ? Qt::Key_Down : Qt::Key_Return);
    } else {
        s.click(c.click);
    }
    EXPECT_EQ(s.get<QComboBox>("cboKeys")->currentText(), c.shown);
    EXPECT_TRUE(s.viewText("lblStatus").startsWith(c.status)) << s.viewText("lblStatus").toStdString();
    // The kind and description show the picked key's bind, as after a pick in the list.
    const std::string key = s.get<QComboBox>("cboKeys")->currentText().toStdString();
    EXPECT_EQ(s.text("txtKind").toStdString(), key.empty() ? "" : s.ctx.builder.get_bindKind(key));
}

INSTANTIATE_TEST_SUITE_P(
    picks, frmKeyboardViewPick,
    testing::Values(pickCase{"freeKey", "", "F5", "F5", "F5 is picked in the key list"},
                    pickCase{"boundKeyWithTypePicked", "Keys:F5 optRadio", "F2", "F2", "F2 is picked"},
                    pickCase{"whileBuildingText", "Keys:F1 cmdContinue", "F5", "F1", "Read-only while the bind of F1"},
                    pickCase{"whileBuildingRadio", "Keys:F3 cmdContinue", "F5", "F3", "Read-only while the bind of F3"},
                    pickCase{"afterCancel", "Keys:F1 cmdContinue cmdRadioCancel", "F4", "F4", "F4 is picked"},
                    pickCase{"unlistedKey", "Keys:F5", "F6", "F5", "F6 is not in the key list of this definition file"},
                    pickCase{"namelessKey", "Keys:F5", "PrtSc", "F5", "The game has no name for the Print Screen"},
                    pickCase{"arrowsAndEnter", "", "keys:right right right enter", "F3", "F3 is picked"}),
    [](const auto& info) { return std::string(info.param.name); });

// The off-picture list picks too; it words each key with its bind.
TEST(frmKeyboardView, listsKeysOffThePictureAndPicksFromTheList) {
    viewScreen s;
    ASSERT_TRUE(s.ctx.builder.add_radio_code("JOY1", "+attack", "+attack"));
    s.open();
    auto* list = s.view()->findChild<QListView*>("lstOffPicture");
    ASSERT_TRUE(list->isVisibleTo(s.view()));
    EXPECT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(s.viewText("lblOffPicture"), "Keys of the definition file not on the picture (1):");
    emit list->activated(list->model()->index(0, 0));
    EXPECT_EQ(s.get<QComboBox>("cboKeys")->currentText(), "JOY1");
    s.run("yes cmdClear");
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), "JOY1, free") << "the list follows the binds";

    constructScreen none;  // every key on the picture: no list
    none.run("mnuKeyboard");
    auto* allOn = none.form->findChild<frmKeyboardView*>();
    EXPECT_FALSE(allOn->findChild<QListView*>("lstOffPicture")->isVisibleTo(allOn));
}

// The tool tip shows a chat line in the game's colours on the console's background, a command as it stands.
TEST(frmKeyboardView, toolTipsShowTheBindAsTheGameWill) {
    viewScreen s;
    s.bindEveryKind();
    s.open();
    auto colour = [](int index) {
        const clsChatColor c = clsChatPreview::rgb(index);
        return QColor(c.red, c.green, c.blue).name();
    };
    const auto tip = [&](const char* key) { return s.picture()->toolTipFor(clsKeyboardLayout::find(key)); };
    const QString f1 = tip("F1");
    EXPECT_TRUE(f1.startsWith("<b>F1</b> \u2014 public chat")) << f1.toStdString();
    EXPECT_TRUE(f1.contains("bgcolor=\"#141414\""));
    // "Hello" in Red and Blue, one character each.
    EXPECT_TRUE(f1.contains(QStringLiteral("<span style=\"color:%1;\">H</span><span style=\"color:%2;\">e</span>")
                                .arg(colour(1), colour(4))))
        << f1.toStdString();
    EXPECT_EQ(tip("F3"), "<b>F3</b> \u2014 radio: Sniper<br><tt>vsay_team sniper</tt>");
    EXPECT_EQ(tip("F4"), "<b>F4</b> \u2014 other command<br><tt>+attack</tt>");
    EXPECT_EQ(tip("F5"), "<b>F5</b> \u2014 free");
    // Hovering shows it; between keys nothing shows.
    const QPoint onF1 = s.picture()->placeRect(clsKeyboardLayout::find("F1")).center().toPoint();
    QHelpEvent hover(QEvent::ToolTip, onF1, s.picture()->mapToGlobal(onF1));
    QApplication::sendEvent(s.picture(), &hover);
    EXPECT_EQ(QToolTip::text(), f1);
    const QPoint between = s.picture()->placeRect(clsKeyboardLayout::find("F4")).topRight().toPoint() + QPoint(3, 3);
    QHelpEvent away(QEvent::ToolTip, between, s.picture()->mapToGlobal(between));
    QApplication::sendEvent(s.picture(), &away);
    for (int wait = 0; wait < 100 && QToolTip::isVisible(); ++wait) QTest::qWait(20);  // it fades out
    EXPECT_FALSE(QToolTip::isVisible());
}

double ratio(const QColor& a, const QColor& b) {
    return clsContrast::ratio(stylePainter::toBgr(a), stylePainter::toBgr(b));
}

// In every style, as painted: the free face is the style's box colour, and each kind stands out from it by 3:1.
TEST(frmKeyboardView, kindColoursStandOutFromTheKeyFaceInEveryStyle) {
    viewScreen s;
    s.bindEveryKind();
    s.open();
    const std::vector<std::string> styles = styleNames();
    ASSERT_EQ(styles.size(), 33u);
    for (const std::string& style : styles) {
        s.ctx.currentColorStyle = style;
        s.view()->applyColorStyle();
        const QImage image = s.picture()->grab().toImage();
        const QColor face = fillOf(image, s.picture()->placeRect(clsKeyboardLayout::find("F5")));
        EXPECT_EQ(face, stylePainter::toQColor(s.ctx.colorStyles.getTextBoxBackGroundColor(style))) << style;
        for (const char* key : {"F1", "F2", "F3", "F4"}) {
            const QColor fill = fillOf(image, s.picture()->placeRect(clsKeyboardLayout::find(key)));
            EXPECT_GE(ratio(fill, face), clsKindColours::least) << style << " " << key;
        }
    }
}

// A new colour style on the construction screen repaints the open view.
TEST(frmKeyboardView, followsTheColourStyleChosenOnTheScreen) {
    viewScreen s;
    s.open();
    onModal([](QWidget* dialog) {
        auto* styles = dialog->findChild<QComboBox*>("cboColorStyle");
        pickEntry(styles, styles->findText("Dracula"));
        dialog->findChild<QPushButton*>("cmdOk")->click();
    });
    s.run("mnuColorStyle");
    EXPECT_EQ(s.ctx.currentColorStyle, "Dracula");
    EXPECT_EQ(s.picture()->colours().form, QColor(0, 0, 0));
    EXPECT_EQ(paintProbe::windowBackground(s.view()), QColor(0, 0, 0));
}

// Save Picture writes the PNG where the dialog says, savedWidth wide, each kind's key in its colour.
TEST(frmKeyboardView, savesThePictureAsAPng) {
    viewScreen s;
    s.bindEveryKind();
    s.open();
    const std::string path = s.fake.programFolder() + "/posted.png";
    s.fake.fileDialog.savePicks = {"", path, s.fake.programFolder() + "/no such folder/x.png"};
    auto* save = s.view()->findChild<QPushButton*>("cmdSavePicture");
    save->click();  // cancelled
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(s.fake.fileDialog.offered, std::vector<std::string>{s.ctx.outputFolder() + "/binds.png"});
    save->click();
    QImage png;
    ASSERT_TRUE(png.load(QString::fromStdString(path), "PNG"));
    EXPECT_EQ(png.size(), keyboardPicture::savedSize());
    EXPECT_EQ(png.width(), 1280);
    const QRectF area(QPointF(0, 0), QSizeF(png.size()));
    const keyboardPicture::palette& colours = s.picture()->colours();
    for (const std::size_t k : {0u, 1u, 2u, 3u, 4u})  // F1 to F4 in their kinds' colours, F5 free
        EXPECT_EQ(fillOf(png, keyboardPicture::placeRectIn(clsKeyboardLayout::find("F" + std::to_string(k + 1)), area)),
                  k < 4 ? colours.kinds[k] : colours.face)
            << k;
    EXPECT_TRUE(s.viewText("lblStatus").startsWith("The picture is saved as " + QString::fromStdString(path)));
    EXPECT_EQ(s.asked(), "");
    save->click();  // a folder that is not there
    EXPECT_TRUE(s.asked().starts_with("Cannot Save Picture: The picture cannot be saved as ")) << s.asked();
}

// The first time it opens beside the construction screen, on the screen, without covering it (here under it: the
// screen has no room at its side), made smaller to fit.
TEST(frmKeyboardView, opensBesideTheConstructionScreenWithoutCoveringIt) {
    viewScreen s;
    s.form->move(0, 0);
    frmKeyboardView* view = s.open();
    const QRect room = s.form->screen()->availableGeometry();
    EXPECT_FALSE(view->frameGeometry().intersects(s.form->frameGeometry()))
        << view->frameGeometry().y() << " " << s.form->frameGeometry().bottom();
    EXPECT_TRUE(room.contains(view->geometry())) << room.width() << "x" << room.height();
    EXPECT_GE(view->width(), view->minimumSizeHint().width());
}

}  // namespace
