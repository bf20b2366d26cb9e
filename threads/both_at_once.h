#pragma once

#include <future>
#include <system_error>
#include <thread>

namespace threads {

// Starts `work` on a thread of its own and returns what tells when it is
// done; where no thread can be had, as under a tight limit of address space,
// does it here at once and returns nothing to wait for.
template <typename Work>
std::future<void> startOrDo(const Work& work)
{
    try {
        return std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        work();
        return {};
    }
}

// Starts `work` on a thread of its own that nothing waits for, as a name
// looked up that may take seconds; where no thread can be had, does it here
// at once.
template <typename Work>
void startAlone(Work work)
{
    try {
        std::thread(work).detach();
    } catch (const std::system_error&) {
        work();
    }
}

// Waits for what startOrDo() started, if it did not do it at once.
inline void waitFor(std::future<void>& done)
{
    if (done.valid())
        done.get();
}

// Runs `first` and `second` at once, on two processor cores where there are.
template <typename First, typename Second>
void bothAtOnce(const First& first, const Second& second)
{
    std::future<void> done = startOrDo(first);
    second();
    waitFor(done);
}

} // namespace threads
