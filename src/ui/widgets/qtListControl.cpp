// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/widgets/qtListControl.h"
#include "model/keys/clsKeyNames.h"
#include "platform/qtText.h"

void comboListControl::clear() { box_->clear(); }

void comboListControl::addItem(const std::string& entry) {
    const QString text = toQString(entry);
    const QByteArray raw(entry.data(), static_cast<qsizetype>(entry.size()));
    // A drop-down list shows nothing until the user picks: Qt would pick the
    // first entry added.
    const bool nothingPicked = box_->currentIndex() < 0;
    if (!sorted_) {
        box_->addItem(text, raw);
        if (nothingPicked) box_->setCurrentIndex(-1);
        return;
    }
    // Binary search for the first entry that sorts after the new one.
    int lo = 0;
    int hi = box_->count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (QString::compare(box_->itemText(mid), text, Qt::CaseInsensitive) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    box_->insertItem(lo, text, raw);
    if (nothingPicked) box_->setCurrentIndex(-1);
}

void listBoxControl::clear() { list_->clear(); }

void listBoxControl::addItem(const std::string& entry) { list_->addItem(toQString(entry)); }

std::string pickedText(const QComboBox* box) {
    if (box->currentIndex() < 0) return {};
    return box->currentData().toByteArray().toStdString();
}

int byteListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant byteListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const std::string& e = entries_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) return toQString(e);
    if (role == Qt::UserRole) return QByteArray(e.data(), static_cast<qsizetype>(e.size()));
    return {};
}

void byteListModel::setEntries(std::vector<std::string> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

bulkComboFill::bulkComboFill(QComboBox* box) : box_(box) {
    model_ = dynamic_cast<byteListModel*>(box_->model());
    if (!model_) {
        model_ = new byteListModel(box_);
        box_->setModel(model_);
    }
}

void bulkComboFill::flush() {
    model_->setEntries(std::move(entries_));
    entries_.clear();
    box_->setCurrentIndex(-1);
}

int keyRow(const QComboBox* keys, const std::string& name) {
    const QAbstractItemModel* model = keys->model();
    int same = -1;
    for (int row = 0; row < model->rowCount(); ++row) {
        const std::string key = model->index(row, 0).data(Qt::UserRole).toByteArray().toStdString();
        if (key == name) return row;
        if (same < 0 && clsKeyNames::sameKey(key, name)) same = row;
    }
    return same;
}
