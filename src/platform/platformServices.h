// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include "model/settings/ISettingsStore.h"
#include "platform/IBeep.h"
#include "platform/IFileBrowser.h"
#include "platform/IFileDialog.h"
#include "platform/IFileLock.h"
#include "platform/IMessageBox.h"
#include "platform/IProgramExit.h"
#include "platform/IProgramFolder.h"

// The seams to the outside world, handed to every window.
struct platformServices {
    ISettingsStore& settings;
    IMessageBox& messages;
    IBeep& beep;
    IFileBrowser& fileBrowser;
    IProgramFolder& folder;
    IProgramExit& exit;
    IFileDialog& fileDialog;
    IFileLocks& locks;
};
