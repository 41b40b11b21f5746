#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run with the broken rule named, so libFuzzer keeps the input that broke it.
inline void Expect(bool holds, const char *rule)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", rule);
        std::abort();
    }
}
