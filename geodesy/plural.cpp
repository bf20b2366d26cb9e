#include "geodesy/plural.h"

namespace geodesy {

const char* plural(std::uint64_t count, const char* one, const char* few, const char* many)
{
    const std::uint64_t last = count % 10;
    const bool teen = count % 100 / 10 == 1;
    if (!teen && last == 1)
        return one;
    if (!teen && last >= 2 && last <= 4)
        return few;
    return many;
}

} // namespace geodesy
