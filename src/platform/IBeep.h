// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once

// The system beep.
class IBeep {
public:
    virtual ~IBeep() = default;
    virtual void beep() = 0;
};
