// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/cfgfile/clsCfgFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define BRENVOLT_HAVE_FSYNC 1
#endif

#include "model/binds/clsCfgBuilder.h"
#include "model/binds/clsbind.h"
#include "model/console/clsBindLine.h"
#include "model/text/clsText.h"

namespace fs = std::filesystem;

namespace {

const std::string lineEnd = "\r\n";

std::string twoDigits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string fourDigits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", v);
    return buf;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return (last == '/' || last == '\\') ? folder + name : folder + "/" + name;
}

std::string errnoText(int err) { return std::strerror(err); }

// A fresh short name for the temporary file beside the target,
// ".brenvolt-XXXXXX.tmp": short, so that the longest name the file system
// takes for the target still leaves room for it.
std::string temporaryName() {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string name = ".brenvolt-";
    for (int k = 0; k < 6; ++k) name += letters[pick(generator)];
    return name + ".tmp";
}

// Creates a temporary file of its own in the folder (never one that is
// there already); null with errno set when none can be made.
std::FILE* createTemporary(const std::string& folder, std::string& path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = joinPath(folder, temporaryName());
        if (std::FILE* out = std::fopen(path.c_str(), "wbx")) return out;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

// "No space left on device." and the like.
std::string because(int err) { return errnoText(err) + "."; }

}  // namespace

clsDateTime clsDateTime::now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    clsDateTime d;
    d.year = local.tm_year + 1900;
    d.month = local.tm_mon + 1;
    d.day = local.tm_mday;
    d.hour = local.tm_hour;
    d.minute = local.tm_min;
    d.second = local.tm_sec;
    return d;
}

std::vector<std::string> clsCfgFile::headerLines(const std::string& fileName, const clsDateTime& when) {
    return {
        "// Description: Cfg file with text/radio binds for Soldier of Fortune 2",
        "// Created with: Brenvolt Beta 0.98",
        "// Creation Date: " + twoDigits(when.month) + "-" + twoDigits(when.day) + "-" + fourDigits(when.year),
        "// Creation Time: " + twoDigits(when.hour) + ":" + twoDigits(when.minute) + ":" + twoDigits(when.second),
        "// Info: Place this file in the program files\\sof2\\base\\mp folder and in console type: 'exec " + fileName +
            "'",
        "//",
        "// Thanx for using my program,",
        "// Tarvelin",
        "",
    };
}

std::string clsCfgFile::contents(clsCfgBuilder& builder, const std::string& fileName, const clsDateTime& when,
                                 const std::vector<std::string>& notes) {
    std::string bytes;
    contentsInto(bytes, builder, fileName, when, notes);
    return bytes;
}

std::size_t clsCfgFile::contentsInto(std::string& bytes, clsCfgBuilder& builder, const std::string& fileName,
                                     const clsDateTime& when, const std::vector<std::string>& notes) {
    std::vector<const clsbind*> bound;
    builder.go_to_first_bind();
    for (const clsbind* b = &builder.get_next_bind(); !b->key.empty(); b = &builder.get_next_bind()) bound.push_back(b);

    std::vector<std::string> header = headerLines(fileName, when);
    header.insert(header.end() - 1, notes.begin(), notes.end());
    std::size_t size = 0;
    for (const std::string& line : header) size += line.size() + lineEnd.size();
    for (const clsbind* b : bound) size += clsBindLine::length(*b) + lineEnd.size();

    bytes.clear();
    bytes.reserve(size);
    for (const std::string& line : header) {
        bytes += line;
        bytes += lineEnd;
    }
    for (const clsbind* b : bound) {
        clsBindLine::append(bytes, *b);
        bytes += lineEnd;
    }
    return bound.size();
}

clsWriteResult clsCfgFile::writeAtomically(const std::string& folder, const std::string& fileName,
                                           const std::string& bytes) {
    std::error_code ec;
    const std::string folderName = fs::path(folder).filename().string();
    if (!fs::is_directory(folder, ec)) {
        if (fs::exists(folder, ec))
            return {false,
                    clsText::format(
                        clsText::translate("clsCfgFile", "Its folder cannot be made: a file named %1 is in the way."),
                        {folderName})};
        if (!fs::create_directory(folder, ec) && !fs::is_directory(folder))
            return {false, clsText::format(clsText::translate("clsCfgFile", "Its folder %1 could not be made: %2."),
                                           {folderName, ec.message()})};
    }

    const std::string target = joinPath(folder, fileName);
    if (fs::is_directory(target, ec))
        return {false, clsText::translate("clsCfgFile", "A folder of that name is in the way.")};

    std::string temporary;
    std::FILE* out = createTemporary(folder, temporary);
    if (!out) return {false, because(errno)};

    auto fail = [&](int err) {
        if (out) std::fclose(out);
        std::remove(temporary.c_str());
        return clsWriteResult{false, because(err)};
    };
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) return fail(errno);
    if (std::fflush(out) != 0) return fail(errno);
#ifdef BRENVOLT_HAVE_FSYNC
    if (fsync(fileno(out)) != 0) return fail(errno);
#endif
    const int closed = std::fclose(out);
    out = nullptr;
    if (closed != 0) return fail(errno);

    fs::rename(temporary, target, ec);
    if (ec) {
        std::remove(temporary.c_str());
        return {false, ec.message() + "."};
    }
    return {true, {}};
}
