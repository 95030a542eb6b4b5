// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

#include "platform/platformServices.h"

// The Qt implementation of every seam, for the real program.
class QtSettingsStore : public ISettingsStore {
public:
    std::string read(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& defaultValue) override;
    void write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
};

class QtMessageBox : public IMessageBox {
public:
    msgAnswer show(const std::string& title, const std::string& text, msgIcon icon, msgButtons buttons,
                   msgAnswer defaultAnswer = msgAnswer::Yes) override;
};

class QtBeep : public IBeep {
public:
    void beep() override;
};

class QtFileBrowser : public IFileBrowser {
public:
    void openFolder(const std::string& folder) override;
};

// The folder of the running executable. The folders of the run are chosen
// the first time they are asked for, from what is found around the program
// folder, and stay for the whole run; the per-user folders of an installed
// program are made then.
class QtProgramFolder : public IProgramFolder {
public:
    std::string programFolder() const override;
    std::string nativePath(const std::string& path) const override;
    clsFolderChoice folders() const override;
    // <prefix>/share/brenvolt, found from the program's own folder (in a
    // build, build/share/brenvolt).
    static QString installDataFolder();

private:
    clsFolderFacts facts() const;
    mutable std::optional<clsFolderChoice> chosen_;
};

class QtFileDialog : public IFileDialog {
public:
    std::string openFile(const std::string& title, const std::string& folder, const std::string& filter) override;
    std::string saveFile(const std::string& title, const std::string& path, const std::string& filter) override;
};

// QLockFile, stale only when its owner process is gone (never by its age).
class QtFileLock : public IFileLock {
public:
    explicit QtFileLock(const std::string& path);
    bool tryLock() override;
    void unlock() override;

private:
    QLockFile lock_;
};

class QtFileLocks : public IFileLocks {
public:
    std::unique_ptr<IFileLock> lockFile(const std::string& path) override;
};

class QtProgramExit : public IProgramExit {
public:
    void endProgram() override;
    bool ending() const override { return ending_; }

private:
    bool ending_ = false;
};

// All seams together, owned by main.
struct QtPlatform {
    QtSettingsStore settings;
    QtMessageBox messages;
    QtBeep beep;
    QtFileBrowser fileBrowser;
    QtProgramFolder folder;
    QtProgramExit exit;
    QtFileDialog fileDialog;
    QtFileLocks locks;
    platformServices services{settings, messages, beep, fileBrowser, folder, exit, fileDialog, locks};
};
