#pragma once
// A property of a fuzz target: when it does not hold, the input is reported as a finding.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, text)                                        \
    do {                                                                   \
        if (!(condition)) {                                                \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, text); \
            std::abort();                                                  \
        }                                                                  \
    } while (false)
