#include "keyboard/same_key.h"


namespace keyboard {

namespace {

struct Key {
    char latin;
    char32_t russian;  // upper case
};

// The 26 Latin letters and the Russian letters on their keys.
constexpr Key Keys[] = {
    {'q', U'Й'}, {'w', U'Ц'}, {'e', U'У'}, {'r', U'К'}, {'t', U'Е'}, {'y', U'Н'}, {'u', U'Г'},
    {'i', U'Ш'}, {'o', U'Щ'}, {'p', U'З'}, {'a', U'Ф'}, {'s', U'Ы'}, {'d', U'В'}, {'f', U'А'},
    {'g', U'П'}, {'h', U'Р'}, {'j', U'О'}, {'k', U'Л'}, {'l', U'Д'}, {'z', U'Я'}, {'x', U'Ч'},
    {'c', U'С'}, {'v', U'М'}, {'b', U'И'}, {'n', U'Т'}, {'m', U'Ь'},
};

char32_t upperRussian(char32_t c)
{
    return c >= U'а' && c <= U'я' ? c - 0x20 : c;
}

} // namespace

char latinOnSameKey(char32_t letter)
{
    // Ukrainian and Belarusian і where Russian has ы, Belarusian ў where it
    // has щ.
    if (letter == U'і' || letter == U'І')
        return 's';
    if (letter == U'ў' || letter == U'Ў')
        return 'o';
    const char32_t russian = upperRussian(letter);
    for (const Key& key : Keys)
        if (key.russian == russian)
            return key.latin;
    return 0;
}

char32_t russianOnSameKey(char32_t letter)
{
    const char32_t lower = letter >= 'A' && letter <= 'Z' ? letter + 0x20 : letter;
    for (const Key& key : Keys)
        if (char32_t(key.latin) == lower)
            return key.russian;
    return 0;
}

} // namespace keyboard
