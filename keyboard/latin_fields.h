#pragma once

class QLineEdit;

namespace keyboard {

// A field for locators and callsigns, which are Latin: a letter that a
// Cyrillic layout types goes in as the Latin letter on the same key, in
// upper case («Л» is K), since that is what the fingers meant when the
// layout was left on Russian by mistake. Other keys, pasted text and text
// the program writes are left as they come.
void typeLatin(QLineEdit* field);

} // namespace keyboard
