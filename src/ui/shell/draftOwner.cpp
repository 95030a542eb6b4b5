// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/shell/draftOwner.h"

#include <QRandomGenerator>
#include <QString>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec) || ec;  // a file that cannot be looked at is not taken for gone
}

// Eight hex digits: names a draft in a folder where a handful lie at most.
std::string randomId() {
    const QString hex = QString::number(QRandomGenerator::system()->generate(), 16);
    return hex.rightJustified(8, QLatin1Char('0')).toStdString();
}

}  // namespace

draftOwner::draftOwner(clsDraft& draft, IFileLocks& locks) : draft_(draft), locks_(locks) {
    // A save or a confirmed Exit removed the draft: its lock goes with it.
    draft_.setOnDiscard([this] {
        if (own_) own_->unlock();
        own_.reset();
    });
}

draftOwner::~draftOwner() {
    draft_.setOnDiscard({});
    // A draft still being written stays under its lock until it is on disk.
    draft_.wait();
}

bool draftOwner::claim(const std::string& folder) {
    folder_ = folder;
    draft_.setFolder({});
    if (folder.empty()) return false;
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string name = clsDraft::nameFor(randomId());
        const std::string path = folder + "/" + name;
        std::unique_ptr<IFileLock> lock = locks_.lockFile(lockPath(path));
        if (!lock->tryLock()) continue;
        // The name of a draft left by a copy that ended is not this one's to write over.
        if (exists(path)) continue;
        own_ = std::move(lock);
        draft_.setFolder(folder);
        draft_.setFileName(name);
        return true;
    }
    return false;
}

std::optional<clsDraftInfo> draftOwner::nextOffer() {
    if (!waiting_) {
        dropOrphanLocks();
        waiting_ = clsDraft::candidates(folder_);
    }
    offered_.reset();
    offeredPath_.clear();
    const std::string ownPath = own_ ? draft_.path() : std::string();
    while (!waiting_->empty()) {
        const std::string path = waiting_->front();
        waiting_->erase(waiting_->begin());
        if (path == ownPath) continue;
        std::unique_ptr<IFileLock> lock = locks_.lockFile(lockPath(path));
        if (!lock->tryLock()) continue;  // its copy still runs
        // Read under the lock: its copy may have ended with a save just now.
        std::optional<clsDraftInfo> info = clsDraft::read(path);
        if (!info) continue;
        offered_ = std::move(lock);
        offeredPath_ = path;
        return info;
    }
    return std::nullopt;
}

void draftOwner::adopt() {
    if (!offered_) return;
    draft_.wait();
    // This copy's own draft, never written before an offer, makes way.
    if (own_) {
        clsDraft::removeFiles(draft_.path());
        own_->unlock();
    }
    own_ = std::move(offered_);
    const fs::path adopted(offeredPath_);
    draft_.setFolder(adopted.parent_path().string());
    draft_.setFileName(adopted.filename().string());
    offeredPath_.clear();
}

void draftOwner::decline() {
    if (!offered_) return;
    clsDraft::removeFiles(offeredPath_);
    offered_->unlock();
    offered_.reset();
    offeredPath_.clear();
}

void draftOwner::leave() {
    if (offered_) offered_->unlock();
    offered_.reset();
    offeredPath_.clear();
}

void draftOwner::dropOrphanLocks() const {
    std::error_code ec;
    const std::string ownLock = own_ ? lockPath(draft_.path()) : std::string();
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.ends_with(".lock")) continue;
        const std::string draftName = name.substr(0, name.size() - 5);
        const std::string path = folder_ + "/" + name;
        if (!clsDraft::isDraftName(draftName) || path == ownLock || exists(folder_ + "/" + draftName)) continue;
        const std::unique_ptr<IFileLock> lock = locks_.lockFile(path);
        if (lock->tryLock()) lock->unlock();
    }
}
