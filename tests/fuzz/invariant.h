#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant must crash: libFuzzer then keeps the input, and the
// replay test fails on it.
#define FUZZ_REQUIRE(condition)                                                       \
    ((condition) ? void() : fuzzInvariantBroken(#condition, __FILE__, __LINE__))

[[noreturn]] inline void fuzzInvariantBroken(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}
