#pragma once

namespace fuzz {

// Stops the run with a crash the fuzzer reports, its input kept.
inline void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace fuzz
