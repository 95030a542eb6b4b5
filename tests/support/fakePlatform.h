// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QDir>
#include <QTemporaryDir>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platformServices.h"

// Seams that tests can read and answer: no real message box, beep, file browser, dialog or program end.
struct fakeSettings : ISettingsStore {
    std::map<std::string, std::string> values;  // "app/section/key" -> value
    std::string read(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& defaultValue) override {
        auto it = values.find(app + "/" + section + "/" + key);
        return it == values.end() ? defaultValue : it->second;
    }
    void write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override {
        values[app + "/" + section + "/" + key] = value;
    }
};

struct fakeMessages : IMessageBox {
    struct shown {
        std::string title, text;
        msgIcon icon;
        msgButtons buttons;
        msgAnswer defaultAnswer;
    };
    std::vector<shown> log;
    // Scripted answers to Yes/No questions (Cancel: closed with Escape or the close box); No when none is left.
    std::deque<msgAnswer> answers;
    msgAnswer show(const std::string& title, const std::string& text, msgIcon icon, msgButtons buttons,
                   msgAnswer defaultAnswer = msgAnswer::Yes) override {
        log.push_back({title, text, icon, buttons, defaultAnswer});
        if (buttons == msgButtons::Ok) return msgAnswer::Ok;
        const msgAnswer a = answers.empty() ? msgAnswer::No : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
    // Every message so far: "title: text", "(!)" for the exclamation icon, and its buttons, "*" after the one
    // Enter presses.
    std::string asked() const {
        std::string out;
        const char* const icons[] = {"", " (!)", " (?)", " (i)"};
        for (const auto& m : log)
            out += m.title + ": " + m.text + icons[int(m.icon)] +
                   (m.buttons == msgButtons::Ok        ? " [OK]\n"
                    : m.defaultAnswer == msgAnswer::No ? " [Yes No*]\n"
                                                       : " [Yes* No]\n");
        return out;
    }
};

struct fakeBeep : IBeep {
    int count = 0;
    void beep() override { ++count; }
};

struct fakeFileBrowser : IFileBrowser {
    std::vector<std::string> opened;
    void openFolder(const std::string& folder) override { opened.push_back(folder); }
};

struct fakeFolder : IProgramFolder {
    std::string path;
    std::optional<clsFolderChoice> choice;  // none: everything beside the program
    std::string programFolder() const override { return path; }
    std::string nativePath(const std::string& p) const override { return p; }
    // Drafts go to a folder of their own beside the program's.
    clsFolderChoice folders() const override {
        clsFolderChoice c = choice ? *choice : IProgramFolder::folders();
        if (c.userDataFolder.empty()) c.userDataFolder = path + "/userData";
        return c;
    }
};

// Answers the open and the save dialog with the next scripted path (cancelled when none is left), and keeps the
// folder each open dialog started in.
struct fakeFileDialog : IFileDialog {
    std::deque<std::string> picks, savePicks;
    std::vector<std::string> folders;
    static std::string next(std::deque<std::string>& from) {
        if (from.empty()) return {};
        std::string path = from.front();
        from.pop_front();
        return path;
    }
    std::string openFile(const std::string&, const std::string& folder, const std::string&) override {
        folders.push_back(folder);
        return next(picks);
    }
    std::string saveFile(const std::string&, const std::string&, const std::string&) override {
        return next(savePicks);
    }
};

// Locks held by this copy and by other running copies; no lock file is made.
struct fakeLocks : IFileLocks {
    std::set<std::string> held;       // by this copy
    std::set<std::string> elsewhere;  // by copies still running: never taken
    struct lock : IFileLock {
        fakeLocks& all;
        std::string path;
        bool mine = false;
        lock(fakeLocks& a, std::string p) : all(a), path(std::move(p)) {}
        ~lock() override { unlock(); }
        bool tryLock() override { return mine || (mine = !all.elsewhere.count(path) && all.held.insert(path).second); }
        void unlock() override {
            if (mine) all.held.erase(path);
            mine = false;
        }
    };
    std::unique_ptr<IFileLock> lockFile(const std::string& path) override {
        return std::make_unique<lock>(*this, path);
    }
};

struct fakeExit : IProgramExit {
    int ends = 0;
    void endProgram() override { ++ends; }
    bool ending() const override { return ends > 0; }
};

// All fakes together; the program folder is a fresh temporary folder.
struct fakePlatform {
    QTemporaryDir dir;
    fakeSettings settings;
    fakeMessages messages;
    fakeBeep beep;
    fakeFileBrowser fileBrowser;
    fakeFolder folder;
    fakeExit exit;
    fakeFileDialog fileDialog;
    fakeLocks locks;
    platformServices services{settings, messages, beep, fileBrowser, folder, exit, fileDialog, locks};

    fakePlatform() { folder.path = QDir(dir.path()).absolutePath().toStdString(); }
    std::string programFolder() const { return folder.path; }

    // Runs as an installed program: the program in bin/ with nothing beside it, the shipped files in
    // share/brenvolt/, the user's in home/ (whose InputFiles is made, as at a real start).
    void runInstalled() {
        const std::string root = folder.path;
        folder.path = root + "/bin";
        folder.choice = clsFolderChoice::decide({folder.path, false, true, root + "/share/brenvolt", root + "/home"});
        for (const std::string& f : folder.choice->foldersToCreate) QDir().mkpath(QString::fromStdString(f));
    }
    std::string shippedFolder() const { return folder.choice->definitionFolders.back(); }
};
