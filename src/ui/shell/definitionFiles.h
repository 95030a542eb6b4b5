// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <vector>

#include "model/definitions/clsDefinitionList.h"

class QListWidget;
class QListWidgetItem;
class IProgramFolder;

// The definition files of the given folders, as the start screen lists them:
// each folder's ordinary files by name, the first folder's first, a name
// already listed not again. A missing folder lists none.
std::vector<clsDefinitionList::entry> definitionFiles(const std::vector<std::string>& folders);

// Fills the list with the files' names; each entry keeps its whole path,
// shown as its tool tip.
void fillDefinitionList(QListWidget* list, const std::vector<clsDefinitionList::entry>& files,
                        const IProgramFolder& folder);
// The whole path of a listed file.
std::string definitionPath(const QListWidgetItem* item);
