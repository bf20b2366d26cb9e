#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace geodesy {

// A short UTF-8 text held inline, so that forming a result text costs no
// allocation. Appends beyond the capacity are cut off.
template <std::size_t Capacity>
class InlineText {
public:
    InlineText& append(std::string_view part)
    {
        const std::size_t n = part.size() < Capacity - size_ ? part.size() : Capacity - size_;
        std::memcpy(bytes_.data() + size_, part.data(), n);
        size_ += n;
        return *this;
    }

    // The decimal form of a whole number: digits, with "-" when negative.
    InlineText& appendNumber(long long number)
    {
        char digits[20];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        return append({digits, static_cast<std::size_t>(end - digits)});
    }

    std::string_view view() const { return {bytes_.data(), size_}; }

private:
    std::array<char, Capacity> bytes_;
    std::size_t size_ = 0;
};

} // namespace geodesy
