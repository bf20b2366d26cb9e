#pragma once

class QLineEdit;

namespace keyboard {

// A field for locators and callsigns, which are Latin capitals: a typed
// Latin letter goes in as a capital, and a letter that a Cyrillic layout
// types as the Latin capital on the same key («л» is K), since that is what
// the fingers meant when the layout was left on Russian by mistake. Other
// keys, pasted text and text the program writes are left as they come.
void typeLatin(QLineEdit* field);

} // namespace keyboard
