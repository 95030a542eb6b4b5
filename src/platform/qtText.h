// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <string>

// The program keeps its texts as bytes in std::string, UTF-8 where they are
// text (names from a definition file may hold any byte); Qt shows QStrings.
// The one way across: the bytes read as UTF-8 (an invalid byte shows as the
// replacement character). The other way is QString::toStdString, which
// writes UTF-8.
inline QString toQString(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
