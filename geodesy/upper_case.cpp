#include "geodesy/locator.h"

#include <algorithm>
#include <iterator>

namespace geodesy {
namespace {

char32_t upperOf(char32_t c)
{
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)  // à … þ, but not ÷
        return c - 0x20;
    if (c == 0xFF)                            // ÿ
        return 0x178;
    if (c >= 0x430 && c <= 0x44F)             // а … я
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)             // ѐ … џ, ё among them
        return c - 0x50;
    if (c == 0x491)                           // ґ
        return 0x490;
    return c;
}

} // namespace

// Every mapped letter keeps the length of its UTF-8 form, so the text is
// changed in place.
std::string upperCase(std::string_view text)
{
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if (byte < 0x80) {
            out[i] = latinCapital(out[i]);
            continue;
        }
        const bool twoByte = (byte & 0xE0) == 0xC0 && i + 1 < out.size()
            && (static_cast<unsigned char>(out[i + 1]) & 0xC0) == 0x80;
        if (!twoByte)
            continue;
        const char32_t upper =
            upperOf(((byte & 0x1F) << 6) | (static_cast<unsigned char>(out[i + 1]) & 0x3F));
        out[i] = static_cast<char>(0xC0 | (upper >> 6));
        out[i + 1] = static_cast<char>(0x80 | (upper & 0x3F));
        ++i;
    }
    return out;
}

namespace {

// The six Cyrillic capitals that look and sound like Latin ones, read as
// those.
std::string withLatinTwins(const std::string& upper)
{
    struct Twin {
        char16_t cyrillic;
        char latin;
    };
    constexpr Twin Twins[] = {{u'А', 'A'}, {u'Е', 'E'}, {u'К', 'K'}, {u'М', 'M'}, {u'О', 'O'}, {u'Т', 'T'}};
    std::string out;
    out.reserve(upper.size());
    for (std::size_t i = 0; i < upper.size(); ++i) {
        // All of them are two bytes long in UTF-8, D0 and one more.
        const auto next = i + 1 < upper.size() ? static_cast<unsigned char>(upper[i + 1]) : 0;
        if (static_cast<unsigned char>(upper[i]) == 0xD0 && (next & 0xC0) == 0x80) {
            const auto c = static_cast<char16_t>(0x400 | (next & 0x3F));
            const Twin* twin = std::find_if(std::begin(Twins), std::end(Twins),
                                            [c](const Twin& t) { return t.cyrillic == c; });
            if (twin != std::end(Twins)) {
                out.push_back(twin->latin);
                ++i;
                continue;
            }
        }
        out.push_back(upper[i]);
    }
    return out;
}

} // namespace

// A locator is nearly always typed in Latin letters: those are made capitals
// in one pass, and only a text with other letters takes the long way.
std::string locatorLetters(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            out = withLatinTwins(upperCase(text));
            break;
        }
        c = latinCapital(c);
    }
    return out;  // the one return, so that the text is made where it is returned
}

std::string_view ambiguousLetter(std::string_view text)
{
    // В Н Р С Х and в н р с х: two bytes each in UTF-8.
    constexpr std::string_view Letters[] = {"В", "Н", "Р", "С", "Х", "в", "н", "р", "с", "х"};
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        for (const std::string_view letter : Letters)
            if (text.substr(i, 2) == letter)
                return text.substr(i, 2);
    return {};
}

} // namespace geodesy
