#include "map/large_image.h"

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>

namespace map {
namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

struct Mapping {
    void* start;
    std::size_t length;
};

void unmap(void* info)
{
    const auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

} // namespace

QImage largeImage(int width, int height)
{
    const auto bytesPerLine = qsizetype(width) * 4;
    const auto size = std::size_t(bytesPerLine) * std::size_t(height);
#ifdef MADV_HUGEPAGE
    if (size >= HugePage) {
        // Mapped a huge page longer, so that the pixels may start on a
        // huge page's boundary.
        const std::size_t length = size + HugePage;
        void* start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (start != MAP_FAILED) {
            const auto address = (reinterpret_cast<std::uintptr_t>(start) + HugePage - 1) & ~(HugePage - 1);
            auto* pixels = reinterpret_cast<uchar*>(address);
            madvise(pixels, size, MADV_HUGEPAGE);  // advice: a kernel without them pages as before
            return QImage(pixels, width, height, bytesPerLine, QImage::Format_RGB32, unmap,
                          new Mapping{start, length});
        }
    }
#endif
    return QImage(width, height, QImage::Format_RGB32);
}

} // namespace map
