#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

namespace geodesy {

// A short UTF-8 text held inline, so that forming a result text costs no
// allocation. Text beyond the capacity is cut off; a number that does not
// fit is left out whole.
template <std::size_t Capacity>
class InlineText {
public:
    InlineText& append(std::string_view part)
    {
        return copy(part.data(), part.size() < Capacity - size_ ? part.size() : Capacity - size_);
    }

    // A string literal: its size is known where it is written, so that the
    // copy is a few moves rather than a call.
    template <std::size_t N>
    InlineText& appendLiteral(const char (&literal)[N])
    {
        constexpr std::size_t n = N - 1;
        if (n > Capacity - size_)
            return append(std::string_view(literal, n));
        return copy(literal, n);
    }

    // The decimal form of a whole number: digits, with "-" when negative.
    // Written in place: a detour through a buffer costs more than the digits.
    InlineText& appendNumber(long long number)
    {
        char* const first = bytes_.data() + size_;
        // Figures shown are far below 2^32, and 32-bit arithmetic spells
        // them in fewer steps than 64-bit.
        const bool small = number >= 0 && number <= std::numeric_limits<std::uint32_t>::max();
        const auto [end, error] = small
            ? std::to_chars(first, bytes_.data() + Capacity, static_cast<std::uint32_t>(number))
            : std::to_chars(first, bytes_.data() + Capacity, number);
        if (error == std::errc())
            size_ += static_cast<std::size_t>(end - first);
        return *this;
    }

    // The number with one decimal, rounded: 1616.4, or 1616,4 with a comma
    // as the separator, as Russian writes it.
    InlineText& appendTenths(double number, char separator = '.') { return appendFixed(number, 1, separator); }

    // The number with so many decimals, rounded, whatever the C locale.
    InlineText& appendFixed(double number, int decimals, char separator = '.')
    {
        char* const first = bytes_.data() + size_;
        const auto [end, error] =
            std::to_chars(first, bytes_.data() + Capacity, number, std::chars_format::fixed, decimals);
        if (error != std::errc())
            return *this;
        end[-1 - decimals] = separator;
        size_ += static_cast<std::size_t>(end - first);
        return *this;
    }

    // The shortest decimal form that reads back as the number: 9, -3.5.
    InlineText& appendShortest(double number)
    {
        char* const first = bytes_.data() + size_;
        const auto [end, error] = std::to_chars(first, bytes_.data() + Capacity, number);
        if (error == std::errc())
            size_ += static_cast<std::size_t>(end - first);
        return *this;
    }

    std::string_view view() const { return {bytes_.data(), size_}; }

private:
    // n bytes that fit
    InlineText& copy(const char* from, std::size_t n)
    {
        std::memcpy(bytes_.data() + size_, from, n);
        size_ += n;
        return *this;
    }

    std::array<char, Capacity> bytes_;
    std::size_t size_ = 0;
};

} // namespace geodesy
