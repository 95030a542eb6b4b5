#pragma once
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cfgoutput/clsCfgFile.h"

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
// loses nothing: the binds as a cfg file, "draft.cfg" in the per-user data
// folder, written by the same writer as a save (atomically), with the
// definition file's name in its header. Written when the binds changed
// since the last draft; a save or a confirmed Exit discards it. Nothing
// here shows a message: a draft that cannot be written is tried again at
// the next write.
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

    static inline const std::string fileName = "draft.cfg";
    // Every key bound with a line the console reads whole, and the header.
    static constexpr std::size_t largest = 32767u * 1025u + 4096u;

    // Where drafts go; empty: none are written.
    void setFolder(std::string folder) { folder_ = std::move(folder); }
    const std::string& folder() const { return folder_; }
    std::string path() const { return folder_ + "/" + fileName; }
    void setDefinitions(std::string name) { definitions_ = std::move(name); }
    const std::string& definitions() const { return definitions_; }

    void changed() { changes_ = true; }
    bool hasChanges() const { return changes_ && !finished_; }
    // The draft on disk already holds the binds (they were just restored from it).
    void keep() { changes_ = false; }
    // Writes the binds when they changed since the last draft; with no bind
    // left the draft is removed. False when that failed.
    bool write(clsCfgBuilder& builder, const clsDateTime& when, const std::string& opened);
    // The same, the disk work done on the draft's own thread.
    void writeLater(clsCfgBuilder& builder, const clsDateTime& when, const std::string& opened);
    // Until the draft's thread has written what it was given.
    void wait();
    // The work was saved or given up: the draft goes, and no other is written in this run.
    void discard();
    // The player declined the draft: it goes; later changes make a new one.
    void remove();

    // The draft in folder, when there is one with binds in it.
    static std::optional<clsDraftInfo> find(const std::string& folder);
    // The comment lines a draft adds to the cfg file's header.
    static std::vector<std::string> notes(const std::string& definitions, const std::string& opened);

private:
    // What one write does: the draft's bytes into folder, or (none) remove it.
    struct job {
        std::string folder;
        std::optional<std::string> bytes;
    };
    std::optional<job> take(clsCfgBuilder& builder, const clsDateTime& when, const std::string& opened);
    static bool store(const job& j);
    void work();

    std::string folder_;
    std::string definitions_;
    bool changes_ = false;
    bool finished_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;   // a job is waiting, or the thread is to stop
    std::condition_variable idle_;   // the thread has nothing left to do
    std::optional<job> waiting_;     // only the latest counts
    std::string spare_;              // room of a draft written, for the next one
    bool busy_ = false;
    bool stopping_ = false;
    std::atomic<bool> failed_{false};  // the thread's last write failed: the next write tries again
    std::thread thread_;               // started with the first writeLater
};
