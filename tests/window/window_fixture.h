#pragma once

// The one fixture of the window tests: the station database in a folder of
// the test's own, the main window shown and active as a user meets it, the
// ways a user types, and message boxes answered as a user answers them.

#include "tests/window/look.h"
#include "tests/window/message_box_answerer.h"
#include "window/application.h"
#include "window/compass_canvas.h"
#include "window/frmRaschet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>

// The fourteen fields in the order of the keyboard ring, and the most
// characters a user may type into each.
inline const QStringList Ring{"txtH2G", "txtH2M", "txtH2S", "txtD2G", "txtD2M", "txtD2S", "txtKorLocator",
                              "txtH1G", "txtH1M", "txtH1S", "txtD1G", "txtD1M", "txtD1S", "txtMyLocator"};
inline const QList<int> TypingLimits{3, 2, 2, 4, 2, 2, 6, 3, 2, 2, 4, 2, 2, 6};

// The program keeps the user's station in the data folder, when no
// database stands beside it, and its settings in the configuration folder:
// here both in a temporary folder of this test's, new for each run, so that
// nothing a failed run left can reach a later one. Pointed there as the
// program loads, before anything can read them.
inline QTemporaryDir testHome;
inline const bool homePointed = qputenv("XDG_DATA_HOME", QFile::encodeName(testHome.filePath("data")))
                                && qputenv("XDG_CONFIG_HOME", QFile::encodeName(testHome.filePath("config")));

// The path of the station there.
inline QString stationPath()
{
    if (QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/user.mdb")))
        qFatal("a user.mdb beside the test program would be used instead of the test's own; remove it");
    return testHome.filePath(QStringLiteral("data/") + QCoreApplication::applicationName() + QStringLiteral("/user.mdb"));
}

// A fresh, empty station in place of whatever is there.
inline QString freshStation()
{
    const QString path = stationPath();
    QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !QFile::copy(QStringLiteral(AZIDAL_TEMPLATE_DB), path)
        || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner))
        qFatal("cannot make a station database at %s", qPrintable(path));
    return path;
}

// The stored station is read at once rather than after the first paint,
// so that nothing the test types is overwritten by it later.
inline std::unique_ptr<frmRaschet> openWindow()
{
    if (!QFile::exists(stationPath()))
        freshStation();
    auto window = std::make_unique<frmRaschet>();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
    window->Form_Shown();
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

// Alt and the key of each access key of a window, in both layouts: the
// Russian one sends the caption's letter, the Latin one the letter on the
// same key (Л comes as K). Each button is clicked once a layout, its
// handlers taken off first; a caption's field takes the focus; the field
// that had the focus gets no text. `found` counts the access keys.
inline void pressEachAccessKey(QWidget* window, int& found)
{
    const QString russian = QStringLiteral("ЙЦУКЕНГШЩЗФЫВАПРОЛДЯЧСМИТЬ");
    const QString latin = QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM");
    found = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* label = qobject_cast<QLabel*>(widget);
        const QKeySequence key = QKeySequence::mnemonic(button ? button->text() : label ? label->text() : QString());
        if (key.isEmpty() || !widget->isVisible() || !widget->isEnabled() || (label && !label->buddy()))
            continue;
        ++found;
        const QChar letter(char16_t(key[0].key()));
        const qsizetype at = russian.indexOf(letter);
        if (button)
            QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
        for (const QChar sent : {letter, at >= 0 ? latin[at] : letter}) {
            QWidget* focus = QApplication::focusWidget();
            auto* field = qobject_cast<QLineEdit*>(focus);
            const QString before = field ? field->text() : QString();
            std::optional<QSignalSpy> clicked;
            if (button)
                clicked.emplace(button, &QAbstractButton::clicked);
            QTest::sendKeyEvent(QTest::Click, focus ? focus : window, Qt::Key(sent.unicode()), QString(sent.toLower()),
                                Qt::AltModifier);
            if (button)
                QTRY_VERIFY2_WITH_TIMEOUT(clicked->count() == 1, qPrintable(button->text() + sent), 1000);
            else
                QCOMPARE(QApplication::focusWidget(), label->buddy());
            if (field)
                QCOMPARE(field->text(), before);
        }
    }
}

// "name=text" pairs written into the fields.
inline void fill(frmRaschet& window, const QStringList& pairs)
{
    for (const QString& pair : pairs)
        window.findChild<QLineEdit*>(pair.section('=', 0, 0))->setText(pair.section('=', 1));
}

// The program set up as it starts, with the look a test compares pinned
// where the user's desktop could change it: the style and its colours.
// Called before the first window is made.
inline void pinLook()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    prepareApplication(*qApp);
    QApplication::setCursorFlashTime(0);  // a caret that does not blink
}

// A window compared with its reference look in tests/window/looks/:
// NAME.txt tells every control (look.h), NAME-compass.png shows the compass
// pixel for pixel. One comparison catches a moved control, a wrong caption,
// colour, font, weight or italic, a field left filled or emptied, the focus
// elsewhere and a wrong compass line. On a difference, what was taken stays
// in the test's temporary folder, which is kept. After a deliberate change
// of the look, make the references anew (nothing is compared then) and look
// at each one before committing it:
//     AZIDAL_WRITE_LOOKS=1 ctest --test-dir build -R '^test_(window|rotator)$'
inline void compareLook(QWidget& window, const QString& name)
{
    const QDir references(QStringLiteral(AZIDAL_LOOKS));
    const QString taken = look::described(window).join(QLatin1Char('\n')) + QLatin1Char('\n');
    const auto* compass = window.findChild<CompassCanvas*>();
    const QImage canvas = compass ? compass->canvas().convertToFormat(QImage::Format_RGB32) : QImage();
    const auto save = [&](const QDir& folder) {
        QFile text(folder.filePath(name + QStringLiteral(".txt")));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write(taken.toUtf8()) > 0);
        QVERIFY(canvas.isNull() || canvas.save(folder.filePath(name + QStringLiteral("-compass.png"))));
    };
    if (qEnvironmentVariableIsSet("AZIDAL_WRITE_LOOKS")) {
        save(references);
        return;
    }
    QFile reference(references.filePath(name + QStringLiteral(".txt")));
    const QStringList expected = reference.open(QIODevice::ReadOnly) ? QString::fromUtf8(reference.readAll()).split('\n')
                                                                     : QStringList{QStringLiteral("no reference")};
    const QStringList found = taken.split(QLatin1Char('\n'));
    QString difference;
    for (qsizetype i = 0; difference.isEmpty() && i < qMax(found.size(), expected.size()); ++i)
        if (found.value(i) != expected.value(i))
            difference = QStringLiteral("line %1 is\n  %2\nnot\n  %3").arg(i + 1).arg(found.value(i), expected.value(i));
    const QString compassReference = references.filePath(name + QStringLiteral("-compass.png"));
    if (difference.isEmpty() && compass && canvas != QImage(compassReference).convertToFormat(QImage::Format_RGB32))
        difference = QStringLiteral("the compass differs from ") + compassReference;
    if (difference.isEmpty())
        return;
    testHome.setAutoRemove(false);
    save(QDir(testHome.path()));
    QFAIL(qPrintable(QStringLiteral("%1: %2\n(what was taken is in %3)").arg(name, difference, testHome.path())));
}

