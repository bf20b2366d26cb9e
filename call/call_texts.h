#pragma once

#include <QString>

#include <string_view>

// The libraries' UTF-8 words as the windows show them.
namespace calltexts {

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The libraries' words begin in lower case, to follow a colon; a line of a
// window begins with a capital.
inline QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace calltexts
