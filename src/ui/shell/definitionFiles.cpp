#include "ui/shell/definitionFiles.h"

#include <QDir>
#include <QListWidget>

#include "platform/IProgramFolder.h"

namespace {
QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

std::vector<clsDefinitionList::entry> definitionFiles(const std::vector<std::string>& folders) {
    std::vector<clsDefinitionList::folderFiles> found;
    for (const std::string& folder : folders) {
        clsDefinitionList::folderFiles f{folder, {}};
        for (const QString& name : QDir(q(folder)).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
            f.names.push_back(name.toStdString());
        found.push_back(std::move(f));
    }
    return clsDefinitionList::merge(found);
}

void fillDefinitionList(QListWidget* list, const std::vector<clsDefinitionList::entry>& files,
                        const IProgramFolder& folder) {
    list->clear();
    for (const clsDefinitionList::entry& file : files) {
        auto* item = new QListWidgetItem(q(file.name), list);
        item->setData(Qt::UserRole, q(file.path));
        item->setToolTip(q(folder.nativePath(file.path)));
    }
}

std::string definitionPath(const QListWidgetItem* item) { return item->data(Qt::UserRole).toString().toStdString(); }
