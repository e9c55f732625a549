#pragma once

// Leaks looked for every kLeakCheckEvery inputs and when the run ends, not
// after each input (fuzz/run passes -detect_leaks=0 to the targets that use
// this): the windows' views keep memory from one input to the next, and a
// leak check after each of them would be most of the run's time.

#include <sanitizer/lsan_interface.h>

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

constexpr unsigned kLeakCheckEvery = 50000; // a check takes about half a second here

inline void checkForLeaks()
{
    if (__lsan_do_recoverable_leak_check() != 0) {
        std::fprintf(stderr, "property violated: memory leaked (the report is above)\n");
        std::abort();
    }
}

// Called at the start of each input; the first call also arranges the check at the end.
inline void countInputForLeaks()
{
    static unsigned inputs = 0;
    if (inputs == 0)
        std::atexit(checkForLeaks);
    if (++inputs % kLeakCheckEvery == 0)
        checkForLeaks();
}

} // namespace fuzzing
