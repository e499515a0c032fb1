// How every fuzz harness states what a reader promises: a broken promise aborts, so that
// libFuzzer keeps the input and the test that replays the saved inputs fails.
#pragma once

// std
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

} // namespace fuzz
