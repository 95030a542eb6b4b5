// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/definitions/clsDefinitionList.h"

#include <set>

#include "model/text/clsText.h"

std::vector<clsDefinitionList::entry> clsDefinitionList::merge(const std::vector<folderFiles>& folders) {
    std::vector<entry> list;
    std::set<std::string> listed;
    for (const folderFiles& f : folders)
        for (const std::string& name : f.names)
            if (listed.insert(name).second) list.push_back({name, f.folder + "/" + name});
    return list;
}

std::string clsDefinitionList::noFilesHint(const std::vector<std::string>& folders) {
    std::string hint = clsText::translate("clsDefinitionList", "No definition files found.") + "\n\n" +
                       clsText::translate("clsDefinitionList",
                                          "A definition file is a plain text file of lines such as key:F1 and "
                                          "color:Red<>1 (see Help). Put definition files into the folder:") +
                       "\n";
    hint += folders.empty() ? std::string("InputFiles") : folders.front();
    if (folders.size() > 1) {
        hint += "\n\n" + clsText::translate("clsDefinitionList", "The files that come with the program belong in:");
        for (std::size_t k = 1; k < folders.size(); ++k) hint += "\n" + folders[k];
        hint += "\n" + clsText::translate("clsDefinitionList", "Install the program again to get them back.");
    }
    return hint;
}
