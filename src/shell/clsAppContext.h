#pragma once
#include <functional>
#include <string>

#include "bindmodel/clsCfgBuilder.h"
#include "cfgoutput/clsCfgFile.h"
#include "construction/clsInputHandler.h"
#include "platform/platformServices.h"
#include "styles/clsColorStyleManager.h"

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

    // Folders beside the program ("/" separated, no trailing separator).
    std::string inputFolder() const { return platform.folder.programFolder() + "/InputFiles"; }
    std::string outputFolder() const { return platform.folder.programFolder() + "/OutputCfgFiles"; }
    std::string stuffFolder() const { return platform.folder.programFolder() + "/Stuff"; }
};
