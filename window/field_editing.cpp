// How the fourteen fields behave while they are edited: focus colours,
// capitals typed into the locator fields, and the two calculation buttons
// following the correspondent's fields. Validation waits for a calculation.

#include "window/frmRaschet.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor FocusBackground(0, 0, 128);
const QColor FieldText(0, 128, 128);
const QColor LeftBackground(255, 255, 255);

} // namespace

// txtH2G_GotFocus … txtMyLocator_GotFocus: the same for every field.
void frmRaschet::Field_GotFocus(QLineEdit* field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, FocusBackground);
    palette.setColor(QPalette::Text, FieldText);
    field->setPalette(palette);
    // Selected whole, so that typing replaces what stands there.
    field->setSelection(0, static_cast<int>(field->text().length()));
}

// txtH2G_LostFocus … txtMyLocator_LostFocus: nothing is checked on leaving.
void frmRaschet::Field_LostFocus(QLineEdit* field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, LeftBackground);
    field->setPalette(palette);
}

// Both degrees fields must hold something; minutes and seconds may be empty
// and even blanks count, since nothing is checked before the calculation.
void frmRaschet::txtH2G_Change()
{
    cmdRaschetLocator->setEnabled(!txtD2G->text().isEmpty() && !txtH2G->text().isEmpty());
}

void frmRaschet::txtD2G_Change()
{
    txtH2G_Change();
}

void frmRaschet::txtKorLocator_Change()
{
    cmdRaschetKoordinat->setEnabled(!txtKorLocator->text().isEmpty());
}

// txtKorLocator_KeyPress and txtMyLocator_KeyPress: every typed character
// goes in as a capital, one character for one, nothing refused; a letter of
// a Cyrillic layout has already become the Latin letter on its key
// (keyboard::typeLatin). Pasted text and text the program writes keep their
// case. True when the key was replaced by its capital.
bool frmRaschet::Locator_KeyPress(QLineEdit* field, QKeyEvent* key)
{
    QString upper = key->text();
    for (QChar& c : upper)
        c = c.toUpper();
    if (upper == key->text())
        return false;
    QKeyEvent capital(key->type(), key->key(), key->modifiers(), upper, key->isAutoRepeat(),
                      static_cast<quint16>(key->count()));
    QCoreApplication::sendEvent(field, &capital);
    return true;
}
