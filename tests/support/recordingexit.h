#pragma once

#include "platform/programexit.h"

#include <optional>

// Notes that the program would end at once, and with which code, instead of ending the test.
class RecordingExit : public ProgramExit
{
public:
    void endNow(int exitCode) override
    {
        if (!code)
            code = exitCode;
    }

    std::optional<int> code;
};
