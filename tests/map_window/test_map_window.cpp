#include "dxcc/country_source.h"
#include "rotator/rotator_session.h"
#include "map_window/frmMap.h"
#include "tests/map/map_fixture.h"
#include "settings/settings_file.h"
#include "tests/file_bytes.h"
#include "tests/window/message_box_answerer.h"
#include "window/frmRaschet.h"
#include "map_window/map_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The settings and the user's own country file looked for in a folder of
// the test's own, so that the system's cty.dat is the one read.
QTemporaryDir testHome;
const bool homePointed = qputenv("XDG_DATA_HOME", QFile::encodeName(testHome.filePath("data")))
                         && qputenv("XDG_CONFIG_HOME", QFile::encodeName(testHome.filePath("config")));

// The window from Moscow, with a country file read when first asked for.
struct MapWindow {
    rotator::RotatorSession session;
    dxcc::CountrySource countries;
    geodesy::Position moscow{55.77, 37.625};
    frmMap map{session, moscow, countries};
};

} // namespace

// The map window's own controls, with the main window's country file; its
// place, its keys, its zoom and its settings.
class TestMapWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { settingsFile().clear(); }

    // Each found station is shown with both paths from the own one, and
    // told in the status line; a word that is neither is refused with the
    // reason, and the map keeps what it showed.
    void searches_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // the correspondent's label and position
        QTest::addColumn<QString>("said");   // the status line's start
        QTest::newRow("a four-character locator") << " pm95 " << "PM95 35.5,139" << "PM95MM   ";
        QTest::newRow("coordinates") << "-41.29,174.78" << "-41.29,174.78 -41.29,174.78" << "RE78JR   ";
        QTest::newRow("a callsign") << "ja1abc" << "JA1ABC 36.4,138.38" << "JA1ABC — Япония (AS, CQ 25, ITU 45), файл стран от ";
        QTest::newRow("a bad word") << "гдеж" << "none" << "«гдеж»: не локатор, не координаты и не позывной";
    }

    void searches()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, said);
        MapWindow window;
        frmMap& map = window.map;
        map.show();
        map.txtSearch->setText(typed);  // Cyrillic too, which keyClicks cannot type
        QTest::keyClick(map.txtSearch, Qt::Key_Return);
        const auto& found = map.mapView->scene().correspondents;
        QCOMPARE(found.empty() ? QStringLiteral("none")
                               : QString("%1 %2,%3").arg(found.at(0).locator)
                                     .arg(found.at(0).position.latitude, 0, 'g', 4)
                                     .arg(found.at(0).position.longitude, 0, 'g', 5),
                 shown);
        QVERIFY2(map.lblStatus->text().startsWith(said), qPrintable(map.lblStatus->text()));
        if (!found.empty())
            QVERIFY(map.lblStatus->text().endsWith(QStringLiteral("°")));
    }

    // A log's count tells the QSOs shown at their call's country; under the
    // mouse a mark names its first QSO, how many share it, and where it
    // lies; a ring at a country names the country too.
    void tellsTheLog_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("said");
        QTest::newRow("two QSOs in one square") << 52.5 << 13.0
                                                << "DL1AB, 12.03.2024, 20m, CW (здесь связей: 2)   JO62MM   1636 км   267°";
        QTest::newRow("a QSO at its call's country")
            << 36.4 << 138.38 << "JA1ABC   Япония (AS, CQ 25, ITU 45)   PM96EJ   7343 км   60°";
    }

    void tellsTheLog()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("log.adi"),
                  "<EOH><CALL:6>JA1ABC <EOR><CALL:5>DL1AB <QSO_DATE:8>20240312 <BAND:3>20M <MODE:2>CW "
                  "<GRIDSQUARE:4>JO62 <EOR><CALL:5>DL2CD <GRIDSQUARE:4>JO62 <EOR><CALL:8>R1ABC/MM <EOR>");
        MapWindow window;
        window.map.showLog(folder.filePath("log.adi"));
        QCOMPARE(window.map.lblStatus->text(),
                 QStringLiteral("log.adi: на карте связей 3, из них по стране позывного 1, без положения 1"));
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        MapView* view = window.map.mapView;
        const QPointF pixel = pixelOf(view->renderer(), view->rect(), view->scene(), {latitude, longitude});
        QMouseEvent move(QEvent::MouseMove, pixel, view->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(view, &move);
        QTEST(window.map.lblStatus->text(), "said");
    }

    // The main window's correspondent as it was typed: its locator, or its
    // degrees; on a map opened after the calculation and on one open
    // during it.
    void labelsTheMainWindowsCorrespondent_data()
    {
        QTest::addColumn<bool>("byLocator");
        QTest::addColumn<QStringList>("typed");  // field=text
        QTest::addColumn<QString>("label");
        QTest::newRow("by a locator") << true << QStringList{"txtKorLocator=jo62qm"} << "JO62QM";
        QTest::newRow("by degrees") << false << QStringList{"txtH2G=35", "txtH2M=30", "txtD2G=-139"} << "35°30′ -139°";
    }

    void labelsTheMainWindowsCorrespondent()
    {
        QFETCH(bool, byLocator);
        QFETCH(QStringList, typed);
        QFETCH(QString, label);
        frmRaschet window;
        for (const QString& field : typed + QStringList{"txtMyLocator=KO85TS", "txtH1G=55", "txtD1G=37"})
            window.findChild<QLineEdit*>(field.section('=', 0, 0))->setText(field.section('=', 1));
        const auto calculate = [&] {
            byLocator ? window.cmdRaschetKoordinat_Click() : window.cmdRaschetLocator_Click();
        };
        const auto labelled = [&] { return window.map()->mapView->scene().correspondents.at(0).locator; };
        calculate();
        window.mnuMap_Click();
        QCOMPARE(labelled(), label);
        calculate();
        QCOMPARE(labelled(), label);
    }

    // The first time beside the main window, on the side with room, shrunk
    // to it; never over the main window. Once the user has moved it, back
    // where they left it, wherever the main window is.
    void opensBesideTheMainWindow_data()
    {
        QTest::addColumn<bool>("mainOnLeft");
        QTest::newRow("the main window on the left") << true;
        QTest::newRow("the main window on the right") << false;
    }

    void opensBesideTheMainWindow()
    {
        QFETCH(bool, mainOnLeft);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint usersPlace = screen.topLeft() + QPoint(10, 20);
        {
            MapWindow window;
            const int room = window.map.minimumSizeHint().width() + 20;
            QRect main(screen.topLeft() + QPoint(0, 50), QSize(screen.width() - room, 400));
            if (!mainOnLeft)
                main.moveRight(screen.right());
            window.map.placeBeside(main);
            window.map.show();
            const QRect placed = window.map.frameGeometry();
            QVERIFY(screen.contains(placed) && !placed.intersects(main));
            QCOMPARE(placed.left() > main.left(), mainOnLeft);
            window.map.move(usersPlace);
            QTRY_VERIFY(settingsFile().contains("map/geometry"));
        }
        MapWindow window;
        window.map.placeBeside(QRect(screen.topLeft(), QSize(200, 200)));
        window.map.show();
        QCOMPARE(window.map.frameGeometry().topLeft(), usersPlace);
    }

    // Home shows the whole Earth wherever the focus is, but in the search
    // field, which moves its cursor with it.
    void homeShowsTheWholeEarth_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("wholeEarth");
        QTest::newRow("the beam width") << "spnBeam" << true;
        QTest::newRow("the map") << "mapView" << true;
        QTest::newRow("the search") << "txtSearch" << false;
    }

    void homeShowsTheWholeEarth()
    {
        QFETCH(QString, focus);
        QFETCH(bool, wholeEarth);
        MapWindow window;
        window.map.show();
        QVERIFY(QTest::qWaitForWindowActive(&window.map));
        window.map.mapView->scene().radiusKm = 500;
        auto* control = window.map.findChild<QWidget*>(focus);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Home);
        QCOMPARE(window.map.mapView->scene().radiusKm, wholeEarth ? map::RimKm : 500);
    }

    // A correspondent beyond the zoomed view is brought into it, the view
    // widened no more than it needs and never narrowed.
    void zoomsOutToTheCorrespondent_data()
    {
        QTest::addColumn<double>("zoomedKm");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("leastKm");
        QTest::addColumn<double>("mostKm");
        QTest::newRow("beyond the view") << 500.0 << 52.52 << 13.4 << 1610.0 << 1800.0;
        QTest::newRow("within the view") << 2000.0 << 52.52 << 13.4 << 2000.0 << 2000.0;
        QTest::newRow("by the antipode") << 500.0 << -55.0 << -142.0 << map::RimKm << map::RimKm;
    }

    void zoomsOutToTheCorrespondent()
    {
        QFETCH(double, zoomedKm);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, leastKm);
        QFETCH(double, mostKm);
        MapWindow window;
        window.map.mapView->scene().radiusKm = zoomedKm;
        window.map.showCalculation(window.moscow, {latitude, longitude});
        const double radiusKm = window.map.mapView->scene().radiusKm;
        QVERIFY2(radiusKm >= leastKm && radiusKm <= mostKm, qPrintable(QString::number(radiusKm)));
    }

    // After the wheel the status line tells the point now under the mouse,
    // as a move of the mouse there does.
    void wheelTellsThePointUnderTheMouse()
    {
        MapWindow window;
        MapView* view = window.map.mapView;
        window.map.show();
        const QPointF pixel = QRectF(view->rect()).center() + QPointF(view->width() / 4.0, 0);
        const auto moveThere = [&] {
            QMouseEvent move(QEvent::MouseMove, pixel, view->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton, {});
            QApplication::sendEvent(view, &move);
            return window.map.lblStatus->text();
        };
        const QString before = moveThere();
        QWheelEvent wheel(pixel, view->mapToGlobal(pixel), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        const QString after = window.map.lblStatus->text();
        QVERIFY2(after != before, qPrintable(after));
        QVERIFY(view->scene().radiusKm < map::RimKm);  // the wheel away from the user zooms in
        QCOMPARE(after, moveThere());
    }

    // Once a rotator is set up, a right click offers to turn the antenna to
    // the point by its short path's azimuth, and choosing it starts the turn.
    void turnsTheAntennaThere()
    {
        MapWindow window;
        window.session.apply({QStringLiteral("127.0.0.1"), 9, false, true});  // nobody listens on port 9
        MapView* view = window.map.mapView;
        window.map.show();
        const QPoint pixel = pixelOf(view->renderer(), view->rect(), view->scene(), {52.52, 13.40}).toPoint();
        QString offered;
        QTimer::singleShot(0, [&offered] {
            QWidget* menu = QApplication::activePopupWidget();
            offered = menu->findChild<QAction*>("mnuTurnHere")->text();
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, pixel, view->mapToGlobal(pixel));
        QApplication::sendEvent(view, &click);
        QCOMPARE(offered, QStringLiteral("Повернуть антенну сюда (267°)"));
        QCOMPARE(window.session.target(), 267);
    }

    // What the window shows is what the renderer paints for its scene, also
    // after the own station moved: no picture of the old centre kept. A
    // file is titled by the own station; saving and printing ask under
    // titles of their own.
    void showsTheSceneAsItIs()
    {
        MapWindow window;
        MapView* view = window.map.mapView;
        window.map.show();
        (void)view->grab();
        window.map.showCalculation({-41.29, 174.78}, {52.52, 13.40});
        const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage expected(shown.size(), QImage::Format_RGB32);
        QPainter painter(&expected);
        view->renderer().paint(painter, view->rect(), view->scene());
        painter.end();
        // The same but for the letters, which a user's font settings may
        // render apart on a widget and in a picture.
        QRegion letters;
        for (const map::MapLabel& label : view->renderer().labels(view->rect(), view->scene()))
            letters += label.box.toAlignedRect().adjusted(-2, -2, 2, 2);
        int differ = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                differ += shown.pixel(x, y) != expected.pixel(x, y) && !letters.contains(QPoint(x, y));
        QCOMPARE(differ, 0);

        QTemporaryDir folder;
        QCOMPARE(window.map.saveTo(folder.filePath("map.svg")), QString());
        QVERIFY(fileBytes(folder.filePath("map.svg")).contains("<title>RE78JR — 41,290° ю. ш., 174,780° в. д.</title>"));
        for (const auto& [button, title] :
             {std::pair{window.map.cmdSave, "Сохранить карту"}, std::pair{window.map.cmdPrint, "Печать карты"}}) {
            MessageBoxAnswerer answerer;
            button->click();
            QCOMPARE(answerer.seen.value(0).title, QString(title));
        }
    }

    // The night, the prefixes and the beam width as the user left them,
    // the night shown at once; the prefixes on at first, the country file
    // read as the map is shown.
    void keepsTheChoices()
    {
        {
            MapWindow window;
            frmMap& map = window.map;
            // Every control in its row, with its caption.
            QStringList captions;
            for (QAbstractButton* control : map.findChildren<QAbstractButton*>())
                captions << control->text();
            QCOMPARE(captions, (QStringList{"&Весь мир", "Открыть &журнал…", "&Сохранить…", "&Печать…", "&День и ночь",
                                            "П&рефиксы"}));
            QVERIFY(!map.chkNight->isChecked() && map.chkPrefixes->isChecked() && map.mapView->scene().showPrefixes);
            QVERIFY(!map.mapView->scene().countries);
            map.show();
            QVERIFY(map.mapView->scene().countries);
            map.chkNight->click();
            map.chkPrefixes->click();
            map.spnBeam->setValue(45);
        }
        MapWindow window;
        const map::MapScene& scene = window.map.mapView->scene();
        QVERIFY(window.map.chkNight->isChecked() && scene.nightAt);
        QVERIFY(!window.map.chkPrefixes->isChecked() && !scene.showPrefixes);
        QCOMPARE(window.map.spnBeam->value(), 45);
        QCOMPARE(scene.beamWidth, 45.0);
    }
};

QTEST_MAIN(TestMapWindow)
#include "test_map_window.moc"
