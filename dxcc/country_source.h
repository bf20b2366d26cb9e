#pragma once

#include "dxcc/country_file.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <string>

namespace dxcc {

// The country file as a front end uses it: read the first time a callsign
// needs it, never for locators and coordinates alone, then kept.
class CountrySource {
public:
    // The front end's words for a system error number, or none.
    using SystemReason = std::string (*)(int);

    // `named` is a file the user named, read or refused as it is, never
    // passed over for another; when empty, the user's copy, else the
    // system's.
    explicit CountrySource(std::string named = {}, SystemReason reason = nullptr)
        : named_(std::move(named))
        , reason_(reason)
    {
    }

    // The file, or nullptr when there is none or it is refused; failure()
    // then says why, in the user's words: where to put a file, the line at
    // fault, or why it could not be read. Read once, whichever thread asks
    // first.
    const CountryFile* file();
    const std::string& failure() const { return failure_; }
    // Whether the file has been asked for yet, on whichever thread.
    bool asked() const { return tried_; }

private:
    void load();

    std::string named_;
    SystemReason reason_;
    std::once_flag once_;
    std::atomic<bool> tried_ = false;  // set inside the once, read outside it
    std::optional<CountryFile> file_;
    std::string failure_;
};

} // namespace dxcc
