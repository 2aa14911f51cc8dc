#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test: said on standard error, then the run aborts, so the
// fuzzer keeps the input as a crash.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);    \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
