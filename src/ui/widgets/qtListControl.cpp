#include "ui/widgets/qtListControl.h"

QString showText(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void comboListControl::clear() { box_->clear(); }

void comboListControl::addItem(const std::string& entry) {
    const QString text = showText(entry);
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

void listBoxControl::addItem(const std::string& entry) { list_->addItem(showText(entry)); }

std::string pickedText(const QComboBox* box) {
    if (box->currentIndex() < 0) return {};
    return box->currentData().toByteArray().toStdString();
}
