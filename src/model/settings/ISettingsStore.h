// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// The per-user settings store: text values by application, section and key.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::string read(const std::string& app, const std::string& section, const std::string& key,
                             const std::string& defaultValue) = 0;
    virtual void write(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};
