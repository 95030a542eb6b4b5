#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>
#include <string>

#include "construction/frmConstruct.h"
#include "help/helpWindowHolder.h"
#include "shell/clsAppContext.h"
#include "support/fakePlatform.h"

// A definition file with three keys, eight colours, two radio commands and
// one OSP token.
inline const char* const constructDefinitions =
    "these lines have no token\r\n"
    "key:F1\r\nkey:F2\r\nkey:MOUSE1\r\n"
    "color:Red<>1\r\ncolor:Blue<>4\r\ncolor:Green<>2\r\ncolor:Yellow<>3\r\n"
    "color:Black<>0\r\ncolor:Cyan<>5\r\ncolor:Magenta<>6\r\ncolor:White<>7\r\n"
    "radio:Sniper<>vsay_team sniper\r\nradio:Check fire<>vsay_team check_fire\r\n"
    "osp:Health<>#h\r\n";

inline const char* const notBound = "This key is not bound yet...";

// The construction screen over a fake platform, with a definition file read
// from the fake program folder.
struct constructScreen {
    fakePlatform fake;
    clsAppContext ctx{fake.services};
    std::unique_ptr<helpWindowHolder> help;
    std::unique_ptr<frmConstruct> form;

    explicit constructScreen(const std::string& definitions = constructDefinitions) {
        const QString folder = QString::fromStdString(ctx.inputFolder());
        QDir().mkpath(folder);
        QFile file(folder + "/test.txt");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(definitions.data(), static_cast<qint64>(definitions.size()));
        file.close();
        EXPECT_TRUE(ctx.builder.read_info((folder + "/test.txt").toStdString()));
        ctx.colorStyles.registerStandardStyles();
        help = std::make_unique<helpWindowHolder>(ctx);
        form = std::make_unique<frmConstruct>(ctx, *help);
        form->show();
    }
    ~constructScreen() {
        // The help window may be a child of the screen: let its holder go first.
        help.reset();
        form.reset();
    }

    template <typename T = QWidget>
    T* get(const char* name) const {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QComboBox* combo(const char* name) const { return get<QComboBox>(name); }
    QLineEdit* box(const char* name) const { return get<QLineEdit>(name); }
    QString text(const char* name) const { return box(name)->text(); }

    // The user picks an entry of a drop-down list.
    void pick(const char* list, const QString& entry) const {
        QComboBox* c = combo(list);
        const int i = c->findText(entry);
        ASSERT_GE(i, 0) << entry.toStdString();
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    void click(const char* name) const { get<QAbstractButton>(name)->click(); }

    // Picks key and type and presses Continue.
    void startBind(const char* key, const char* type) const {
        pick("cboKeys", key);
        click(type);
        click("cmdContinue");
    }
    // Picks the colour count, the first colours and the switch length.
    void pattern(std::initializer_list<const char*> colors, int switchLength) const {
        pick("cboColors", " " + QString::number(static_cast<int>(colors.size())));
        int row = 0;
        for (const char* c : colors) pick(("cboColor" + std::to_string(row++)).c_str(), c);
        pick("cboSwitch", " " + QString::number(switchLength));
    }
    void addText(const QString& text) const {
        box("txtText")->setText(text);
        click("cmdTextAdd");
    }

    int clientHeight() const { return form->centralWidget()->height(); }
    const fakeMessages::shown& lastMessage() const { return fake.messages.log.back(); }
};

// Closes the first modal window that opens, and remembers its class name.
struct modalCloser {
    QString opened;
    QTimer timer;
    modalCloser() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                opened = QString::fromLatin1(w->metaObject()->className());
                timer.stop();
                w->close();
            }
        });
        timer.start();
    }
};
