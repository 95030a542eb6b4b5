// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include "appInfo.h"
#include "platform/breakableText.h"
#include "platform/qtText.h"

namespace {

// A message box that knows whether it was closed without an answer: Escape
// and the close box press its No as before, but the asker hears Cancel.
class answerBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool unanswered() const { return unanswered_; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel) && !clickedButton()) unanswered_ = true;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (!clickedButton()) unanswered_ = true;
        QMessageBox::closeEvent(event);
    }

private:
    bool unanswered_ = false;
};
}  // namespace

// Qt's per-user settings: the registry on Windows, a settings file elsewhere.
std::string QtSettingsStore::read(const std::string& app, const std::string& section, const std::string& key,
                                  const std::string& defaultValue) {
    QSettings settings(QSettings::UserScope, toQString(app), toQString(app));
    settings.beginGroup(toQString(section));
    return settings.value(toQString(key), toQString(defaultValue)).toString().toStdString();
}

void QtSettingsStore::write(const std::string& app, const std::string& section, const std::string& key,
                            const std::string& value) {
    QSettings settings(QSettings::UserScope, toQString(app), toQString(app));
    settings.beginGroup(toQString(section));
    settings.setValue(toQString(key), toQString(value));
    settings.endGroup();
    settings.sync();
}

msgAnswer QtMessageBox::show(const std::string& title, const std::string& text, msgIcon icon, msgButtons buttons,
                             msgAnswer defaultAnswer) {
    answerBox box(QApplication::activeWindow());
    box.setWindowTitle(toQString(title));
    // Texts name files and typed names: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(breakableText(toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
    switch (icon) {
        case msgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case msgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case msgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case msgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    if (buttons == msgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultAnswer == msgAnswer::No ? QMessageBox::No : QMessageBox::Yes);
        const int pressed = box.exec();
        if (box.unanswered()) return msgAnswer::Cancel;
        return pressed == QMessageBox::Yes ? msgAnswer::Yes : msgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return msgAnswer::Ok;
}

void QtBeep::beep() { QApplication::beep(); }

void QtFileBrowser::openFolder(const std::string& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(folder)));  // a failure is ignored
}

std::string QtProgramFolder::programFolder() const { return QCoreApplication::applicationDirPath().toStdString(); }

clsFolderFacts QtProgramFolder::facts() const {
    const QString program = toQString(programFolder());
    // Beside the program the cfg files go into OutputCfgFiles: that folder
    // must take files if it is there, else the program folder must take it.
    const QFileInfo output(program + QStringLiteral("/OutputCfgFiles"));
    clsFolderFacts f;
    f.programFolder = programFolder();
    f.programHasInputFiles = QFileInfo(program + QStringLiteral("/InputFiles")).isDir();
    f.programWritable = output.exists() ? output.isDir() && output.isWritable() : QFileInfo(program).isWritable();
    f.installDataFolder = installDataFolder().toStdString();
    f.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    return f;
}

QString QtProgramFolder::installDataFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QLatin1String(appInfo::dataFromProgram));
}

clsFolderChoice QtProgramFolder::folders() const {
    if (!chosen_) {
        chosen_ = clsFolderChoice::decide(facts());
        // A folder that cannot be made lists nothing; a save into it reports why.
        for (const std::string& folder : chosen_->foldersToCreate) QDir().mkpath(toQString(folder));
    }
    return *chosen_;
}

std::string QtProgramFolder::nativePath(const std::string& path) const {
    return QDir::toNativeSeparators(toQString(path)).toStdString();
}

std::string QtFileDialog::openFile(const std::string& title, const std::string& folder, const std::string& filter) {
    // A folder not made yet (nothing saved so far) starts the dialog at home.
    const QString start = QDir(toQString(folder)).exists() ? toQString(folder) : QDir::homePath();
    const QString picked = QFileDialog::getOpenFileName(
        QApplication::activeWindow(), toQString(title), start,
        toQString(filter) + QStringLiteral(";;") + QCoreApplication::translate("QtFileDialog", "All files (*)"));
    return picked.isEmpty() ? std::string() : QFile::encodeName(picked).toStdString();
}

std::string QtFileDialog::saveFile(const std::string& title, const std::string& path, const std::string& filter) {
    QFileInfo offered(toQString(path));
    if (!offered.dir().exists()) offered = QFileInfo(QDir::home(), offered.fileName());
    QFileDialog dialog(QApplication::activeWindow(), toQString(title), offered.absolutePath(), toQString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(offered.fileName());
    // "PNG pictures (*.png)": a name typed without an extension gets ".png".
    const QString first = toQString(filter)
                              .section(QStringLiteral("*."), 1, 1)
                              .section(QRegularExpression(QStringLiteral("[ );]")), 0, 0);
    if (!first.isEmpty()) dialog.setDefaultSuffix(first);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

QtFileLock::QtFileLock(const std::string& path) : lock_(toQString(path)) {
    // Only a dead owner makes a lock stale: a copy may run for days.
    lock_.setStaleLockTime(0);
}

bool QtFileLock::tryLock() { return lock_.tryLock(0); }

void QtFileLock::unlock() { lock_.unlock(); }

std::unique_ptr<IFileLock> QtFileLocks::lockFile(const std::string& path) { return std::make_unique<QtFileLock>(path); }

void QtProgramExit::endProgram() {
    ending_ = true;
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
