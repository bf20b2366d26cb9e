#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken invariant must crash: libFuzzer then keeps the input, and the
// replay test fails on it.
#define FUZZ_REQUIRE(condition)                                                                      \
    ((condition) ? void()                                                                            \
                 : (std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition), \
                    std::abort()))

// The fuzz target: FUZZ_TARGET(text) { ... } sees each input as a text.
#define FUZZ_TARGET(text)                                                                \
    static void fuzzTarget(std::string_view text);                                      \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)   \
    {                                                                                    \
        fuzzTarget({reinterpret_cast<const char*>(data), size});                         \
        return 0;                                                                        \
    }                                                                                    \
    static void fuzzTarget(std::string_view text)
