// The fields while they are edited: focus colours and selection, the two
// calculation buttons following the correspondent's fields, capitals in the
// locator fields, length limits, and the clearing routines.

#include "message_boxes.h"
#include "window_fixture.h"

#include "window/compass_canvas.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor Focused(0, 0, 128);
const QColor Left(255, 255, 255);
const QColor TextColour(0, 128, 128);

QColor background(QLineEdit* field) { return field->palette().color(QPalette::Base); }

QLineEdit* field(frmRaschet& window, const char* name) { return window.findChild<QLineEdit*>(name); }

} // namespace

class TestFieldEditing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9)); }

    void focusColoursFollowTheFocus()
    {
        auto window = openWindow();
        QCOMPARE(window->focusWidget(), window->txtH2G);
        QCOMPARE(background(window->txtH2G), Focused);
        QVERIFY(!window->txtH2G->hasSelectedText());

        QTest::keyClick(window->txtH2G, Qt::Key_Tab);
        QCOMPARE(window->focusWidget(), window->txtH2M);
        QCOMPARE(background(window->txtH2M), Focused);
        QCOMPARE(background(window->txtH2G), Left);
        QCOMPARE(window->txtH2G->palette().color(QPalette::Text), TextColour);
        QCOMPARE(window->txtH2M->palette().color(QPalette::Text), TextColour);
    }

    void enteringAFieldSelectsItsText()
    {
        auto window = openWindow();
        window->txtD1G->setText(QStringLiteral("45"));
        window->txtD1G->setFocus();
        QCOMPARE(window->txtD1G->selectedText(), QStringLiteral("45"));
        QTest::keyClicks(window->txtD1G, QStringLiteral("5"));
        QCOMPARE(window->txtD1G->text(), QStringLiteral("5"));
    }

    // The press that brings the focus would place the caret: the release
    // selects again. A click into the field that has the focus places it.
    void clickIntoAFieldSelectsItsText()
    {
        auto window = openWindow();
        window->txtD1G->setText(QStringLiteral("45"));
        const QPoint inside(4, window->txtD1G->height() / 2);
        QTest::mouseClick(window->txtD1G, Qt::LeftButton, {}, inside);
        QCOMPARE(window->focusWidget(), window->txtD1G);
        QCOMPARE(window->txtD1G->selectedText(), QStringLiteral("45"));
        QTest::mouseClick(window->txtD1G, Qt::LeftButton, {}, inside);
        QVERIFY(!window->txtD1G->hasSelectedText());
    }

    // Focus lent to a message box or a pop-up menu and given back is no move
    // between fields: the field stays dark blue and keeps its caret.
    void focusLentToAPopUpComesBackUnchanged()
    {
        auto window = openWindow();
        QLineEdit* locator = window->txtKorLocator;
        locator->setFocus();
        locator->setText(QStringLiteral("KO85"));
        locator->setCursorPosition(2);
        QColor whileBoxUp;
        QTimer::singleShot(50, window.get(), [&] {
            whileBoxUp = background(locator);
            QApplication::activeModalWidget()->close();
        });
        QMessageBox::information(window.get(), QStringLiteral("Ошибка"), QStringLiteral("…"));
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        QCOMPARE(whileBoxUp, Focused);
        QCOMPARE(background(locator), Focused);
        QVERIFY(!locator->hasSelectedText());

        // Paste from the field's own menu goes in at the caret.
        QApplication::clipboard()->setText(QStringLiteral("xy"));
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(4, 4), locator->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(locator, &menuKey);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* paste = nullptr;  // the entry that names Paste's keys
        const QString pasteKeys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* action : menu->actions())
            if (action->text().endsWith(QLatin1Char('\t') + pasteKeys))
                paste = action;
        QVERIFY(paste);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
        QTRY_COMPARE(locator->text(), QStringLiteral("KOxy85"));
        QCOMPARE(background(locator), Focused);
    }

    void coordinatesButtonNeedsBothDegrees_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("both filled") << "5" << "7" << "" << true;
        QTest::newRow("a blank counts") << "5" << " " << "" << true;
        QTest::newRow("longitude empty") << "5" << "" << "30" << false;
        QTest::newRow("latitude empty") << "" << "abc" << "30" << false;
        QTest::newRow("minutes alone") << "" << "" << "30" << false;
    }

    void coordinatesButtonNeedsBothDegrees()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(QString, minutes);
        QFETCH(bool, enabled);
        auto window = openWindow();
        type(window->txtH2G, latitude);
        type(window->txtD2G, longitude);
        type(window->txtH2M, minutes);
        type(window->txtD2S, minutes);
        QCOMPARE(window->cmdRaschetLocator->isEnabled(), enabled);
        QVERIFY(!window->cmdRaschetKoordinat->isEnabled());
    }

    void deletingTheLastCharacterDisables()
    {
        auto window = openWindow();
        type(window->txtH2G, QStringLiteral("5"));
        type(window->txtD2G, QStringLiteral("7"));
        QVERIFY(window->cmdRaschetLocator->isEnabled());
        QTest::keyClick(window->txtD2G, Qt::Key_End);
        QTest::keyClick(window->txtD2G, Qt::Key_Backspace);
        QVERIFY(!window->cmdRaschetLocator->isEnabled());

        type(window->txtKorLocator, QStringLiteral("k"));
        QVERIFY(window->cmdRaschetKoordinat->isEnabled());
        QTest::keyClick(window->txtKorLocator, Qt::Key_Backspace);
        QVERIFY(!window->cmdRaschetKoordinat->isEnabled());
    }

    void programWrittenTextRunsTheRules()
    {
        auto window = openWindow();
        window->txtKorLocator->setText(QStringLiteral("KO85TS"));
        window->txtH2G->setText(QStringLiteral("1"));
        window->txtD2G->setText(QStringLiteral("2"));
        QVERIFY(window->cmdRaschetKoordinat->isEnabled());
        QVERIFY(window->cmdRaschetLocator->isEnabled());
    }

    void typedLettersBecomeCapitals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("correspondent, Latin") << "txtKorLocator" << "ko85qf" << "KO85QF";
        QTest::newRow("own, Latin") << "txtMyLocator" << "jo62qm" << "JO62QM";
        QTest::newRow("Cyrillic") << "txtKorLocator" << "жёя1" << "ЖЁЯ1";
        QTest::newRow("signs pass") << "txtMyLocator" << "a-b c!" << "A-B C!";
        QTest::newRow("coordinate fields keep case") << "txtH2G" << "abc" << "abc";
    }

    void typedLettersBecomeCapitals()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto window = openWindow();
        type(field(*window, qPrintable(name)), typed);
        QCOMPARE(field(*window, qPrintable(name))->text(), shown);
    }

    void pastedTextKeepsItsCase()
    {
        auto window = openWindow();
        QApplication::clipboard()->setText(QStringLiteral("ko85qf"));
        for (QLineEdit* locator : {window->txtKorLocator, window->txtMyLocator}) {
            locator->setFocus();
            QTest::keyClick(locator, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(locator->text(), QStringLiteral("ko85qf"));
        }
    }

    void typingStopsAtTheLimit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit");
        QTest::newRow("latitude degrees") << "txtH1G" << 3;
        QTest::newRow("longitude degrees") << "txtD2G" << 4;
        QTest::newRow("minutes") << "txtH2M" << 2;
        QTest::newRow("seconds") << "txtD1S" << 2;
        QTest::newRow("locator") << "txtKorLocator" << 6;
        QTest::newRow("own locator") << "txtMyLocator" << 6;
    }

    void typingStopsAtTheLimit()
    {
        QFETCH(QString, name);
        QFETCH(int, limit);
        auto window = openWindow();
        QLineEdit* edit = field(*window, qPrintable(name));
        type(edit, QStringLiteral("1234567890"));
        QCOMPARE(edit->text(), QStringLiteral("1234567890").left(limit));
        // Pasted at the start, it keeps what fits and the rest of the text.
        edit->setText(QStringLiteral("9"));
        edit->home(false);
        QApplication::clipboard()->setText(QStringLiteral("1234567890"));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("1234567890").left(limit - 1) + QStringLiteral("9"));
    }

    void clearingRoutines_data()
    {
        QTest::addColumn<QString>("routine");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("focus");
        const QStringList kor{"txtH2G", "txtH2M", "txtH2S", "txtD2G", "txtD2M", "txtD2S"};
        const QStringList own{"txtH1G", "txtH1M", "txtH1S", "txtD1G", "txtD1M", "txtD1S"};
        QTest::newRow("ClearKorKoordinat") << "ClearKorKoordinat" << kor << "txtKorLocator";
        QTest::newRow("ClearMyKoordinat") << "ClearMyKoordinat" << own << "txtKorLocator";
        QTest::newRow("ClearKorLocator") << "ClearKorLocator" << QStringList{"txtKorLocator"} << "txtH2G";
    }

    void clearingRoutines()
    {
        QFETCH(QString, routine);
        QFETCH(QStringList, emptied);
        QFETCH(QString, focus);
        auto window = openWindow();
        const QList<QLineEdit*> fields = window->findChildren<QLineEdit*>();
        for (QLineEdit* f : fields)
            f->setText(QStringLiteral("12"));
        window->lblDalnost->setText(QStringLiteral("old"));
        window->AzimutPush = 90;
        window->AzimutPull = 270;
        window->Form_Paint();
        window->Oshibka = false;
        const QImage blank = window->imgCompas->pixmap().toImage().convertToFormat(window->picCompas->canvas().format());
        QVERIFY(window->picCompas->canvas() != blank);

        if (routine == "ClearKorKoordinat")
            window->ClearKorKoordinat();
        else if (routine == "ClearMyKoordinat")
            window->ClearMyKoordinat();
        else
            window->ClearKorLocator();

        for (QLineEdit* f : fields)
            QCOMPARE(f->text().isEmpty(), emptied.contains(f->objectName()));
        QCOMPARE(window->lblAzimutPush->text(), QStringLiteral(" АЗИМУТ от себя: "));
        QCOMPARE(window->lblAzimutPull->text(), QStringLiteral(" АЗИМУТ на себя: "));
        QCOMPARE(window->lblDalnost->text(), QStringLiteral(" ДАЛЬНОСТЬ: "));
        QCOMPARE(window->AzimutPush, qint16(0));
        QCOMPARE(window->AzimutPull, qint16(0));
        // The old lines are gone: only the overlay for zero azimuths is drawn.
        QCOMPARE(window->picCompas->canvas().pixelColor(200, 114), blank.pixelColor(200, 114));
        QCOMPARE(window->picCompas->canvas().pixelColor(116, 40), QColor(0, 0, 255));
        QVERIFY(window->Oshibka);
        QCOMPARE(window->focusWidget()->objectName(), focus);
        QCOMPARE(window->focusWidget()->palette().color(QPalette::Base), Focused);
        QCOMPARE(window->cmdRaschetKoordinat->isEnabled(), !window->txtKorLocator->text().isEmpty());
        QCOMPARE(window->cmdRaschetLocator->isEnabled(), !window->txtH2G->text().isEmpty());
    }
};

QTEST_MAIN(TestFieldEditing)
#include "test_field_editing.moc"
