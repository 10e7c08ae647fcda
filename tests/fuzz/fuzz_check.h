// A failed check in a fuzz target: says what and stops, so that libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace norvel::fuzz {

inline void check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

}  // namespace norvel::fuzz
