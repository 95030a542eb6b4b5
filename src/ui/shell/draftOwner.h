// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "model/cfgfile/clsDraft.h"
#include "platform/IFileLock.h"

// Which drafts in the data folder belong to which running copy. Every copy
// keeps a draft of its own ("draft-<id>.cfg") and holds its lock (the
// draft's name with ".lock" added) for the whole run, so no other copy
// offers or deletes it. A copy that ends without giving its work up (a
// crash, a kill, the close box) leaves its draft behind with no live owner,
// and a later start offers it. While a draft is offered, and once it is
// restored for the rest of the run, the copy offering it holds its lock, so
// no third copy offers it too.
class draftOwner {
public:
    draftOwner(clsDraft& draft, IFileLocks& locks);
    // Waits for the draft's thread, then lets the locks go: the draft stays.
    ~draftOwner();
    draftOwner(const draftOwner&) = delete;
    draftOwner& operator=(const draftOwner&) = delete;

    // Gives the draft a name of its own in folder and takes its lock; false
    // when no lock can be taken there (then this run writes no draft).
    bool claim(const std::string& folder);

    // The next draft whose copy is no longer running, newest first, with
    // binds in it; its lock is held until it is answered. None when no
    // draft is left to offer. Asking again leaves the one offered before.
    std::optional<clsDraftInfo> nextOffer();
    // Yes: the offered draft becomes this copy's draft, so a crash right
    // after its restore still leaves the binds on disk.
    void adopt();
    // No: the offered draft goes, with its sidecar and its lock.
    void decline();
    // No answer: the offered draft stays as it is for a later start.
    void leave();

    static std::string lockPath(const std::string& draftPath) { return draftPath + ".lock"; }

private:
    // Lock files that no draft goes with, left by copies that ended before
    // writing one (a crash at the start screen): removed once no one holds them.
    void dropOrphanLocks() const;

    clsDraft& draft_;
    IFileLocks& locks_;
    std::string folder_;
    std::unique_ptr<IFileLock> own_;      // this copy's draft's lock
    std::unique_ptr<IFileLock> offered_;  // the lock of the draft offered now
    std::string offeredPath_;
    std::optional<std::vector<std::string>> waiting_;  // drafts not offered yet, newest first
};
