// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "model/cfgfile/clsCfgFile.h"

class clsCfgBuilder;

// A draft found on disk, as the start screen offers it back.
struct clsDraftInfo {
    std::string path;
    std::string definitions;  // the name of the definition file the binds were made with
    std::string opened;       // the cfg file opened in that run, if any
    std::string made;         // date and time as its header writes them: "07-14-2026 21:05:33"
    std::size_t binds = 0;
};

// Unsaved work kept on disk, so a crash, a power cut or a closed window
// loses nothing: the binds as a cfg file in the per-user data folder,
// written by the same writer as a save (atomically), with the definition
// file's name in its header. Written when the binds changed since the last
// draft; a save or a confirmed Exit discards it. Nothing here shows a
// message: a draft that cannot be written is tried again at the next write.
//
// Every running copy of the program keeps a draft of its own,
// "draft-<id>.cfg" (an older version wrote "draft.cfg"); which copy owns
// which draft is the business of whoever gives this draft its name. Beside
// a draft may lie its sidecar, the same name ending in ".opened" instead of
// ".cfg"; it goes whenever its draft goes. Neither the sidecar nor anything
// else that does not end in ".cfg" is ever taken for a draft.
//
// With every key bound the file runs to megabytes, and flushing it to the
// disk takes longer than a frame: writeLater takes the file's bytes at once
// (the binds as they are now) and leaves the disk work to a thread of its
// own, one draft at a time, the latest last. Everything that removes the
// draft or ends its use waits for that thread first, so a late draft never
// outlives a save.
class clsDraft {
public:
    clsDraft() = default;
    clsDraft(const clsDraft&) = delete;
    clsDraft& operator=(const clsDraft&) = delete;
    ~clsDraft();

    // The one draft of the versions that kept a single draft: still offered.
    static inline const std::string legacyName = "draft.cfg";
    // Every key bound with a line the console reads whole, and the header.
    static constexpr std::size_t largest = 32767u * 1025u + 4096u;

    // Where drafts go; empty: none are written.
    void setFolder(std::string folder) { folder_ = std::move(folder); }
    const std::string& folder() const { return folder_; }
    // The draft's file name in that folder (the legacy name until it is given one).
    void setFileName(std::string name) { name_ = std::move(name); }
    const std::string& fileName() const { return name_; }
    std::string path() const { return folder_ + "/" + name_; }
    void setDefinitions(std::string name) { definitions_ = std::move(name); }
    const std::string& definitions() const { return definitions_; }

    void changed() { changes_ = true; }
    // The bytes of the cfg file opened in this run (none: none was), kept
    // in the sidecar, so that binds restored from the draft are saved into
    // that file as they would have been.
    void setOpened(std::optional<std::string> bytes) {
        opened_ = std::move(bytes);
        openedChanged_ = true;
        changes_ = true;
    }
    bool hasChanges() const { return changes_ && !finished_; }
    // The draft on disk already holds the binds (they were just restored from it).
    void keep() { changes_ = false; }
    // Writes the binds when they changed since the last draft; with no bind
    // left (and no opened file) the draft is removed. False when that failed.
    bool write(clsCfgBuilder& builder, const clsDateTime& when, const std::string& opened);
    // The same, the disk work done on the draft's own thread.
    void writeLater(clsCfgBuilder& builder, const clsDateTime& when, const std::string& opened);
    // Until the draft's thread has written what it was given.
    void wait();
    // The work was saved or given up: the draft goes (with its sidecar), no
    // other is written in this run, and then whoever asked hears of it.
    void discard();
    void setOnDiscard(std::function<void()> act) { onDiscard_ = std::move(act); }

    // A draft file name of its own for the id ("draft-<id>.cfg").
    static std::string nameFor(std::string_view id);
    // Whether a file of that name in the data folder is a draft.
    static bool isDraftName(std::string_view name);
    // The sidecar of the draft at draftPath: "draft-<id>.opened" beside "draft-<id>.cfg".
    static std::string sidecarPath(const std::string& draftPath);
    // Removes a draft and its sidecar; false when one of them is still there.
    static bool removeFiles(const std::string& draftPath);
    // The drafts in folder, newest first (by the time they were last written).
    static std::vector<std::string> candidates(const std::string& folder);
    // The draft at path, when it holds binds or an opened file.
    static std::optional<clsDraftInfo> read(const std::string& path);
    // The comment lines a draft adds to the cfg file's header.
    static std::vector<std::string> notes(const std::string& definitions, const std::string& opened);

private:
    // What one write does: the draft's bytes into folder, or (none) remove it.
    struct job {
        std::string folder;
        std::string name;
        std::optional<std::string> bytes;
        bool sidecarChanged = false;  // write (or, with none, remove) the sidecar first
        std::optional<std::string> sidecar;
    };
    std::optional<job> take(clsCfgBuilder& builder, const clsDateTime& when, const std::string& opened);
    static bool store(const job& j);
    void work();

    std::string folder_;
    std::string name_ = legacyName;
    std::string definitions_;
    std::function<void()> onDiscard_;
    std::optional<std::string> opened_;
    bool openedChanged_ = false;
    bool changes_ = false;
    bool finished_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;  // a job is waiting, or the thread is to stop
    std::condition_variable idle_;  // the thread has nothing left to do
    std::optional<job> waiting_;    // only the latest counts
    std::string spare_;             // room of a draft written, for the next one
    bool busy_ = false;
    bool stopping_ = false;
    std::atomic<bool> failed_{false};  // the thread's last write failed: the next write tries again
    std::thread thread_;               // started with the first writeLater
};
