#pragma once
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QWidget>
#include <string>

#include "shell/clsAppContext.h"
#include "support/fakePlatform.h"

// The program-wide objects as the start screen makes them, on fake seams:
// the 33 styles registered and a definition file read.
struct windowTestContext {
    static inline const std::string standardDefinitions =
        "key:F1\r\n"
        "key:F2\r\n"
        "color:Red<>1\r\n"
        "color:Blue<>4\r\n"
        "osp:Zulu<>$z\r\n"
        "osp:alpha<>$a\r\n"
        "osp:Mike<>$m\r\n"
        "radio:Sniper<>vsay_team sniper\r\n";

    fakePlatform platform;
    clsAppContext ctx{platform.services};

    explicit windowTestContext(const std::string& definitions = standardDefinitions,
                               const std::string& style = "Windows") {
        ctx.colorStyles.registerStandardStyles();
        ctx.currentColorStyle = style;
        QDir(QString::fromStdString(platform.programFolder())).mkpath("InputFiles");
        const std::string path = ctx.inputFolder() + "/test.txt";
        QFile f(QString::fromStdString(path));
        if (f.open(QIODevice::WriteOnly)) {
            f.write(definitions.data(), static_cast<qint64>(definitions.size()));
            f.close();
        }
        ctx.builder.read_info(path);
    }
};

template <typename W>
W* control(QWidget* window, const char* name) {
    return window->findChild<W*>(QString::fromLatin1(name));
}

// What the user does when picking an entry of a drop-down list.
inline void pickEntry(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

inline QStringList entries(const QComboBox* box) {
    QStringList all;
    for (int i = 0; i < box->count(); ++i) all << box->itemText(i);
    return all;
}
