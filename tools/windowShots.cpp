// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Grabs every window of the program in each of its states and colour styles
// into PNG files, for comparing the look of two builds pixel for pixel:
//
//   Xvfb :92 -screen 0 1280x1024x24 &  DISPLAY=:92 openbox &
//   DISPLAY=:92 QT_QPA_PLATFORM=xcb build/tools/windowShots OUTDIR [STYLE...]
//   compare -metric AE before/x.png after/x.png null:   (0: identical)
//
// The windows are opened the way a user opens them, through the start
// screen's and the construction screen's menus and buttons, over fake seams
// (no message box, settings or program end of the user's). Each picture is
// the window's own contents (QWidget::grab), without the window manager's
// frame. Styles default to "Windows" and "Dracula".
#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

#include "platform/QtPlatform.h"
#include "platform/appLanguage.h"
#include "support/fakePlatform.h"
#include "ui/construction/frmConstruct.h"
#include "ui/construction/keyboardPicture.h"
#include "ui/shell/frmStart.h"

namespace {

namespace fs = std::filesystem;

QString outDir;
int failures = 0;

void settle(QWidget* w) {
    if (!QTest::qWaitForWindowExposed(w)) std::cerr << "not exposed: " << w->objectName().toStdString() << '\n';
    if (!QTest::qWaitForWindowActive(w)) std::cerr << "not active: " << w->objectName().toStdString() << '\n';
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(30);
    }
}

void shoot(QWidget* w, const QString& name) {
    settle(w);
    const QString file = outDir + '/' + name + ".png";
    if (!w->grab().save(file)) {
        std::cerr << "cannot write " << file.toStdString() << '\n';
        ++failures;
    }
    std::cout << file.toStdString() << '\n';
}

template <typename T> T* find(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c) {
        std::cerr << "no control " << name << " in " << w->objectName().toStdString() << '\n';
        ++failures;
    }
    return c;
}

// A drop-down list, opened.
void shootPopup(QWidget* window, const char* box, const QString& name) {
    auto* c = find<QComboBox>(window, box);
    if (!c) return;
    c->showPopup();
    QWidget* popup = c->view()->window();
    if (!QTest::qWaitForWindowExposed(popup)) std::cerr << "list not exposed: " << box << '\n';
    QTest::qWait(100);
    // The list with the window under it, as the player sees them.
    const QRect area = window->frameGeometry().united(popup->frameGeometry());
    const QString file = outDir + '/' + name + ".png";
    if (!QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file))
        ++failures;
    std::cout << file.toStdString() << '\n';
    c->hidePopup();
    QTest::qWait(50);
}

// Message boxes as the program shows them (the real seam, not the fake),
// answered by Escape once grabbed.
void shootMessages(const QString& style) {
    const std::string longPath = "/home/player/.local/share/brenvolt/OutputCfgFiles/" + std::string(251, 'a') + ".cfg";
    QtMessageBox box;
    for (const auto& [name, title, text, buttons] :
         {std::tuple{"message_saveFailed_", "Save Failed",
                     "The file " + longPath + " could not be saved.\r\nFile name too long.", msgButtons::Ok},
          std::tuple{"message_reset_", "RESET?", std::string("Are you sure you want to DELETE all made binds?"),
                     msgButtons::YesNo}}) {
        QTimer::singleShot(300, [&, name = name] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                shoot(m, name + style);
                QTest::keyClick(m, Qt::Key_Escape);
            }
        });
        box.show(title, text, msgIcon::Exclamation, buttons, msgAnswer::No);
    }
}

// A menu of the window's bar, opened.
void shootMenu(QWidget* window, const char* menu, const QString& name) {
    auto* m = find<QMenu>(window, menu);
    if (!m) return;
    m->popup(window->mapToGlobal(QPoint(0, 0)));
    if (!QTest::qWaitForWindowExposed(m)) std::cerr << "menu not exposed: " << menu << '\n';
    QTest::qWait(100);
    const QString file = outDir + '/' + name + ".png";
    if (!m->grab().save(file)) ++failures;
    std::cout << file.toStdString() << '\n';
    m->hide();
    QTest::qWait(50);
}

void pick(QWidget* w, const char* box, const QString& entry) {
    auto* c = find<QComboBox>(w, box);
    if (!c) return;
    int i = c->findText(entry);
    if (i < 0) i = c->findText(' ' + entry);
    if (i < 0) {
        std::cerr << "no entry " << entry.toStdString() << " in " << box << '\n';
        ++failures;
        return;
    }
    c->setCurrentIndex(i);
    emit c->activated(i);
}

void click(QWidget* w, const char* name) {
    if (auto* b = find<QAbstractButton>(w, name)) b->click();
}

void trigger(QWidget* w, const char* action) {
    if (auto* a = find<QAction>(w, action)) a->trigger();
}

// Opens a modal dialog with the window's menu item or button, grabs it, lets
// `more` change it (and grab it again) and closes it with one of its buttons,
// all inside the dialog's own loop.
void shootDialog(QWidget* window, const char* opener, const QString& name, const char* closeWith,
                 const std::function<void(QWidget*)>& more = {}) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* m = QApplication::activeModalWidget();
        for (int i = 0; !m && i < 100; ++i) {
            QTest::qWait(20);
            m = QApplication::activeModalWidget();
        }
        if (!m) return;
        seen = true;
        shoot(m, name);
        if (more) more(m);
        click(m, closeWith);
        if (m->isVisible()) m->close();
    });
    if (window->findChild<QAction*>(opener))
        trigger(window, opener);
    else
        click(window, opener);
    if (!seen) {
        std::cerr << "no modal window came up for " << opener << '\n';
        ++failures;
    }
}

// Extra / Keyboard View over the shipped definition file, with a bind of
// every kind: the picture, a key's tool tip, and the read-only state.
void shootKeyboardView(fakePlatform& p, const QString& s) {
    frmStart start(p.services);
    start.show();
    trigger(&start, "mnuNew");
    auto* files = find<QListWidget>(&start, "fileInput");
    const auto found = files ? files->findItems("SoF2 default.txt", Qt::MatchExactly) : QList<QListWidgetItem*>();
    if (found.isEmpty()) return;
    found.front()->setSelected(true);
    files->setCurrentItem(found.front());
    click(&start, "cmdContinue");
    QWidget* c = start.constructionScreen();
    if (!c) return;
    auto chat = [&](const char* key, const char* type, std::initializer_list<const char*> colours, const char* text) {
        pick(c, "cboKeys", key);
        click(c, type);
        click(c, "cmdContinue");
        pick(c, "cboColors", QString::number(colours.size()));
        int row = 0;
        for (const char* colour : colours) pick(c, ("cboColor" + std::to_string(row++)).c_str(), colour);
        pick(c, "cboSwitch", "1");
        QTest::keyClicks(find<QLineEdit>(c, "txtText"), text);
        click(c, "cmdTextAdd");
        click(c, "cmdTextDone");
    };
    auto radio = [&](const char* key, const char* command) {
        pick(c, "cboKeys", key);
        click(c, "optRadio");
        click(c, "cmdContinue");
        pick(c, "cboRadio", command);
        click(c, "cmdRadioAdd");
    };
    chat("F1", "optPublicBind", {"Red", "Yellow"}, "Hello all");
    chat("F2", "optTeamBind", {"Cyan"}, "need backup at B");
    chat("t", "optTeamBind", {"White", "Green"}, "incoming");
    chat("MOUSE4", "optPublicBind", {"Magenta", "Blue", "Cyan"}, "gg wp");
    radio("F3", "Affirmative!");
    radio("g", "Grenade!");
    radio("KP_5", "Need backup!");
    // Other commands, as opening a player's cfg file gives them.
    start.context().builder.add_radio_code("q", "weapprev", "weapprev");
    start.context().builder.add_radio_code("MWHEELUP", "weapnext", "weapnext");
    p.settings.values.erase("Brenvolt Beta 0.98/KeyboardView/Geometry");
    trigger(c, "mnuKeyboard");
    QWidget* view = c->findChild<QWidget*>("frmKeyboardView");
    if (!view) {
        std::cerr << "no keyboard view\n";
        ++failures;
        return;
    }
    view->resize(1180, 400);
    view->move(20, 20);
    shoot(view, "keyboardView_" + s);
    // F1's tool tip, as the pointer resting on it shows it.
    if (auto* picture = view->findChild<keyboardPicture*>("picKeyboard")) {
        const QPoint on = picture->placeRect(clsKeyboardLayout::find("F1")).center().toPoint();
        QHelpEvent hover(QEvent::ToolTip, on, picture->mapToGlobal(on));
        QApplication::sendEvent(picture, &hover);
        QTest::qWait(300);
        const QRect area = view->frameGeometry().adjusted(0, 0, 0, 80);
        const QString file = outDir + "/keyboardView_toolTip_" + s + ".png";
        const QPixmap shot =
            QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (!shot.save(file)) ++failures;
        std::cout << file.toStdString() << '\n';
        QToolTip::hideText();
    }
    // Save Picture, as a player posts it.
    const QString saved = outDir + "/keyboardView_saved_" + s + ".png";
    p.fileDialog.savePicks.push_back(saved.toStdString());
    click(view, "cmdSavePicture");
    if (!QFileInfo::exists(saved)) ++failures;
    std::cout << saved.toStdString() << '\n';
    pick(c, "cboKeys", "F5");
    click(c, "optPublicBind");
    click(c, "cmdContinue");
    shoot(view, "keyboardView_readOnly_" + s);
    click(c, "cmdTextCancel");
    p.exit.ends = 1;
}

void shootStyle(const QString& style) {
    fakePlatform p;
    const fs::path source = fs::path(BRENVOLT_SOURCE_DIR);
    fs::create_directories(p.programFolder() + "/InputFiles");
    fs::create_directories(p.programFolder() + "/Stuff");
    fs::copy(source / "InputFiles/SoF2 default.txt", p.programFolder() + "/InputFiles");
    {
        std::ofstream small(p.programFolder() + "/InputFiles/small.txt", std::ios::binary);
        small << "key:F1\r\nkey:F2\r\ncolor:Red<>1\r\ncolor:Blue<>4\r\ncolor:Green<>2\r\n"
                 "osp:Health<>#h\r\nosp:Armor<>#a\r\nradio:Sniper<>vsay_team sniper\r\n";
        // Enough keys for the key list to scroll.
        for (char k = 'a'; k <= 'z'; ++k) small << "key:" << k << "\r\n";
    }
    fs::copy(source / "Stuff/front.jpg", p.programFolder() + "/Stuff");
    p.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"] = style.toStdString();
    const QString s = QString(style).remove(' ');

    {
        // Before the definition files are there: the list says where they go.
        fakePlatform empty;
        empty.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"] = style.toStdString();
        frmStart bare(empty.services);
        bare.show();
        trigger(&bare, "mnuNew");
        shoot(&bare, "start_noFiles_" + s);
        empty.exit.ends = 1;
    }

    frmStart start(p.services);
    start.show();
    shoot(&start, "start_intro_" + s);
    shootMenu(&start, "mnuFile", "start_menuFile_" + s);
    shootMenu(&start, "mnuExtra", "start_menuExtra_" + s);
    trigger(&start, "mnuNew");
    shoot(&start, "start_newBind_" + s);
    shootDialog(&start, "mnuColorStyle", "colorStyle_fromStart_" + s, "cmdCancel");
    shootDialog(&start, "mnuHelp", "help_" + s, "cmdOk");
    auto* files = find<QListWidget>(&start, "fileInput");
    if (!files) return;
    const auto found = files->findItems("small.txt", Qt::MatchExactly);
    if (found.isEmpty()) return;
    found.front()->setSelected(true);
    files->setCurrentItem(found.front());
    shoot(&start, "start_filePicked_" + s);
    click(&start, "cmdContinue");
    QWidget* c = start.constructionScreen();
    if (!c) {
        std::cerr << "no construction screen\n";
        ++failures;
        return;
    }
    shoot(c, "construct_keys_" + s);
    shootMenu(c, "mnuFile", "construct_menuFile_" + s);
    shootMenu(c, "mnuExtra", "construct_menuExtra_" + s);
    pick(c, "cboKeys", "F1");
    click(c, "optPublicBind");
    shoot(c, "construct_keyAndType_" + s);
    click(c, "cmdContinue");
    shoot(c, "construct_text_" + s);
    // A refused paste: the line over the text box says what was removed and why.
    if (auto* text = find<QLineEdit>(c, "txtText")) {
        QApplication::clipboard()->setText(QStringLiteral(";;;say \"hi\" ^7// /*x*/"));
        text->paste();
        shoot(c, "construct_textRefused_" + s);
        text->clear();
    }
    pick(c, "cboColors", "3");
    pick(c, "cboColor0", "Red");
    pick(c, "cboColor1", "Blue");
    pick(c, "cboSwitch", "2");
    QTest::keyClicks(find<QLineEdit>(c, "txtText"), "hello world");
    shoot(c, "construct_textThreeColours_" + s);
    pick(c, "cboColor2", "Green");
    shootPopup(c, "cboColor2", "construct_colourList_" + s);
    click(c, "cmdTextAdd");
    shoot(c, "construct_textAdded_" + s);
    shootDialog(c, "cmdTextOsp", "osp_" + s, "cmdOk", [&](QWidget* m) {
        pick(m, "cboOsp", "Health");
        shoot(m, "osp_picked_" + s);
    });
    shoot(c, "construct_textOsp_" + s);
    pick(c, "cboColors", "8");
    shoot(c, "construct_textEightColours_" + s);
    click(c, "cmdTextDone");
    shoot(c, "construct_done_" + s);
    shootPopup(c, "cboKeys", "construct_keyList_" + s);
    shootDialog(c, "cmdPressKey", "pressKey_" + s, "cmdCancel");
    pick(c, "cboKeys", "F2");
    click(c, "optRadio");
    click(c, "cmdContinue");
    shoot(c, "construct_radio_" + s);
    pick(c, "cboRadio", "Sniper");
    click(c, "cmdRadioAdd");
    shoot(c, "construct_radioAdded_" + s);
    shootDialog(c, "mnuReview", "review_" + s, "cmdOk");
    shootDialog(c, "mnuColorStyle", "colorStyle_" + s, "cmdCancel", [&](QWidget* m) {
        pick(m, "cboColorStyle", "Greek");
        shoot(m, "colorStyle_preview_" + s);
    });
    shootDialog(c, "mnuHelp", "help_again_" + s, "cmdOk");
    shootDialog(c, "mnuSave", "save_" + s, "cmdBack", [&](QWidget* m) {
        QTest::keyClicks(find<QLineEdit>(m, "txtFilename"), "mybinds");
        shoot(m, "save_named_" + s);
    });
    shoot(c, "construct_back_" + s);
    p.exit.ends = 1;  // nothing asks on the way out
    p.exit.ends = 0;
    shootKeyboardView(p, s);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The windows in the system's language (LANGUAGE=de windowShots ...).
    const appLanguage language;
    // No blinking text cursor and no pointer over a control: the same
    // picture on every run.
    QApplication::setCursorFlashTime(0);
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::cerr << "usage: windowShots OUTDIR [STYLE...]\n";
        return 2;
    }
    outDir = args[1];
    QDir().mkpath(outDir);
    QStringList styles = args.mid(2);
    if (styles.isEmpty()) styles = {"Windows", "Dracula"};
    for (const QString& style : styles) shootStyle(style);
    shootMessages(QStringLiteral("platform"));
    return failures == 0 ? 0 : 1;
}
