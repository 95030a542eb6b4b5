// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/cfgfile/clsKeyEdit.h"

#include <algorithm>
#include <vector>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgDocument.h"
#include "model/cfgfile/clsCfgOpen.h"
#include "model/cfgfile/clsOpenReport.h"
#include "model/console/clsConsoleLexer.h"
#include "model/keys/clsGameKeys.h"
#include "model/text/clsText.h"

clsKeyEditResult clsKeyEdit::apply(std::string_view bytes, const std::string& fileName, const std::string& key,
                                   const std::optional<std::string>& binding, const clsDateTime& when) {
    clsKeyEditResult result;
    if (!clsGameKeys::canonical(key)) {
        result.reason = clsText::format(clsText::translate("clsKeyEdit", "the game knows no key named %1"), {key});
        return result;
    }
    clsCfgDocument doc(fileName, std::string(bytes));
    if (doc.read().problem != clsImportProblem::none) {
        result.reason = clsOpenReport::problem(doc.read().problem, bytes.size());
        return result;
    }
    const std::string identity = clsGameKeys::identity(key);
    std::vector<clsOpenedBind> binds;
    for (const clsOpenedBind& b : doc.read().binds())
        if (clsGameKeys::identity(b.key) != identity) binds.push_back(b);
    if (binding) {
        if (clsConsoleLexer::words(*binding).empty()) {
            result.reason = clsText::translate("clsKeyEdit", "the binding is empty (--clear takes a key's bind away)");
            return result;
        }
        // The bind that makes the game store exactly this binding.
        const std::string spelled = clsConsoleLexer::isOneWord(key) ? key : *clsGameKeys::canonical(key);
        clsOpenedBind wanted = clsCfgImport::asBind("bind " + spelled + " " + *binding, spelled, *binding);
        if (const clsLineVerdict verdict = clsBindLine::check(spelled, wanted.kind, wanted.code);
            verdict != clsLineVerdict::fine) {
            result.reason = clsOpenReport::refusalReason(verdict);
            return result;
        }
        // Quotes and line breaks cannot be kept in a binding.
        if (clsCfgImport::bindingOf(clsBindLine::text(spelled, wanted.kind, wanted.code)) != *binding) {
            result.reason =
                clsText::translate("clsKeyEdit", "the game cannot keep a quote mark or a line break in a binding");
            return result;
        }
        binds.push_back(std::move(wanted));
    }

    clsCfgBuilder builder;  // no definition file: the file's keys are the keys
    // The other keys' refused binds stay as they are; a refused new bind
    // changes nothing.
    const clsOpenResult opened = clsCfgOpen::open(builder, doc, binds);
    for (const clsOpenRefusal& r : opened.refused)
        if (clsGameKeys::identity(r.key) == identity) {
            result.reason = clsOpenReport::refusalReason(r.why);
            return result;
        }
    result.ok = true;
    result.bytes = doc.contents(builder, fileName, when);
    result.changed = result.bytes != bytes;
    return result;
}
