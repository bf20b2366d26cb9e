#pragma once

// A main window shown and active, as a user meets it, and the ways a user
// puts text into it.

#include "window/frmRaschet.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <memory>

// The stored station is read at once rather than after the first paint,
// so that nothing the test types is overwritten by it later.
inline std::unique_ptr<frmRaschet> openWindow()
{
    auto window = std::make_unique<frmRaschet>();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
    window->OpenOwnStation();
    return window;
}

// Types into a field as a user does: focus first, then one key per
// character, Cyrillic letters too (which QTest::keyClicks cannot type).
inline void type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}
