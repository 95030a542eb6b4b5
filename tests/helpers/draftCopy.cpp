// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// One running copy's draft work, for tests that need two copies side by side (two processes). With the same
// classes the program uses and the real lock files:
//   draftCopy hold FOLDER CFG   claims a draft of its own in FOLDER, writes the binds of the cfg text CFG into it,
//                               prints "ready PATH" and waits until its standard input closes (or it is killed)
//   draftCopy offer FOLDER      claims a draft of its own as a start does and prints the binds of the draft it
//                               would offer first ("KEY binding" lines), or "none"; the draft stays as it is
#include <QCoreApplication>
#include <iostream>
#include <string>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgImport.h"
#include "model/cfgfile/clsDraft.h"
#include "platform/QtPlatform.h"
#include "ui/shell/draftOwner.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (argc != (mode == "hold" ? 4 : 3) || (mode != "hold" && mode != "offer")) {
        std::cerr << "usage: draftCopy hold FOLDER CFG | draftCopy offer FOLDER\n";
        return 2;
    }
    QtFileLocks locks;
    clsDraft draft;
    draftOwner owner(draft, locks);
    if (!owner.claim(argv[2])) {
        std::cout << "no lock" << std::endl;
        return 1;
    }
    if (mode == "hold") {
        clsCfgBuilder builder;
        if (builder.open_binds(clsCfgImport::fromBytes(argv[3]).binds()).opened == 0) return 1;
        draft.setDefinitions("keys.txt");
        draft.changed();
        if (!draft.write(builder, clsDateTime::now(), "")) return 1;
        std::cout << "ready " << draft.path() << std::endl;
        for (std::string line; std::getline(std::cin, line);) {
        }
        return 0;
    }
    const std::optional<clsDraftInfo> offered = owner.nextOffer();
    if (!offered) std::cout << "none\n";
    if (offered)
        for (const clsCfgBinding& b : clsCfgImport::fromFile(offered->path).bindings)
            std::cout << b.bind.key << ' ' << b.binding << '\n';
    owner.leave();
    return 0;
}
