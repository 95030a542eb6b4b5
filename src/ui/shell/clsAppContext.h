// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgDocument.h"
#include "model/cfgfile/clsCfgFile.h"
#include "model/cfgfile/clsDraft.h"
#include "model/input/clsInputHandler.h"
#include "model/styles/clsColorStyleManager.h"
#include "platform/platformServices.h"

// The program-wide objects: made once by the start screen, handed by
// reference to every window, alive until the program ends.
struct clsAppContext {
    explicit clsAppContext(platformServices& services) : platform(services) {}
    clsAppContext(const clsAppContext&) = delete;
    clsAppContext& operator=(const clsAppContext&) = delete;

    platformServices& platform;
    clsCfgBuilder builder;
    clsInputHandler inputHandler;
    clsColorStyleManager colorStyles;
    std::string currentColorStyle = clsColorStyleManager::defaultStyle;
    std::function<clsDateTime()> clock = &clsDateTime::now;
    // The unsaved binds kept on disk, and the name of the cfg file opened
    // last (the save dialog offers it).
    clsDraft draft;
    std::string openedCfg;
    // The cfg file opened last, byte for byte: saving changes only its binds.
    clsCfgDocument document;

    bool writeDraft() { return draft.write(builder, clock(), openedCfg); }
    // The cfg file opened last becomes the one saving writes into; its
    // bytes go into the draft too.
    void openDocument(clsCfgDocument opened) {
        openedCfg = opened.name();
        draft.setOpened(opened.bytes());
        document = std::move(opened);
    }

    // The folders of the run ("/" separated, no trailing separator): beside
    // the program, or for an installed program the shipped and the user's own.
    std::vector<std::string> definitionFolders() const { return platform.folder.folders().definitionFolders; }
    // Where the user keeps their own definition files.
    std::string inputFolder() const { return platform.folder.folders().userDefinitionFolder; }
    std::string outputFolder() const { return platform.folder.folders().outputFolder; }
    std::string stuffFolder() const { return platform.folder.folders().pictureFolder; }
};
