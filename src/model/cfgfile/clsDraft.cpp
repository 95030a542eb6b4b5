// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/cfgfile/clsDraft.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgImport.h"

namespace {

namespace fs = std::filesystem;

const std::string draftNote = "// Draft: binds not saved yet, which Brenvolt offers back when it starts";
const std::string definitionsNote = "// Definitions: ";
const std::string openedNote = "// Opened: ";
const std::string dateLine = "// Creation Date: ";
const std::string timeLine = "// Creation Time: ";

// A file name inside a comment line: a line end, ';' or '"' would end or
// change the comment for the console, so those (and '%') are written as %XX.
std::string encodedName(std::string_view name) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%' || c == ';' || c == '"') {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string decodedName(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The header's comment lines, up to the first line that is none.
std::vector<std::string> headerOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (lines.size() < 64 && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.starts_with("//")) break;
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string clsDraft::nameFor(std::string_view id) { return "draft-" + std::string(id) + ".cfg"; }

bool clsDraft::isDraftName(std::string_view name) {
    if (name == legacyName) return true;
    return name.size() > 10 && name.starts_with("draft-") && name.ends_with(".cfg");
}

std::string clsDraft::sidecarPath(const std::string& draftPath) {
    const std::string_view base = std::string_view(draftPath).ends_with(".cfg")
                                      ? std::string_view(draftPath).substr(0, draftPath.size() - 4)
                                      : std::string_view(draftPath);
    return std::string(base) + ".opened";
}

bool clsDraft::removeFiles(const std::string& draftPath) {
    std::error_code ec;
    fs::remove(draftPath, ec);
    const bool draftGone = !ec;
    fs::remove(sidecarPath(draftPath), ec);
    return draftGone && !ec;
}

std::vector<std::string> clsDraft::candidates(const std::string& folder) {
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    std::error_code ec;
    if (folder.empty()) return {};
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code fileEc;
        if (!isDraftName(name) || !it->is_regular_file(fileEc)) continue;
        const fs::file_time_type written = it->last_write_time(fileEc);
        found.emplace_back(fileEc ? fs::file_time_type::min() : written, folder + "/" + name);
    }
    // Newest first; drafts written at the same moment by name, so the order is always the same.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<std::string> paths;
    for (auto& f : found) paths.push_back(std::move(f.second));
    return paths;
}

std::vector<std::string> clsDraft::notes(const std::string& definitions, const std::string& opened) {
    std::vector<std::string> lines{draftNote, definitionsNote + encodedName(definitions)};
    if (!opened.empty()) lines.push_back(openedNote + encodedName(opened));
    return lines;
}

clsDraft::~clsDraft() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

// The next write's work, taken from the binds as they are now; none when
// there is nothing to write.
std::optional<clsDraft::job> clsDraft::take(clsCfgBuilder& builder, const clsDateTime& when,
                                            const std::string& opened) {
    if (failed_.exchange(false)) changes_ = openedChanged_ = true;
    if (finished_ || folder_.empty() || !changes_) return std::nullopt;
    changes_ = false;
    std::string bytes;
    {
        const std::lock_guard lock(mutex_);
        bytes.swap(spare_);
    }
    job j{folder_, name_, std::nullopt, openedChanged_, openedChanged_ ? opened_ : std::nullopt};
    openedChanged_ = false;
    // With a file opened, no bind left is work too: saving takes the file's binds out.
    if (clsCfgFile::contentsInto(bytes, builder, name_, when, notes(definitions_, opened)) > 0 || opened_)
        j.bytes = std::move(bytes);
    return j;
}

bool clsDraft::store(const job& j) {
    std::error_code ec;
    const std::string path = j.folder + "/" + j.name;
    if (!j.bytes) return removeFiles(path);
    fs::create_directories(j.folder, ec);
    if (j.sidecarChanged) {
        const std::string sidecar = fs::path(sidecarPath(path)).filename().string();
        if (j.sidecar) {
            if (!clsCfgFile::writeAtomically(j.folder, sidecar, *j.sidecar).ok) return false;
        } else if (fs::remove(sidecarPath(path), ec); ec) {
            return false;
        }
    }
    return clsCfgFile::writeAtomically(j.folder, j.name, *j.bytes).ok;
}

bool clsDraft::write(clsCfgBuilder& builder, const clsDateTime& when, const std::string& opened) {
    wait();
    const std::optional<job> j = take(builder, when, opened);
    if (!j || store(*j)) return true;
    changes_ = true;
    return false;
}

void clsDraft::writeLater(clsCfgBuilder& builder, const clsDateTime& when, const std::string& opened) {
    std::optional<job> j = take(builder, when, opened);
    if (!j) return;
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(j);
        if (!thread_.joinable()) thread_ = std::thread(&clsDraft::work, this);
    }
    wake_.notify_one();
}

void clsDraft::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_) return;
        job j = std::move(*waiting_);
        waiting_.reset();
        busy_ = true;
        lock.unlock();
        const bool stored = store(j);
        lock.lock();
        busy_ = false;
        if (!stored) failed_ = true;
        // The next draft is made in this one's memory.
        if (j.bytes && j.bytes->capacity() > spare_.capacity()) spare_ = std::move(*j.bytes);
        if (!waiting_) idle_.notify_all();
    }
}

void clsDraft::wait() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !waiting_ && !busy_; });
}

void clsDraft::discard() {
    wait();
    failed_ = false;
    changes_ = false;
    finished_ = true;
    if (!folder_.empty()) removeFiles(path());
    if (onDiscard_) onDiscard_();
}

std::optional<clsDraftInfo> clsDraft::read(const std::string& path) {
    if (path.empty()) return std::nullopt;
    clsDraftInfo info;
    info.path = path;
    const clsCfgImport read = clsCfgImport::fromFile(info.path, largest, clsKeyRule::anyWord);
    std::error_code ec;
    if (read.problem != clsImportProblem::none || (read.bindings.empty() && !fs::exists(sidecarPath(path), ec)))
        return std::nullopt;
    info.binds = read.bindings.size();
    std::string date, time;
    for (const std::string& line : headerOf(info.path)) {
        if (line.starts_with(definitionsNote)) info.definitions = decodedName(line.substr(definitionsNote.size()));
        if (line.starts_with(openedNote)) info.opened = decodedName(line.substr(openedNote.size()));
        if (line.starts_with(dateLine)) date = line.substr(dateLine.size());
        if (line.starts_with(timeLine)) time = line.substr(timeLine.size());
    }
    info.made = date + (date.empty() || time.empty() ? "" : " ") + time;
    return info;
}
