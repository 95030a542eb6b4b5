// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <gtest/gtest.h>

#include <QComboBox>
#include <fstream>

#include "support/fakePlatform.h"
#include "support/paintProbe.h"
#include "ui/shell/clsAppContext.h"

// The program-wide objects on fake seams: the standard styles registered and a definition file read.
struct windowTestContext {
    static inline const std::string standardDefinitions =
        "key:F1\r\nkey:F2\r\ncolor:Red<>1\r\ncolor:Blue<>4\r\n"
        "osp:Zulu<>$z\r\nosp:alpha<>$a\r\nosp:Mike<>$m\r\nradio:Sniper<>vsay_team sniper\r\n";
    fakePlatform platform;
    clsAppContext ctx{platform.services};

    explicit windowTestContext(const std::string& defs = standardDefinitions, const std::string& style = "Windows") {
        ctx.colorStyles.registerStandardStyles();
        ctx.currentColorStyle = style;
        QDir(QString::fromStdString(platform.programFolder())).mkpath("InputFiles");
        std::ofstream(ctx.inputFolder() + "/test.txt", std::ios::binary) << defs;
        EXPECT_TRUE(ctx.builder.read_info(ctx.inputFolder() + "/test.txt"));
    }
};

template <typename W> W* control(QWidget* window, const char* name) { return window->findChild<W*>(name); }
inline void pickEntry(QComboBox* box, int index) { box->setCurrentIndex(index), emit box->activated(index); }
