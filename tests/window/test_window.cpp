// The main window as a user meets it: how it looks at start, after the
// worked examples and after a clearing routine; its commands end to end,
// both calculations with each input error, the own station's Load and Save,
// Exit; the fields while they are edited and walked with the keyboard.

#include "window_fixture.h"

#include "face/classic_font.h"
#include "about/frmInfo.h"
#include "store/user_db.h"
#include "tests/store/station_binding.h"
#include "window/compass_canvas.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>

#include <cmath>

namespace {

const QString Locator = QStringLiteral("cmdRaschetKoordinat");
const QString Coordinates = QStringLiteral("cmdRaschetLocator");
const QString WrongLocator = QStringLiteral("Не корректный ввод локатора !");
const QString NoCoordinates = QStringLiteral("Введите координаты для определения локатора.");

// Fills the fields, marks the distance label as old, presses the button and
// answers every box with the given button: the boxes it showed.
QList<SeenBox> run(frmRaschet& window, const QStringList& before, const QString& button, const QString& answer = {})
{
    MessageBoxAnswerer answerer(answer);
    fill(window, before);
    window.lblDalnost->setText(QStringLiteral("old"));
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    return answerer.seen;
}

// Offscreen, nothing gives the window its activation back after a box; the
// field that had the focus gets it again then.
void compareLookAfterBox(frmRaschet& window, const QString& name)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    compareLook(window, name);
}

const QStringList OwnFields{"txtH1G", "txtH1M", "txtH1S", "txtD1G", "txtD1M", "txtD1S", "txtMyLocator"};
const QStringList Stored{"55", "05", "0", "37", "37", "0", "KO85TS"};

// The stored station, written first when given (the store tests check the
// binding against the file).
QStringList record(const QStringList& write = {})
{
    const QString path = store::stationLocation().path;
    if (!write.isEmpty() && !station(path, write, save).second.ok())
        return {QStringLiteral("the station cannot be written")};
    const auto [read, loaded] = station(path, QStringList(7), load);
    return loaded.ok() ? read : QStringList{QStringLiteral("the station cannot be read")};
}

QStringList ownTexts(frmRaschet& window)
{
    QStringList texts;
    for (const QString& name : OwnFields)
        texts << window.findChild<QLineEdit*>(name)->text();
    return texts;
}

const QColor Focused(0, 0, 128);

QColor background(QLineEdit* field) { return field->palette().color(QPalette::Base); }

QLineEdit* field(frmRaschet& window, const QString& name) { return window.findChild<QLineEdit*>(name); }

QString focused(frmRaschet& window) { return window.focusWidget()->objectName(); }

// Where the focus stands after each of `steps` presses of the key.
QStringList walk(frmRaschet& window, Qt::Key key, qsizetype steps)
{
    QStringList walked;
    while (walked.size() < steps) {
        QTest::keyClick(window.focusWidget(), key);
        walked << focused(window);
    }
    return walked;
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        pinLook();
        // The window is made without loading what it needs only later, some
        // 4 ms of a start-up: Qt's image-format plugins (the icon and the
        // compass picture are read without them), printing and SVG, and the
        // ellipsoid's library.
        { frmRaschet unshown; }
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        for (const char* later : {"/imageformats/", "libQt6PrintSupport", "libQt6Svg", "libazidal-paper",
                                  "libGeographicLib", "libazidal-wgs84"})
            QVERIFY2(!mapped.contains(later), later);
    }
    void init() { freshStation(); }

    // At start; after the worked example typed as a user does; after a
    // clearing routine takes its results, labels, tooltips and compass
    // line away (what each routine empties is the input errors' test's).
    void mainWindow_data()
    {
        QTest::addColumn<QString>("after");
        for (const char* step : {"start", "worked-example", "ClearKorLocator"})
            QTest::newRow(step) << QString(step);
    }
    void mainWindow()
    {
        QFETCH(QString, after);
        auto window = openWindow();
        if (after != "start") {
            window->txtMyLocator->setText(QStringLiteral("KO85TS"));
            type(window->txtKorLocator, QStringLiteral("jo62qm"));
            QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
        }
        if (after == "ClearKorLocator")
            window->ClearKorLocator();
        compareLook(*window, QTest::currentDataTag());
        // The title bar's icon, which the look does not show.
        QCOMPARE(window->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    }

    // Every caption is spaced letter by letter, each on a whole pixel, as the
    // classic dialogs spaced theirs, though the face would draw some of their
    // letter pairs closer.
    void captionsUnkerned()
    {
        auto window = openWindow();
        int kernedByTheFace = 0;
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const QString caption = control->property("text").toString().remove('&')
                                    + control->property("title").toString();
            const QFontMetricsF metrics(control->font());
            qreal letters = 0;
            for (const QChar letter : caption) {
                letters += metrics.horizontalAdvance(letter);
                QCOMPARE(letters, std::round(letters));
            }
            QCOMPARE(metrics.horizontalAdvance(caption), letters);
            QFont kerned = control->font();
            kerned.setStyleStrategy(QFont::PreferDefault);
            kernedByTheFace += QFontMetricsF(kerned).horizontalAdvance(caption) != letters;
        }
        if (kernedByTheFace == 0)
            QSKIP("the face installed draws no pair of these letters closer");
    }

    // Each access key's underline stands a pixel clear of its letter: under
    // «Расчет по &ЛОКАТОРУ» the underline and the feet of a bold Л would read
    // as a Д. The underline is what the "&" adds to a button's picture, the
    // letters what the caption adds to the bare button.
    void accessKeysStandClear()
    {
        if (QFontInfo(classicFont(8.25, true)).family() != QStringLiteral("Liberation Sans"))
            QSKIP("the windows' face, Liberation Sans (fonts-liberation), is not installed");
        auto window = openWindow();
        HelloSlide slide;
        frmInfo about(nullptr, slide);
        QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->text().contains('&') && !button->isHidden())
                buttons << button;
        QCOMPARE(buttons.size(), 7);
        for (QPushButton* button : buttons) {
            const QString caption = button->text();
            const auto picture = [button](const QString& text) {
                button->setText(text);
                return button->grab().toImage();
            };
            const QImage keyed = picture(caption), plain = picture(QString(caption).remove('&')), bare = picture({});
            button->setText(caption);
            // The underline: the first row the "&" changes. The letter: the
            // lowest row above it that the caption changes, in its columns.
            int underline = -1, feet = -1;
            for (int i = 0; i < keyed.width() * keyed.height() && underline < 0; ++i)
                if (keyed.pixel(i % keyed.width(), i / keyed.width()) != plain.pixel(i % keyed.width(), i / keyed.width()))
                    underline = i / keyed.width();
            for (int i = 0; i < keyed.width() * std::max(underline, 0); ++i) {
                const int x = i % keyed.width(), y = i / keyed.width();
                if (keyed.pixel(x, underline) != plain.pixel(x, underline) && plain.pixel(x, y) != bare.pixel(x, y))
                    feet = y;
            }
            QVERIFY2(underline >= 0 && feet >= 0 && underline - feet >= 2,
                     qPrintable(QString("%1: letter down to row %2, underline at %3").arg(caption).arg(feet).arg(underline)));
        }
    }

    // With the focus, which only Tab gives it, the compass shows a dotted
    // rectangle inside its border, and nothing else changes.
    void compassFocusMark()
    {
        auto window = openWindow();
        const QImage unfocused = window->picCompas->grab().toImage();
        window->picCompas->setFocus(Qt::TabFocusReason);
        const QImage focused = window->picCompas->grab().toImage();
        const QRect mark = window->picCompas->contentsRect().adjusted(1, 1, -1, -1);  // its lines
        int onTheMark = 0, elsewhere = 0;
        for (int i = 0; i < focused.width() * focused.height(); ++i) {
            const int x = i % focused.width(), y = i / focused.width();
            const bool line = x == mark.left() || x == mark.right() || y == mark.top() || y == mark.bottom();
            (line ? onTheMark : elsewhere) += focused.pixel(x, y) != unfocused.pixel(x, y);
        }
        QVERIFY2(onTheMark > 100 && elsewhere == 0, qPrintable(QString("%1 %2").arg(onTheMark).arg(elsewhere)));
    }

    void aboutWindowAtItsFirstTick()
    {
        HelloSlide slide;
        frmInfo dialog(nullptr, slide);
        dialog.Timer1_Timer();
        compareLook(dialog, QStringLiteral("about"));
    }
    // The worked example by coordinates: IO91WM, 275, 95, 2500 km.
    void workedExampleByCoordinates()
    {
        auto window = openWindow();
        const QStringList own{"txtH1G=55", "txtH1M=45", "txtH1S=0", "txtD1G=37", "txtD1M=37", "txtD1S=0"};
        const QStringList kor{"txtH2G=51", "txtH2M=30", "txtH2S=0", "txtD2G=-1", "txtD2M=52", "txtD2S=48"};
        QVERIFY(run(*window, own + kor + QStringList{"txtMyLocator=AA00AA"}, Coordinates).isEmpty());
        compareLookAfterBox(*window, "worked-example-by-coordinates");
    }

    // With the Russian layout left on by mistake, the keys K O 8 5 T S come
    // as «лщ85еы»: the field shows the Latin KO85TS they meant, with the
    // Belarusian ў and the Ukrainian і too. Cyrillic written on purpose is
    // read as the locators' test reads it.
    void russianKeyboardLayout()
    {
        auto window = openWindow();
        type(window->txtMyLocator, QStringLiteral("лщ85еы"));
        QCOMPARE(window->txtMyLocator->text(), QStringLiteral("KO85TS"));
        type(window->txtKorLocator, QStringLiteral("лў85еі"));
        QCOMPARE(window->txtKorLocator->text(), QStringLiteral("KO85TS"));
    }

    // Every access key in either layout; an Alt chord that presses nothing
    // types nothing, with Shift too.
    void accessKeysInEitherLayout()
    {
        auto window = openWindow();
        fill(*window, {"txtKorLocator=JO62QM", "txtH2G=52", "txtD2G=13"});  // both calculations enabled
        int found = 0;
        pressEachAccessKey(window.get(), found);
        QCOMPARE(found, 6);
        window->txtKorLocator->setText(QStringLiteral("JO62"));
        window->txtKorLocator->setFocus();
        for (const Qt::KeyboardModifiers alt : {Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::ShiftModifier})
            for (const auto& [key, text] : {std::pair{Qt::Key_Z, "z"}, {Qt::Key(u'Я'), "я"}})
                QTest::sendKeyEvent(QTest::Click, window->txtKorLocator, key, QString::fromUtf8(text), alt);
        QCOMPARE(window->txtKorLocator->text(), QStringLiteral("JO62"));
    }

    // Each input error: its message, then, in the picture, what its clearing
    // routine emptied, what it left alone, the labels and the compass reset
    // and where the focus went.
    void inputErrors_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        const QStringList kor{"txtH2G=1", "txtH2M=2", "txtH2S=3", "txtD2G=4", "txtD2M=5", "txtD2S=6"};
        const QStringList own{"txtH1G=1", "txtH1M=2", "txtH1S=3", "txtD1G=4", "txtD1M=5", "txtD1S=6"};
        const QString northOfLocator = "Широта не может быть меньше -90 град. и больше 90 град. Не верно введен локатор";
        QTest::newRow("error-kor-locator-character") << kor + QStringList{"txtKorLocator=ko8xts", "txtMyLocator=xx"}
                                                     << Locator << WrongLocator;
        QTest::newRow("error-own-locator-empty") << kor + own + QStringList{"txtKorLocator=JO62QM"} << Locator
                                                 << WrongLocator;
        QTest::newRow("error-own-locator-north") << QStringList{"txtKorLocator=JO62QM", "txtMyLocator=ks85ts"}
                                                 << Locator << northOfLocator;
        QTest::newRow("error-own-degrees-empty") << QStringList{"txtH2G=51", "txtD2G=0", "txtD1G=37", "txtH1M=5"}
                                                 << Coordinates << NoCoordinates;
        QTest::newRow("error-both-faulty") << QStringList{"txtH2G=91", "txtD2G=0", "txtH1G=x", "txtD1G=0"}
                                           << Coordinates << "Широта не может быть меньше -90 град. и больше 90 град.";
    }
    void inputErrors()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, button);
        QFETCH(QString, message);
        auto window = openWindow();
        const QList<SeenBox> seen = run(*window, before, button);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().title, QStringLiteral("Ошибка"));
        QCOMPARE(seen.first().text, message);
        QCOMPARE(seen.first().icon, QMessageBox::Warning);
        QCOMPARE(seen.first().buttons.size(), 1);
        compareLookAfterBox(*window, QTest::currentDataTag());
    }

    // Nothing is cleared: the own station's step has run, the last results
    // stay in view (the picture). The box's buttons stand in one order in
    // the desktops' button layouts that order roles most unlike (0 Windows,
    // 3 GNOME).
    void coincidentPoints_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("buttonLayout");
        const QStringList byLocator{"txtKorLocator=KO85TS", "txtMyLocator=ko85ts", "txtH2G=1"};
        const QStringList byCoordinates{"txtH2G=55", "txtD2G=37", "txtH1G=55", "txtD1G=37"};
        QTest::newRow("by locator, Windows") << byLocator << Locator << 0;
        QTest::newRow("by coordinates, GNOME") << byCoordinates << Coordinates << 3;
    }
    void coincidentPoints()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, button);
        QFETCH(int, buttonLayout);
        qApp->setStyleSheet(QStringLiteral("QDialogButtonBox { button-layout: %1; }").arg(buttonLayout));
        const auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        auto window = openWindow();
        const QList<SeenBox> seen = run(*window, before, button, QStringLiteral("Повторить"));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().text, QStringLiteral("При расчете ВАШИ координаты совпали с ВВЕДЕННЫМИ !"));
        QCOMPARE(seen.first().icon, QMessageBox::Question);
        QCOMPARE(seen.first().buttons, (QStringList{"Отмена", "Повторить", "Продолжить"}));
        compareLookAfterBox(*window, "coincident-" + button);  // "old", the station, focus in txtH2G
    }
    // Read right after the window first appears; read again by Load, over
    // what was typed or computed since. Exit ends the event loop at once:
    // no window is asked to close, so nothing that runs on closing gets a
    // chance to save what was typed.
    void startUpAndLoadShowTheStoredStation()
    {
        QCOMPARE(record(Stored), Stored);
        auto window = std::make_unique<frmRaschet>();
        window->show();
        QTRY_COMPARE(ownTexts(*window), Stored);
        QVERIFY(window->txtH2G->text().isEmpty() && window->txtKorLocator->text().isEmpty());
        type(window->txtH1M, QStringLiteral("44"));
        fill(*window, {"txtKorLocator=JO62QM", "txtMyLocator=FN20XR"});
        QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
        QCOMPARE(window->txtD1G->text(), QStringLiteral("-75"));
        QTest::mouseClick(window->cmdLoad, Qt::LeftButton);
        QCOMPARE(ownTexts(*window), Stored);
        type(window->txtH1G, QStringLiteral("10"));
        QTimer::singleShot(0, window.get(), [&window] { QTest::mouseClick(window->cmdExit, Qt::LeftButton); });
        QTimer::singleShot(5000, window.get(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(window->isVisible());
        QCOMPARE(record(), Stored);
    }

    // Longer than a user could type: shown and saved back whole, and checked
    // as it stands. Typing still cannot lengthen it.
    void overlongStoredTextsStayWhole()
    {
        const QStringList overlong{"55.5", "46", "15", "37", "37", "30", "KO85TS1"};
        record(overlong);
        auto window = openWindow();
        QCOMPARE(ownTexts(*window), overlong);
        QTest::mouseClick(window->cmdSave, Qt::LeftButton);
        QCOMPARE(record(), overlong);
        window->txtMyLocator->setFocus();
        window->txtMyLocator->end(false);
        QTest::keyClick(window->txtMyLocator, Qt::Key_X);
        QCOMPARE(window->txtMyLocator->text(), QStringLiteral("KO85TS1"));

        MessageBoxAnswerer answerer;
        type(window->txtKorLocator, QStringLiteral("JO62QM"));
        QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].text, QStringLiteral("Не корректный ввод локатора !"));
    }

    // Reported over the window, with its cause, when it reads and when it
    // saves; the window stays usable, and nothing is created. Beside this
    // program there is no template either, as with a copy run from a folder
    // that was never installed: the box names each place looked in, and
    // what the user can do, in Russian alone.
    void missingDatabaseIsReported()
    {
        const QString path = store::stationLocation().path;
        QVERIFY(QFile::remove(path));
        const store::StationLocation station = store::stationLocation();
        MessageBoxAnswerer answerer;
        auto window = std::make_unique<frmRaschet>();
        window->show();
        QTRY_COMPARE(answerer.seen.size(), 1);
        QTest::mouseClick(window->cmdSave, Qt::LeftButton);
        type(window->txtKorLocator, QStringLiteral("KO85TS"));
        QVERIFY(window->cmdRaschetKoordinat->isEnabled() && !QFile::exists(path));
        QCOMPARE(answerer.seen.size(), 2);
        for (const QString& failed : {QStringLiteral("прочитать свою станцию из файла "),
                                      QStringLiteral("сохранить свою станцию в файл ")})
            QCOMPARE(answerer.seen.takeFirst().text, "Не удалось " + failed + path + ".\n" + station.noFile);
    }

    // Focus lent to a message box or a pop-up menu and given back is no move
    // between fields: the field stays dark blue and keeps its caret, and a
    // paste from its menu goes in at the caret.
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
        QVERIFY(!locator->hasSelectedText());

        QApplication::clipboard()->setText(QStringLiteral("xy"));
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(4, 4), locator->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(locator, &menuKey);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QString pasteKeys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* action : menu->actions())
            if (action->text().endsWith(QLatin1Char('\t') + pasteKeys))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_COMPARE(locator->text(), QStringLiteral("KOxy85"));
        QCOMPARE(background(locator), Focused);
    }

    // Typed letters become capitals in the locator fields only; there a
    // Cyrillic letter on a Latin letter's key is that letter (я is Z), one on
    // another key (ж) a Cyrillic capital. A paste keeps its case. Each field
    // takes what fits, typed or pasted, and a key at the start of a full
    // field changes nothing.
    void capitalsAndLimits()
    {
        auto window = openWindow();
        const QString typed = QStringLiteral("ko8жя-!");
        const QString digits = QStringLiteral("1234567890");
        for (int i = 0; i < Ring.size(); ++i) {
            QLineEdit* edit = field(*window, Ring[i]);
            const bool locator = Ring[i].endsWith(QStringLiteral("Locator"));
            type(edit, typed);
            QCOMPARE(edit->text(), (locator ? QStringLiteral("KO8ЖZ-!") : typed).left(TypingLimits[i]));
            edit->selectAll();
            QApplication::clipboard()->setText(typed);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit->text(), typed.left(TypingLimits[i]));
            edit->clear();
            type(edit, digits);
            edit->home(false);
            QTest::keyClicks(edit, QStringLiteral("9"));
            QCOMPARE(edit->text(), digits.left(TypingLimits[i]));
            edit->setText(QStringLiteral("9"));
            edit->home(false);
            QApplication::clipboard()->setText(digits);
            edit->paste();
            QCOMPARE(edit->text(), digits.left(TypingLimits[i] - 1) + QStringLiteral("9"));
        }
    }

    // Enter and Down go round the ring of the fourteen fields, Up back, the
    // state of Shift, Ctrl and the keypad aside; Tab walks every control.
    // Outside the fields the ring keys move nothing, and Enter on a button
    // clicks it.
    void keyboard()
    {
        auto window = openWindow();
        QCOMPARE(walk(*window, Qt::Key_Return, Ring.size()), Ring.mid(1) << Ring.first());
        const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, QString>> steps{
            {Qt::Key_Up, {}, "txtMyLocator"},         {Qt::Key_Down, Qt::ControlModifier, "txtH2G"},
            {Qt::Key_Enter, Qt::KeypadModifier, "txtH2M"}, {Qt::Key_Return, Qt::ShiftModifier, "txtH2S"},
            {Qt::Key_Up, {}, "txtH2M"},               {Qt::Key_Right, {}, "txtH2M"}};
        for (const auto& [key, modifiers, to] : steps) {
            QTest::keyClick(window->focusWidget(), key, modifiers);
            QCOMPARE(focused(*window), to);
        }
        window->txtMyLocator->setFocus();
        window->cmdRaschetKoordinat->setEnabled(true);  // disabled, Tab passes them by
        window->cmdRaschetLocator->setEnabled(true);
        const QStringList stops{"cmdRaschetKoordinat", "cmdRaschetLocator", "cmdInfo", "cmdExit",
                                "cmdSave", "cmdLoad", "picCompas"};
        QCOMPARE(walk(*window, Qt::Key_Tab, stops.size() + Ring.size()), stops + Ring);
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
            window->picCompas->setFocus();
            QTest::keyClick(window->picCompas, key);
            QCOMPARE(focused(*window), QStringLiteral("picCompas"));
        }
        // Enter on Инфо opens the About window, modally.
        MessageBoxAnswerer answerer;
        window->cmdInfo->setFocus();
        QTest::keyClick(window->cmdInfo, Qt::Key_Return);  // returns once it is closed
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().title, QStringLiteral("О программе..."));
        QCOMPARE(focused(*window), QStringLiteral("cmdInfo"));
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
