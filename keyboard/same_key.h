#pragma once

namespace keyboard {

// Letters by the key that types them, on the standard Russian layout
// (ЙЦУКЕН), with the Ukrainian and Belarusian letters that sit on the same
// Latin letter keys (і, ў), against the US layout. The table, not the key's
// scan code, says which key it was: a scan code means a different key on
// every platform, and none at all in a test's or a remote session's events,
// while the layouts' letters are the same everywhere.

// The Latin letter, in lower case, on the key that types this Cyrillic
// letter (either case); 0 when the key has no Latin letter (х, ж, э, б, ю,
// ё) or the character is no such letter.
char latinOnSameKey(char32_t letter);

// The Russian letter, in upper case, on the key of this Latin letter
// (either case); 0 when there is none.
char32_t russianOnSameKey(char32_t letter);

} // namespace keyboard
