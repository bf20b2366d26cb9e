#pragma once

#include "dxcc/country_file.h"

#include <QString>

#include <optional>

// The country file as the windows share it: read on the first lookup, never
// at start-up, then kept. The user's own copy wins over the system's.
class CountryData {
public:
    // The file, or nullptr when there is none or it is refused; then
    // failure() says why.
    const dxcc::CountryFile* file();
    // In Russian, for a message box or a status line.
    QString failure() const { return failure_; }
    // The file that was read, or tried.
    QString path() const { return path_; }

private:
    bool tried_ = false;
    std::optional<dxcc::CountryFile> file_;
    QString failure_;
    QString path_;
};
