#pragma once

#include <system_error>
#include <thread>

namespace map {

// Runs `first` on a thread of its own and `second` on this one, at once, on
// two processor cores where there are; one after the other where no thread
// can be had, as under a tight limit of address space.
template <typename First, typename Second>
void bothAtOnce(const First& first, const Second& second)
{
    std::thread thread;
    try {
        thread = std::thread(first);
    } catch (const std::system_error&) {
        first();
    }
    second();
    if (thread.joinable())
        thread.join();
}

} // namespace map
