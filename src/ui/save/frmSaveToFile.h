// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <cstddef>
#include <memory>
#include <string>

#include "model/console/clsConsoleLexer.h"
#include "ui/shell/clsAppContext.h"

namespace Ui {
class frmSaveToFile;
}

// The save dialog: takes a file name, writes the cfg file into the output
// folder beside the program, tells the user how to load it, opens the folder
// and ends the program. Back returns to the construction screen (its parent).
// Its controls are designed in frmSaveToFile.ui.
class frmSaveToFile : public QDialog {
    Q_OBJECT
public:
    // The game's console reads a whole cfg file into its 16,384-byte command
    // buffer together with a line end it adds; a file that does not fit is not
    // run at all.
    static constexpr std::size_t consoleBuffer = clsConsoleLexer::commandBuffer;
    static constexpr std::size_t largestRunnableFile = clsConsoleLexer::largestRunnableFile;

    frmSaveToFile(clsAppContext& ctx, QWidget* parent = nullptr);
    ~frmSaveToFile() override;

protected:
    // The close box and Escape act as Back.
    void reject() override;

private:
    void Form_Load();
    void cmdSave_Click();
    void cmdBack_Click();

    void applyColorStyle();
    bool confirmSize(const std::string& fileName);
    clsWriteResult writeCfgFile(const std::string& fileName, const std::string& folder);
    void showSaved(const std::string& fileName);

    clsAppContext& ctx_;
    // The controls, designed in frmSaveToFile.ui.
    std::unique_ptr<Ui::frmSaveToFile> ui;
};
