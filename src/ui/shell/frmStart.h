// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>

#include "model/cfgfile/clsDraft.h"
#include "platform/platformServices.h"

namespace Ui {
class frmStart;
}

class QCloseEvent;
struct clsAppContext;
class frmConstruct;
class helpWindowHolder;
class draftKeeper;
class draftOwner;

// The start screen: makes the program-wide objects, shows the intro picture,
// lets the user pick an input definition file and hands over to the
// construction screen, which it keeps for the rest of the run. Its controls
// and menus are designed in frmStart.ui.
class frmStart : public QMainWindow {
    Q_OBJECT
public:
    // Whole-window heights (caption and menu bar included) of the two
    // layouts; the area under the menu bar is that height less menuBarTwips.
    static constexpr int introHeight = 6435;
    static constexpr int newBindHeight = 4725;
    static constexpr int menuBarTwips = 780;
    static constexpr int clientWidth = 4320;
    // Where the name of the definition file used last is kept.
    static inline const std::string lastDefinitionsSection = "Files";
    static inline const std::string lastDefinitionsKey = "LastDefinitionFile";

    explicit frmStart(platformServices& services, QWidget* parent = nullptr);
    ~frmStart() override;

    clsAppContext& context() { return *ctx_; }
    helpWindowHolder& helpWindow() { return *help_; }
    // The construction screen once the user has been handed over, else null.
    frmConstruct* constructionScreen() const { return construct_.get(); }
    draftKeeper& drafts() { return *drafts_; }

    // When binds of an earlier run were not saved, asks whether to restore
    // them, newest first, for every draft whose copy no longer runs: Yes
    // reads their definition file and opens the construction screen with
    // them (or, when that file is gone, says so and lists the definition
    // files: the binds come back with the file picked), and the draft
    // becomes this run's; No deletes that draft and asks about the next;
    // Escape or the close box keep it and ask no more. Called once the
    // screen is up.
    void offerDraft();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape acts as Cancel in the new-bind layout.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    void mnuNew_Click();
    void mnuOpen_Click();
    void cmdContinue_Click();
    void cmdCancel_Click();
    void mnuExit_Click();
    void mnuColorStyle_Click();
    void mnuHelp_Click();

    void showIntroLayout();
    void applyColorStyle();
    void fitCaptions();
    void setWindowHeight(int heightTwips);
    void listInputFiles();
    void loadIntroPicture(const QString& path);
    void tellAfterHandOver(const std::string& fileName);
    bool handOver(const std::string& path, const std::string& fileName);
    std::string restoreDraft();

    std::unique_ptr<clsAppContext> ctx_;
    // Declared before the help window so that the help window, which may be
    // a child of the construction screen, goes first.
    std::unique_ptr<frmConstruct> construct_;
    std::unique_ptr<helpWindowHolder> help_;
    std::unique_ptr<draftKeeper> drafts_;
    // Holds this run's draft's lock, and the lock of a draft offered.
    std::unique_ptr<draftOwner> draftOwner_;
    // The draft to restore at the next hand-over.
    std::optional<clsDraftInfo> pendingDraft_;
    // The controls, designed in frmStart.ui.
    std::unique_ptr<Ui::frmStart> ui;
};
