// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QAbstractListModel>
#include <QComboBox>
#include <QListWidget>
#include <string>
#include <vector>

#include "model/binds/clsListControl.h"

// Lets the builder fill a Qt list. Each entry keeps its original bytes as
// item data, so a picked entry goes back to the model exactly as it was read,
// whatever its encoding; the screen shows it decoded as UTF-8.
class comboListControl : public clsListControl {
public:
    // sorted: entries are shown in alphabetical order (case-insensitive,
    // equal names in the order added).
    explicit comboListControl(QComboBox* box, bool sorted = false) : box_(box), sorted_(sorted) {}
    void clear() override;
    void addItem(const std::string& entry) override;

private:
    QComboBox* box_;
    bool sorted_;
};

class listBoxControl : public clsListControl {
public:
    explicit listBoxControl(QListWidget* list) : list_(list) {}
    void clear() override;
    void addItem(const std::string& entry) override;

private:
    QListWidget* list_;
};

// A list's entries as bytes, shown decoded. A definition file may list tens
// of thousands of keys; keeping the bytes and decoding only the rows a list
// shows keeps loading them to one pass over the texts. Each entry answers its
// bytes as item data, as comboListControl's entries do, so pickedText reads
// the picked entry back exactly.
class byteListModel : public QAbstractListModel {
public:
    explicit byteListModel(QObject* parent) : QAbstractListModel(parent) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void setEntries(std::vector<std::string> entries);

private:
    std::vector<std::string> entries_;
};

// Lets the builder fill a list backed by a byteListModel, in insertion
// order; the entries reach the list in one step at flush.
class bulkComboFill : public clsListControl {
public:
    explicit bulkComboFill(QComboBox* box);
    void clear() override { entries_.clear(); }
    void addItem(const std::string& entry) override { entries_.push_back(entry); }
    // Puts the gathered entries into the list; nothing is picked afterwards.
    void flush();

private:
    QComboBox* box_;
    byteListModel* model_ = nullptr;
    std::vector<std::string> entries_;
};

// The row of a key list that names the key: the key of that spelling, else
// the one the game takes it for ("f1" is F1, "A" is not "a"); -1 when none
// does.
int keyRow(const QComboBox* keys, const std::string& name);

// The bytes of the entry a drop-down list shows; empty when none is picked.
std::string pickedText(const QComboBox* box);
