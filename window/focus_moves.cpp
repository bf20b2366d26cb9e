// When the focus really moves between the fields. A field also loses the
// focus while the window is inactive or a pop-up is open (a message box, the
// About window, another program, the field's own menu) and gets it back
// afterwards; that is no move, and the field keeps its colour, its caret and
// its selection.

#include "window/frmRaschet.h"

#include <QLineEdit>

namespace {

bool onlyLent(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

void frmRaschet::fieldFocusIn(QLineEdit* field, Qt::FocusReason reason)
{
    if (field == focusedField_)
        return;  // given back to the field that had it
    // The focus moved on while the window was inactive: the field it left
    // has not been told yet.
    if (focusedField_)
        Field_LostFocus(focusedField_);
    focusedField_ = field;
    Field_GotFocus(field);
    // The press that brought the focus goes on to place the caret; the
    // selection is made again once the button is released.
    selectOnRelease_ = reason == Qt::MouseFocusReason ? field : nullptr;
}

void frmRaschet::fieldFocusOut(QLineEdit* field, Qt::FocusReason reason)
{
    selectOnRelease_ = nullptr;
    if (onlyLent(reason))
        return;
    focusedField_ = nullptr;
    Field_LostFocus(field);
}

// A drag that selected part of the text keeps its selection.
void frmRaschet::fieldMouseRelease(QLineEdit* field)
{
    if (field != selectOnRelease_)
        return;
    selectOnRelease_ = nullptr;
    if (!field->hasSelectedText())
        Field_GotFocus(field);
}

// The program's own focus moves. One to the field that holds the focus
// already sends no event, yet the field is entered afresh all the same, as
// after a click on a button.
void frmRaschet::moveFocusTo(QLineEdit* field)
{
    if (focusWidget() == field && focusedField_ == field)
        Field_GotFocus(field);
    else
        field->setFocus();
}
