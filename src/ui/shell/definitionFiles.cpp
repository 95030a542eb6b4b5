// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/shell/definitionFiles.h"

#include <QDir>
#include <QListWidget>

#include "platform/IProgramFolder.h"
#include "platform/qtText.h"

std::vector<clsDefinitionList::entry> definitionFiles(const std::vector<std::string>& folders) {
    std::vector<clsDefinitionList::folderFiles> found;
    for (const std::string& folder : folders) {
        clsDefinitionList::folderFiles f{folder, {}};
        for (const QString& name : QDir(toQString(folder)).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
            f.names.push_back(name.toStdString());
        found.push_back(std::move(f));
    }
    return clsDefinitionList::merge(found);
}

void fillDefinitionList(QListWidget* list, const std::vector<clsDefinitionList::entry>& files,
                        const IProgramFolder& folder) {
    list->clear();
    for (const clsDefinitionList::entry& file : files) {
        auto* item = new QListWidgetItem(toQString(file.name), list);
        item->setData(Qt::UserRole, toQString(file.path));
        item->setToolTip(toQString(folder.nativePath(file.path)));
    }
}

std::string definitionPath(const QListWidgetItem* item) { return item->data(Qt::UserRole).toString().toStdString(); }
