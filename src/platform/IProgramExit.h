// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once

// Ends the program at once: every window closed, the event loop left.
class IProgramExit {
public:
    virtual ~IProgramExit() = default;
    virtual void endProgram() = 0;
    // True once endProgram has begun: windows then close without asking.
    virtual bool ending() const = 0;
};
