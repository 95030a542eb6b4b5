#pragma once

// The system beep.
class IBeep {
public:
    virtual ~IBeep() = default;
    virtual void beep() = 0;
};
