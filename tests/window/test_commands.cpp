// The windows as a user sees them at start, after the worked example and
// after each clearing routine, and the compass lines in their exact colours;
// the window's commands end to end: both calculations with the worked
// examples, the long path and WGS-84 figures under the labels, and each
// input error with its message, its clearing and what it leaves alone; the
// own station read at start and by "Прочитать коорд.", saved by
// "Сохранить коорд.", a missing database reported; Exit, which saves nothing.

#include "window_fixture.h"

#include "about/frmInfo.h"
#include "store/record_binding.h"
#include "store/user_db.h"
#include "window/compass_canvas.h"

#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>

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

// Offscreen, nothing gives the window its activation back after a box.
void comparePictureAfterBox(frmRaschet& window, const QString& name)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    comparePicture(window, name);
}

const QStringList OwnFields{"txtH1G", "txtH1M", "txtH1S", "txtD1G", "txtD1M", "txtD1S", "txtMyLocator"};
const QStringList Stored{"55", "05", "0", "37", "37", "0", "KO85TS"};

// The stored station, written first when given, by a binding of the
// test's own (the store tests check the binding against the file).
QStringList record(const QStringList& write = {})
{
    QLineEdit fields[7];
    store::RecordBinding binding;
    binding.setDatabaseName(store::stationDatabasePath());
    binding.setRecordSource(QStringLiteral("MyLocator"));
    for (int i = 0; i < 7; ++i) {
        binding.bind(&fields[i], QString::fromLatin1(store::ownStationColumns[i]));
        fields[i].setText(write.value(i));
    }
    if (!(write.isEmpty() || binding.updateRecord()) || !binding.refresh())
        return {QStringLiteral("the station cannot be read or written")};
    QStringList read;
    for (const QLineEdit& field : fields)
        read << field.text();
    return read;
}

QStringList ownTexts(frmRaschet& window)
{
    QStringList texts;
    for (const QString& name : OwnFields)
        texts << window.findChild<QLineEdit*>(name)->text();
    return texts;
}

using Points = QList<QPoint>;

struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QApplication::setCursorFlashTime(0);  // a caret that does not blink, for the pictures
    }
    void init() { freshStation(); }

    // At start; after the worked example typed as a user does; after each
    // clearing routine that an input error runs there.
    void mainWindow_data()
    {
        QTest::addColumn<QString>("after");
        QTest::newRow("start") << "";
        for (const char* step : {"worked-example", "ClearKorKoordinat", "ClearMyKoordinat", "ClearKorLocator"})
            QTest::newRow(step) << QString(step);
    }
    void mainWindow()
    {
        QFETCH(QString, after);
        auto window = openWindow();
        if (!after.isEmpty()) {
            window->txtMyLocator->setText(QStringLiteral("KO85TS"));
            type(window->txtKorLocator, QStringLiteral("jo62qm"));
            QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
        }
        if (after == "ClearKorKoordinat")
            window->ClearKorKoordinat();
        else if (after == "ClearMyKoordinat")
            window->ClearMyKoordinat();
        else if (after == "ClearKorLocator")
            window->ClearKorLocator();
        comparePicture(*window, QTest::currentDataTag());
    }

    // The azimuth lines in their exact colours: pixels just inside the end
    // of each line, and just beyond both ends, which keep the blank picture.
    void compassLines_data()
    {
        QTest::addColumn<int>("push");
        QTest::addColumn<int>("pull");
        QTest::addColumn<Points>("red");
        QTest::addColumn<Points>("blue");
        QTest::addColumn<Points>("beyond");
        QTest::newRow("91 and 271 like 90 and 270") << 91 << 271 << Points{{213, 114}} << Points{{19, 114}}
                                                    << Points{{219, 114}, {13, 114}};
        QTest::newRow("360 like 0") << 180 << 360 << Points{{116, 211}} << Points{{116, 17}}
                                    << Points{{116, 217}, {116, 11}};
        // One straight diameter, 46 degrees either side of the vertical.
        QTest::newRow("44 and 224") << 44 << 224 << Points{{150, 78}, {182, 45}} << Points{{81, 150}, {50, 182}}
                                    << Points{{188, 39}, {44, 189}};
    }
    void compassLines()
    {
        QFETCH(int, push);
        QFETCH(int, pull);
        QFETCH(Points, red);
        QFETCH(Points, blue);
        QFETCH(Points, beyond);
        frmRaschet window;
        window.restoreCompass();
        window.AzimutPush = qint16(push);
        window.AzimutPull = qint16(pull);
        window.Form_Paint();
        const QImage blank = QImage(QStringLiteral(":/compass.png")).convertToFormat(QImage::Format_RGB32);
        const QImage canvas = window.picCompas->canvas().convertToFormat(QImage::Format_RGB32);
        for (const QPoint& p : red)
            QCOMPARE(canvas.pixelColor(p), QColor(255, 0, 0));
        for (const QPoint& p : blue)
            QCOMPARE(canvas.pixelColor(p), QColor(0, 0, 255));
        for (const QPoint& p : beyond)
            QCOMPARE(canvas.pixelColor(p), blank.pixelColor(p));
    }

    // A direct call shows the new lines at once; a paint of the window
    // draws them without asking for another paint.
    void compassRepaints()
    {
        auto window = openWindow();
        PaintCounter counter;
        window->picCompas->installEventFilter(&counter);
        window->AzimutPush = 180;
        window->Form_Paint();
        QTRY_VERIFY(counter.count > 0);
        const QImage shown = window->picCompas->grab(window->picCompas->contentsRect()).toImage();
        QCOMPARE(shown.pixelColor(116, 200), QColor(255, 0, 0));
        window->update();
        QTest::qWait(300);
        const int afterOneUpdate = counter.count;
        QTest::qWait(300);
        QCOMPARE(counter.count, afterOneUpdate);
    }

    void aboutWindowAtItsFirstTick()
    {
        frmInfo dialog;
        dialog.Timer1_Timer();
        comparePicture(dialog, QStringLiteral("about"));
    }
    // The worked example by locator is in the pictures above; here its
    // tooltips, which an input error empties with the labels, and the
    // example by coordinates.
    void workedExamples()
    {
        auto window = openWindow();
        QVERIFY(run(*window, {"txtMyLocator=KO85TS", "txtKorLocator=JO62QM"}, Locator).isEmpty());
        QCOMPARE(window->lblDalnost->toolTip(), QStringLiteral("Длинный путь: 38419 км\nWGS-84: 1616.4 км"));
        QCOMPARE(window->lblAzimutPush->toolTip(), QStringLiteral("Длинный путь: 87 град.\nWGS-84: 267 град."));
        QCOMPARE(window->lblAzimutPull->toolTip(), QStringLiteral("WGS-84: 67 град.\nот корреспондента на вас"));
        QCOMPARE(run(*window, {"txtKorLocator=JO62Q"}, Locator).size(), 1);
        QCOMPARE(window->lblAzimutPush->toolTip() + window->lblAzimutPull->toolTip() + window->lblDalnost->toolTip(),
                 QString());

        const QStringList own{"txtH1G=55", "txtH1M=45", "txtH1S=0", "txtD1G=37", "txtD1M=37", "txtD1S=0"};
        const QStringList kor{"txtH2G=51", "txtH2M=30", "txtH2S=0", "txtD2G=-1", "txtD2M=52", "txtD2S=48"};
        QVERIFY(run(*window, own + kor + QStringList{"txtMyLocator=AA00AA"}, Coordinates).isEmpty());
        QVERIFY(!window->Oshibka);
        comparePictureAfterBox(*window, "worked-example-by-coordinates");  // IO91WM, 275, 95, 2500 km
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
        QTest::newRow("error-kor-locator-short") << kor + QStringList{"txtKorLocator=KO85T", "txtMyLocator=xx"}
                                                 << Locator << WrongLocator;
        QTest::newRow("error-kor-locator-character") << kor + QStringList{"txtKorLocator=ko8xts", "txtMyLocator=xx"}
                                                     << Locator << WrongLocator;
        QTest::newRow("error-kor-locator-east") << kor + QStringList{"txtKorLocator=SO85TS"} << Locator
                                                << "Долгота не может быть меньше -180 град. и больше 180 град. "
                                                   "Не верно введен локатор";
        QTest::newRow("error-own-locator-empty") << kor + own + QStringList{"txtKorLocator=JO62QM"} << Locator
                                                 << WrongLocator;
        QTest::newRow("error-own-locator-capitals") << kor + own + QStringList{"txtKorLocator=JO62QM",
                                                                               "txtMyLocator=ko8xts"}
                                                    << Locator << WrongLocator;
        QTest::newRow("error-own-locator-digits") << QStringList{"txtKorLocator=JO62QM", "txtMyLocator=KSOOTS"}
                                                  << Locator << WrongLocator;
        QTest::newRow("error-own-locator-north") << QStringList{"txtKorLocator=JO62QM", "txtMyLocator=ks85ts"}
                                                 << Locator << northOfLocator;
        QTest::newRow("error-kor-degrees") << own + QStringList{"txtH2G=abc", "txtD2G=10", "txtKorLocator=KO85TS"}
                                           << Coordinates << NoCoordinates;
        QTest::newRow("error-own-degrees-empty") << QStringList{"txtH2G=51", "txtD2G=0", "txtD1G=37", "txtH1M=5"}
                                                 << Coordinates << NoCoordinates;
        QTest::newRow("error-own-beyond-90") << QStringList{"txtH2G=51", "txtD2G=0", "txtH1G=-90", "txtH1M=0", "txtD1G=0"}
                                             << Coordinates << "Широта или долгота превышает допустимые значения !";
        QTest::newRow("error-both-faulty") << QStringList{"txtH2G=91", "txtD2G=0", "txtH1G=x", "txtD1G=0"}
                                           << Coordinates << "Широта не может быть меньше -90 град. и больше 90 град.";
        QTest::newRow("error-kor-minutes-61") << QStringList{"txtH2G=10", "txtH2M=61", "txtD2G=0"} << Coordinates
                                              << "Минута или секунда не может быть больше 60.";
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
        QVERIFY(window->Oshibka);
        comparePictureAfterBox(*window, QTest::currentDataTag());
    }

    // Nothing is cleared: the own station's step has run, the last results
    // stay in view (the picture). The box's buttons stand in one order in
    // every desktop's button layout (0 Windows, 1 macOS, 2 KDE, 3 GNOME).
    void coincidentPoints_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("buttonLayout");
        const QStringList byLocator{"txtKorLocator=KO85TS", "txtMyLocator=ko85ts", "txtH2G=1"};
        const QStringList byCoordinates{"txtH2G=55", "txtD2G=37", "txtH1G=55", "txtD1G=37"};
        QTest::newRow("by locator, Windows") << byLocator << Locator << 0;
        QTest::newRow("by locator, macOS") << byLocator << Locator << 1;
        QTest::newRow("by coordinates, KDE") << byCoordinates << Coordinates << 2;
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
        QVERIFY(!window->Oshibka);
        comparePictureAfterBox(*window, "coincident-" + button);  // "old", the station, focus in txtH2G
    }
    // Read right after the window first appears; read again by Load, over
    // what was typed or computed since.
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
    // saves; the window stays usable, and nothing is created.
    void missingDatabaseIsReported()
    {
        const QString path = store::stationDatabasePath();
        QVERIFY(QFile::remove(path));
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
            QVERIFY(answerer.seen.takeFirst().text.startsWith("Не удалось " + failed + path
                                                              + ".\nТакого файла нет"));
    }

    // Exit ends the event loop at once: no window is asked to close, so
    // nothing that runs on closing gets a chance to save.
    void exitWritesNothing()
    {
        QCOMPARE(record(Stored), Stored);
        auto window = openWindow();
        type(window->txtH1G, QStringLiteral("10"));
        QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, window.get(), [&window] { QTest::mouseClick(window->cmdExit, Qt::LeftButton); });
        QTimer::singleShot(5000, window.get(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(aboutToQuit.count(), 1);
        QVERIFY(window->isVisible());
        QCOMPARE(record(), Stored);
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
