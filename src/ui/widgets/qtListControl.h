#pragma once
#include <QComboBox>
#include <QListWidget>
#include <string>

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

// The bytes of the entry a drop-down list shows; empty when none is picked.
std::string pickedText(const QComboBox* box);
QString showText(const std::string& bytes);
