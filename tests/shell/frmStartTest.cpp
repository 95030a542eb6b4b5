#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "construction/frmConstruct.h"
#include "shell/clsAppContext.h"
#include "shell/frmStart.h"
#include "shell/twips.h"
#include "support/fakePlatform.h"

namespace {

const std::string settingsEntry = "Brenvolt Beta 0.98/ColorSettings/ColorStyle";

void writeBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class startScreen : public testing::Test {
protected:
    fakePlatform p;
    std::unique_ptr<frmStart> start;

    void open() {
        start = std::make_unique<frmStart>(p.services);
        start->show();
    }
    std::string inputFolder() const { return p.programFolder() + "/InputFiles"; }
    void addInputFile(const std::string& name, const std::string& bytes) {
        QDir().mkpath(QString::fromStdString(inputFolder()));
        writeBytes(inputFolder() + "/" + name, bytes);
    }
    template <class T>
    T* control(const char* name) {
        T* c = start->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void choose(const char* menuItem) { control<QAction>(menuItem)->trigger(); }
    void click(const char* button) { control<QPushButton>(button)->click(); }
    QListWidget* fileInput() { return control<QListWidget>("fileInput"); }
    void pick(const QString& file) {
        const auto found = fileInput()->findItems(file, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        found.front()->setSelected(true);
    }
    QStringList listedFiles() {
        QStringList names;
        for (int i = 0; i < fileInput()->count(); ++i) names << fileInput()->item(i)->text();
        return names;
    }
    int clientHeight() { return start->centralWidget()->height(); }
    bool newBindLayout() {
        const bool controls = control<QLabel>("lblInput")->isVisible() && fileInput()->isVisible() &&
                              control<QPushButton>("cmdContinue")->isVisible() &&
                              control<QPushButton>("cmdCancel")->isVisible();
        return controls && !control<QLabel>("picIntro")->isVisible() &&
               clientHeight() == twips(frmStart::newBindHeight - frmStart::menuBarTwips);
    }
    bool introLayout() {
        const bool noControls = !control<QLabel>("lblInput")->isVisible() && !fileInput()->isVisible() &&
                                !control<QPushButton>("cmdContinue")->isVisible() &&
                                !control<QPushButton>("cmdCancel")->isVisible();
        return noControls && control<QLabel>("picIntro")->isVisible() &&
               clientHeight() == twips(frmStart::introHeight - frmStart::menuBarTwips);
    }
};

}  // namespace

TEST_F(startScreen, opensInTheIntroLayoutWithItsCaptionAndMenus) {
    open();
    EXPECT_EQ(start->objectName(), "frmStart");
    EXPECT_EQ(start->windowTitle(), "Soldier of Fortune 2 Brenvolt v.1.00");
    EXPECT_TRUE(introLayout());
    EXPECT_EQ(start->centralWidget()->width(), twips(frmStart::clientWidth));
    EXPECT_EQ(control<QLabel>("picIntro")->geometry(), twipsRect(0, 0, 4335, 5655));

    struct item {
        const char* name;
        const char* caption;
        bool enabled;
    };
    for (const item& i : {item{"mnuNew", "&New Bind", true}, item{"mnuLoad", "&Continue with Earlier Bind", false},
                          item{"mnuExit", "E&xit", true}, item{"mnuColorStyle", "&Color Style", true},
                          item{"mnuHelp", "&Help", true}}) {
        SCOPED_TRACE(i.name);
        EXPECT_EQ(control<QAction>(i.name)->text(), i.caption);
        EXPECT_EQ(control<QAction>(i.name)->isEnabled(), i.enabled);
        EXPECT_TRUE(control<QAction>(i.name)->isVisible());
    }
    EXPECT_EQ(control<QMenu>("mnuFile")->title(), "&File");
    EXPECT_EQ(control<QMenu>("mnuExtra")->title(), "E&xtra");
    // Help acts from the menu bar itself: no sub-items.
    const QList<QAction*> bar = start->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[2], control<QAction>("mnuHelp"));
    EXPECT_EQ(bar[2]->menu(), nullptr);
}

// Every way between the two layouts ends in the layout of the last step.
TEST_F(startScreen, layoutsFollowNewBindAndCancel) {
    struct step {
        const char* name;
        std::vector<const char*> actions;
        bool newBind;
    };
    const std::vector<step> steps = {
        {"new", {"mnuNew"}, true},
        {"new twice", {"mnuNew", "mnuNew"}, true},
        {"new then cancel", {"mnuNew", "cmdCancel"}, false},
        {"cancel then new again", {"mnuNew", "cmdCancel", "mnuNew"}, true},
    };
    for (const step& s : steps) {
        SCOPED_TRACE(s.name);
        open();
        for (const char* a : s.actions) {
            if (std::string(a).rfind("mnu", 0) == 0)
                choose(a);
            else
                click(a);
        }
        EXPECT_EQ(newBindLayout(), s.newBind);
        EXPECT_EQ(introLayout(), !s.newBind);
        if (s.newBind) {
            EXPECT_EQ(control<QPushButton>("cmdContinue")->text(), "Create new Bind");
        }
        EXPECT_TRUE(p.messages.log.empty());
    }
}

// The platform's font may be wider than the design's: no caption is cut.
TEST_F(startScreen, everyCaptionFitsItsControl) {
    open();
    choose("mnuNew");
    const auto check = [&] {
        for (const char* name : {"cmdContinue", "cmdCancel"}) {
            const auto* b = control<QPushButton>(name);
            EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width() - 12) << name;
        }
        const auto* label = control<QLabel>("lblInput");
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
    };
    check();
    // Repainted after the style dialog, the captions still fit.
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    choose("mnuColorStyle");
    check();
}

TEST_F(startScreen, listsTheOrdinaryFilesOfTheInputFolderByName) {
    addInputFile("b.txt", "key:F2\r\n");
    addInputFile("A file.txt", "key:F1\r\n");
    addInputFile("c", "");
    QDir().mkpath(QString::fromStdString(inputFolder() + "/a folder"));
    open();
    choose("mnuNew");
    EXPECT_EQ(listedFiles(), (QStringList{"A file.txt", "b.txt", "c"}));
    EXPECT_EQ(fileInput()->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_TRUE(fileInput()->selectedItems().isEmpty());

    // The list is read again at every New Bind.
    addInputFile("d.txt", "");
    choose("mnuNew");
    EXPECT_EQ(listedFiles().size(), 4);
}

TEST_F(startScreen, aMissingInputFolderGivesAnEmptyList) {
    open();
    choose("mnuNew");
    EXPECT_TRUE(newBindLayout());
    EXPECT_EQ(fileInput()->count(), 0);
    click("cmdContinue");
    ASSERT_EQ(p.messages.log.size(), 1u);
    EXPECT_EQ(p.messages.log[0].title, "No Input File Selected");
}

TEST_F(startScreen, continueWithoutASelectionRefusesEveryTime) {
    addInputFile("keys.txt", "key:F1\r\n");
    open();
    choose("mnuNew");
    click("cmdContinue");
    click("cmdContinue");
    ASSERT_EQ(p.messages.log.size(), 2u);
    for (const auto& m : p.messages.log) {
        EXPECT_EQ(m.title, "No Input File Selected");
        EXPECT_EQ(m.text, "Select an input file to load!");
        EXPECT_EQ(m.icon, msgIcon::Exclamation);
        EXPECT_EQ(m.buttons, msgButtons::Ok);
    }
    EXPECT_TRUE(newBindLayout());
    EXPECT_EQ(start->constructionScreen(), nullptr);
    EXPECT_EQ(start->context().builder.getGroup("key:").get_front().kind, "START");
    start->context().builder.go_to_first_bind();
    EXPECT_TRUE(start->context().builder.get_next_bind().key.empty());  // nothing was read
}

TEST_F(startScreen, aFileThatVanishedIsNamedAndNothingIsHandedOver) {
    addInputFile("gone.txt", "key:F1\r\n");
    open();
    choose("mnuNew");
    pick("gone.txt");
    QFile::remove(QString::fromStdString(inputFolder() + "/gone.txt"));
    click("cmdContinue");

    ASSERT_EQ(p.messages.log.size(), 1u);
    EXPECT_EQ(p.messages.log[0].title, "Cannot Read File");
    EXPECT_NE(p.messages.log[0].text.find(inputFolder() + "/gone.txt"), std::string::npos) << p.messages.log[0].text;
    EXPECT_EQ(p.messages.log[0].icon, msgIcon::Exclamation);
    EXPECT_EQ(p.messages.log[0].buttons, msgButtons::Ok);
    EXPECT_TRUE(start->isVisible());
    EXPECT_TRUE(newBindLayout());
    EXPECT_EQ(start->constructionScreen(), nullptr);
    EXPECT_EQ(fileInput()->count(), 0);  // the list shows what is there now
}

TEST_F(startScreen, handsTheChosenFileOverToTheConstructionScreen) {
    addInputFile("keys.txt", "comment\r\nkey:MOUSE1\r\nkey:F1\r\ncolor:Red<>1\r\n");
    addInputFile("other.txt", "key:F9\r\n");
    open();
    choose("mnuNew");
    pick("keys.txt");
    click("cmdContinue");

    EXPECT_TRUE(p.messages.log.empty());
    EXPECT_FALSE(start->isVisible());
    frmConstruct* construct = start->constructionScreen();
    ASSERT_NE(construct, nullptr);
    EXPECT_TRUE(construct->isVisible());
    auto* keys = construct->findChild<QComboBox*>("cboKeys");
    ASSERT_NE(keys, nullptr);
    ASSERT_EQ(keys->count(), 2);
    EXPECT_EQ(keys->itemText(0), "MOUSE1");  // file order
    EXPECT_EQ(keys->itemText(1), "F1");
}

// The remembered style is read at start and paints the screen.
TEST_F(startScreen, comesUpInTheRememberedStyle) {
    struct stored {
        const char* name;
        std::optional<std::string> value;
        std::string style;
        const char* boxColour;  // fileInput's background
    };
    for (const stored& s : {stored{"nothing stored", std::nullopt, "Windows", "#ffffff"},
                            stored{"empty", std::string(), "Windows", "#ffffff"},
                            stored{"Greek", std::string("Greek"), "Greek", "#c0c0ff"},
                            stored{"Dracula", std::string("Dracula"), "Dracula", "#c0c0c0"}}) {
        SCOPED_TRACE(s.name);
        p.settings.values.clear();
        if (s.value) p.settings.values[settingsEntry] = *s.value;
        open();
        EXPECT_EQ(start->context().currentColorStyle, s.style);
        EXPECT_TRUE(fileInput()->styleSheet().contains(s.boxColour)) << fileInput()->styleSheet().toStdString();
        EXPECT_EQ(start->context().colorStyles.styleCount(), 33u);
    }
}

TEST_F(startScreen, exitStoresTheStyleInUseAndEnds) {
    open();
    start->context().currentColorStyle = "Dracula";
    choose("mnuExit");
    EXPECT_EQ(p.settings.values[settingsEntry], "Dracula");
    EXPECT_EQ(p.exit.ends, 1);
    EXPECT_TRUE(p.messages.log.empty());
}

TEST_F(startScreen, theCloseBoxEndsWithoutStoringTheStyle) {
    open();
    start->context().currentColorStyle = "Dracula";
    EXPECT_TRUE(start->close());
    EXPECT_EQ(p.exit.ends, 1);
    EXPECT_TRUE(p.settings.values.empty());
}

// The picture file replaces the built-in picture only when it loads.
TEST_F(startScreen, showsFrontJpgWhenItLoadsAndTheBuiltInPictureOtherwise) {
    const QImage builtIn = QImage(":/intro.png").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(builtIn.size(), QSize(285, 377));
    const std::string stuff = p.programFolder() + "/Stuff";
    struct pictureCase {
        const char* name;
        std::function<void()> arrange;
        bool own;
    };
    const std::vector<pictureCase> cases = {
        {"missing", [] {}, false},
        {"not a picture",
         [&] {
             QDir().mkpath(QString::fromStdString(stuff));
             writeBytes(stuff + "/front.jpg", "junk");
         },
         false},
        {"a folder", [&] { QDir().mkpath(QString::fromStdString(stuff + "/front.jpg")); }, false},
        {"a picture",
         [&] {
             QDir().mkpath(QString::fromStdString(stuff));
             QImage red(30, 40, QImage::Format_RGB32);
             red.fill(Qt::red);
             ASSERT_TRUE(red.save(QString::fromStdString(stuff + "/front.jpg"), "JPG"));
         },
         true},
    };
    for (const pictureCase& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(QString::fromStdString(stuff)).removeRecursively();
        c.arrange();
        open();
        const QImage shown = control<QLabel>("picIntro")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        if (c.own) {
            EXPECT_EQ(shown.size(), QSize(30, 40));
        } else {
            EXPECT_EQ(shown, builtIn);
        }
        EXPECT_TRUE(control<QLabel>("picIntro")->hasScaledContents());
        EXPECT_TRUE(p.messages.log.empty());
    }
}
