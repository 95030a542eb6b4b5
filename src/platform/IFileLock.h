// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <memory>
#include <string>

// A lock file that one running copy of the program holds at a time. A lock
// whose owner still runs is never taken, however old it is; one whose owner
// has ended without letting it go (a crash, a kill) can be taken again.
class IFileLock {
public:
    // Lets a held lock go.
    virtual ~IFileLock() = default;
    // Takes the lock without waiting; false when a running copy holds it or
    // the lock file cannot be made.
    virtual bool tryLock() = 0;
    // Lets the lock go: its file is removed.
    virtual void unlock() = 0;
};

// Makes the locks.
class IFileLocks {
public:
    virtual ~IFileLocks() = default;
    // A lock kept in the file path, not taken yet.
    virtual std::unique_ptr<IFileLock> lockFile(const std::string& path) = 0;
};
