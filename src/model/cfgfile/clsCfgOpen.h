// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/binds/clsOpenedBind.h"
#include "model/cfgfile/clsCfgDocument.h"
#include "model/cfgfile/clsCfgImport.h"

class clsCfgBuilder;

// A cfg file read for opening: the document, or why it cannot be opened.
struct clsCfgRead {
    clsCfgDocument document;
    clsImportProblem problem = clsImportProblem::none;
    std::size_t size = 0;  // of the file, when it is too large
};

// A draft opened again: its binds as read, the cfg file opened in that run
// (when the draft kept it beside itself) and what opening the binds gave.
struct clsDraftRestore {
    clsCfgImport read;
    std::optional<clsCfgDocument> opened;
    clsOpenResult restored;
};

// The one way a cfg file's binds come into the builder, taken by File / Open
// Cfg File, a restored draft, --review, --bind and --clear: the binds become
// the builder's, all of them or none (clsCfgBuilder::open_binds), and the
// document leaves the refused ones alone, so that saving keeps their
// commands as they are.
class clsCfgOpen {
public:
    // The file at path as the document called name (what the game reads
    // of it); a problem when it is missing, unreadable, too large or binary.
    static clsCfgRead read(const std::string& path, const std::string& name);
    // Opens the document's binds.
    static clsOpenResult open(clsCfgBuilder& builder, clsCfgDocument& document);
    // Opens binds in place of the document's own (a changed key's).
    static clsOpenResult open(clsCfgBuilder& builder, clsCfgDocument& document,
                              const std::vector<clsOpenedBind>& binds);
    // Opens the draft at draftPath. The cfg file opened in that run, kept
    // beside the draft, is opened first, so that the keys it adds and the
    // binds left alone are the same as then (openedName names it); then the
    // draft's binds replace its binds.
    static clsDraftRestore restoreDraft(clsCfgBuilder& builder, const std::string& draftPath,
                                        const std::string& openedName);
};
