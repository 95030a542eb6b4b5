// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "model/definitions/clsItem.h"

// Turns an input definition file into items, one usable line at a time.
// The whole file is read into memory by openfile; lines end at CR LF or LF,
// a leading UTF-8 byte-order mark is dropped, every other byte is kept.
class clsFileReader {
public:
    // Closes whatever was open, then opens the named file. False when the file
    // is missing, unreadable or a folder: the reader then has nothing more.
    bool openfile(const std::string& name);
    // The same over text already in memory (used by tests and the fuzzer).
    void openbuffer(std::string content);
    bool has_more() const;
    // The next item; an item with an empty kind when only unusable lines were left.
    std::unique_ptr<clsItem> getItem();
    // The line the latest getItem read last (the line of the item it
    // returned), counted from 1, and that line's text as written; the text
    // stays valid until the next getItem or close_file.
    std::size_t line_number() const { return lineNumber; }
    std::string_view line_text() const { return lineText; }
    void close_file();

private:
    static std::unique_ptr<clsItem> parseLine(std::string_view L);
    bool readLine(std::string_view& line);

    std::string data;
    std::size_t pos = 0;
    std::size_t lineNumber = 0;
    std::string_view lineText;
};
