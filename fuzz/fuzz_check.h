#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant is a crash to libFuzzer: it keeps the input that broke it.
#define FUZZ_CHECK(condition, what)                                                    \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "invariant broken (%s:%d): %s\n", __FILE__, __LINE__, what); \
            std::abort();                                                              \
        }                                                                              \
    } while (0)
