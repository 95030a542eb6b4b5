// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string>
#include <vector>

class clsCfgBuilder;

// The moment written into a cfg file's header.
struct clsDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    static clsDateTime now();  // local time
};

// The outcome of writing a file: ok, or the reason in a sentence a user can
// read, which leaves naming the file to whoever shows it.
struct clsWriteResult {
    bool ok = false;
    std::string reason;
};

// The cfg file: nine header lines, then one bind line per bound key
// (clsBindLine), each line ended by CR LF.
class clsCfgFile {
public:
    static std::vector<std::string> headerLines(const std::string& fileName, const clsDateTime& when);
    // The whole file's bytes for the builder's bound binds, in key order.
    // Notes (comment lines, "// " and all) go between the header and its
    // empty line.
    static std::string contents(clsCfgBuilder& builder, const std::string& fileName, const clsDateTime& when,
                                const std::vector<std::string>& notes = {});
    // The same into bytes, whose room is used again (a file of megabytes is
    // written faster into memory already in use); answers the bind lines.
    static std::size_t contentsInto(std::string& bytes, clsCfgBuilder& builder, const std::string& fileName,
                                    const clsDateTime& when, const std::vector<std::string>& notes = {});
    // Writes bytes to folder/fileName atomically: a temporary file of a short
    // name of its own (".brenvolt-XXXXXX.tmp") in the folder, flushed and
    // closed, then renamed over the target. Creates the
    // folder (one level) when missing. On failure nothing existing changes
    // and nothing half-written is left.
    static clsWriteResult writeAtomically(const std::string& folder, const std::string& fileName,
                                          const std::string& bytes);
};
