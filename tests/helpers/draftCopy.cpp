// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// A second running copy's draft work (the program's draft classes, real lock files), for tests of copies side by side:
//   draftCopy hold FOLDER CFG   claims a draft in FOLDER, writes the binds of the cfg text CFG into it, prints
//                               "ready PATH" and waits until its standard input closes (or it is killed)
//   draftCopy offer FOLDER      prints the binds of the draft a start would offer first ("KEY binding"), or "none"
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
    QtFileLocks locks;
    clsDraft draft;
    draftOwner owner(draft, locks);
    if (argc != (mode == "hold" ? 4 : 3) || (mode != "hold" && mode != "offer") || !owner.claim(argv[2])) return 2;
    if (mode == "hold") {
        clsCfgBuilder builder;
        draft.setDefinitions("keys.txt");
        draft.changed();
        if (builder.open_binds(clsCfgImport::fromBytes(argv[3]).binds()).opened == 0 ||
            !draft.write(builder, clsDateTime::now(), ""))
            return 1;
        std::cout << "ready " << draft.path() << std::endl;
        for (std::string line; std::getline(std::cin, line);) continue;
        return 0;
    }
    if (const std::optional<clsDraftInfo> offered = owner.nextOffer())
        for (const clsCfgBinding& b : clsCfgImport::fromFile(offered->path).bindings)
            std::cout << b.bind.key << ' ' << b.binding << '\n';
    else
        std::cout << "none\n";
    owner.leave();
}
