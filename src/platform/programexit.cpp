#include "programexit.h"

#include <cstdio>
#include <cstdlib>

void ImmediateExit::endNow(int exitCode)
{
    // No unload step runs: the windows' closing handlers are skipped on purpose.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
