#pragma once

#include <cstdint>

namespace geodesy {

// The Russian noun's form after a count: `one` after 1, 21, 31…, `few`
// after 2 to 4, 22 to 24…, `many` after the rest, 11 to 14 among them:
// "1 запись", "3 записи", "11 записей", "21 запись".
const char* plural(std::uint64_t count, const char* one, const char* few, const char* many);

} // namespace geodesy
