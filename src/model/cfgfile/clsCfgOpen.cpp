// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/cfgfile/clsCfgOpen.h"

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsDraft.h"

clsCfgRead clsCfgOpen::read(const std::string& path, const std::string& name) {
    clsCfgRead file;
    std::string bytes;
    file.problem = clsCfgImport::readFile(path, clsCfgImport::largestFile, bytes, file.size);
    if (file.problem == clsImportProblem::none) {
        file.document = clsCfgDocument(name, std::move(bytes));
        file.problem = file.document.read().problem;
    }
    return file;
}

clsOpenResult clsCfgOpen::open(clsCfgBuilder& builder, clsCfgDocument& document) {
    return open(builder, document, document.read().binds());
}

clsOpenResult clsCfgOpen::open(clsCfgBuilder& builder, clsCfgDocument& document,
                               const std::vector<clsOpenedBind>& binds) {
    clsOpenResult opened = builder.open_binds(binds);
    document.leaveAlone(opened.refused);
    return opened;
}

clsDraftRestore clsCfgOpen::restoreDraft(clsCfgBuilder& builder, const std::string& draftPath,
                                         const std::string& openedName) {
    clsDraftRestore draft;
    draft.read = clsCfgImport::fromFile(draftPath, clsDraft::largest, clsKeyRule::anyWord);
    std::string bytes;
    std::size_t size = 0;
    if (clsCfgImport::readFile(clsDraft::sidecarPath(draftPath), clsCfgImport::largestFile, bytes, size) ==
        clsImportProblem::none) {
        clsCfgDocument opened(openedName, std::move(bytes));
        open(builder, opened);
        builder.Reset_Binds();
        draft.opened = std::move(opened);
    }
    draft.restored = builder.open_binds(draft.read.binds());
    return draft;
}
