#include "shell/clsDefinitionList.h"

#include <set>

std::vector<clsDefinitionList::entry> clsDefinitionList::merge(const std::vector<folderFiles>& folders) {
    std::vector<entry> list;
    std::set<std::string> listed;
    for (const folderFiles& f : folders)
        for (const std::string& name : f.names)
            if (listed.insert(name).second) list.push_back({name, f.folder + "/" + name});
    return list;
}
