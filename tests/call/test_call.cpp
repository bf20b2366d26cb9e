// «Позывной…»: F7 and the compass menu open it beside the main window; as a
// call is typed it tells the country, both paths from the own station, the
// time and the Sun there, and turns the antenna or shows the map.

#include "call/call_result.h"
#include "call/frmCall.h"
#include "dxcc/entity_texts.h"
#include "geodesy/pair_figures.h"
#include "geodesy/sun.h"
#include "tests/call/call_fixture.h"
#include "window/frmMap.h"
#include "window/map_view.h"
#include "window/rotator_control.h"

#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTimeZone>

namespace {

const QString Moscow = QStringLiteral("55 46 15 37 37 30");  // KO85TS's centre

frmCall* openCall(frmRaschet& window)
{
    QTest::keyClick(&window, Qt::Key_F7);
    auto* call = window.findChild<frmCall*>();
    (void)QTest::qWaitFor([call] { return call && QApplication::activeWindow() == call; });
    return call;
}

// The call typed afresh, key by key.
void typeCall(frmCall& call, const QString& text)
{
    call.txtCall->clear();
    type(call.txtCall, text);
}

QStringList lines(const frmCall& call)
{
    return {call.lblEntity->text(), call.lblShort->text(), call.lblLong->text()};
}

QString enabled(const frmCall& call)
{
    return QString("%1%2%3").arg(call.cmdShort->isEnabled()).arg(call.cmdLong->isEnabled()).arg(call.cmdMap->isEnabled());
}

// Everything the main window shows a user.
QStringList mainWindowTexts(const frmRaschet& window)
{
    QStringList texts;
    for (const QLineEdit* field : window.ring)
        texts << field->text();
    return texts << window.lblAzimutPush->text() << window.lblAzimutPull->text() << window.lblDalnost->text();
}

QDateTime utc(const char* text)
{
    QDateTime time = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
    time.setTimeZone(QTimeZone::utc());
    return time;
}

} // namespace

class TestCall : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { pinLook(); }
    void init() { QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear(); }

    // Each call's country and both paths, by the program's figures from the
    // own station to the country's point; the main window's fields as they
    // were, the country file read only once a call is typed.
    void figures_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("entity");
        QTest::newRow("Japan from Moscow") << Moscow << "ja1abc" << "Япония (AS, CQ 25, ITU 45)";
        QTest::newRow("USA from Moscow") << Moscow << "W1AW" << "США (NA, CQ 5, ITU 8)";
        QTest::newRow("Australia, portable") << Moscow << "VK2ABC/P" << "Австралия (OC, CQ 30, ITU 59)";
        QTest::newRow("Japan from the south") << "-33 52 0 151 12 0" << "JA1ABC" << "Япония (AS, CQ 25, ITU 45)";
    }
    void figures()
    {
        QFETCH(QString, own);
        QFETCH(QString, call);
        QFETCH(QString, entity);
        auto window = openWindow();
        typeOwnStation(*window, own);
        const QStringList before = mainWindowTexts(*window);
        frmCall* form = openCall(*window);
        QVERIFY(form && form->isVisible());
        QCOMPARE(QApplication::focusWidget(), form->txtCall);
        QVERIFY(!window->countries.asked());
        typeCall(*form, call);
        QVERIFY(window->countries.asked());

        const geodesy::Position place = entityOf(call.toUpper().toLatin1()).values.position;
        const geodesy::Position from = std::get<geodesy::Position>(readPosition(
            {window->txtH1G, window->txtH1M, window->txtH1S, window->txtD1G, window->txtD1M, window->txtD1S}));
        const geodesy::PairFigures figures = geodesy::pairFigures(from, place, false);
        QCOMPARE(lines(*form), (QStringList{entity,
                                            QString("Короткий путь: азимут %1°, %2 км")
                                                .arg(figures.shortPath.azimutPush % 360)
                                                .arg(qlonglong(*figures.shortPath.distanceKm)),
                                            QString("Длинный путь: азимут %1°, %2 км")
                                                .arg(figures.longPath->azimuth)
                                                .arg(qlonglong(figures.longPath->distanceKm))}));
        QCOMPARE(form->lblVersion->text(), QStringLiteral("Файл стран от 02.05.2023"));
        QCOMPARE(mainWindowTexts(*window), before);
    }

    // The figures the ham knows by heart, and the words for what has none.
    void words_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("buttons");  // short, long, map: 1 enabled
        QTest::newRow("Japan") << Moscow << "JA1ABC"
                               << QStringList{"Япония (AS, CQ 25, ITU 45)", "Короткий путь: азимут 60°, 7343 км",
                                              "Длинный путь: азимут 240°, 32687 км"} << "001";
        QTest::newRow("at sea") << Moscow << "W1AW/MM"
                                << QStringList{"Станция в море или в воздухе (/MM, /AM): страны у неё нет", "", ""}
                                << "000";
        QTest::newRow("no digit")
            << Moscow << "ABC"
            << QStringList{"Это не позывной: в позывном есть цифра, а кроме букв, цифр и «/» ничего нет", "", ""}
            << "000";
        QTest::newRow("no entity") << Moscow << "Q1ABC"
                                   << QStringList{"Ни один префикс файла стран не подходит к этому позывному", "", ""}
                                   << "000";
        QTest::newRow("at the country's point")
            << "36 24 0 138 22 48" << "JA1ABC"
            << QStringList{"Япония (AS, CQ 25, ITU 45)", "Своя станция стоит в точке этой страны: направления нет", ""}
            << "000";
        QTest::newRow("no own station")
            << "" << "JA1ABC"
            << QStringList{"Япония (AS, CQ 25, ITU 45)",
                           "Своя станция не задана: введите в главном окне свои координаты или локатор.", ""}
            << "000";
        QTest::newRow("own minutes beyond 60")
            << "55 61 0 37 37 30" << "JA1ABC"
            << QStringList{"Япония (AS, CQ 25, ITU 45)",
                           "Свои координаты в главном окне неверны: Минута или секунда не может быть больше 60.", ""}
            << "000";
    }
    void words()
    {
        QFETCH(QString, own);
        QFETCH(QString, call);
        QFETCH(QStringList, shown);
        QFETCH(QString, buttons);
        auto window = openWindow();
        typeOwnStation(*window, own);
        window->txtMyLocator->clear();
        const QStringList before = mainWindowTexts(*window);
        frmCall* form = openCall(*window);
        typeCall(*form, call);
        QCOMPARE(lines(*form), shown);
        QCOMPARE(enabled(*form), buttons);
        QCOMPARE(mainWindowTexts(*window), before);
    }

    // With no coordinates typed, the own locator's centre.
    void ownLocator()
    {
        auto window = openWindow();
        typeOwnStation(*window, "");
        window->txtMyLocator->setText("KO85TS");
        typeCall(*openCall(*window), "JA1ABC");
        QCOMPARE(window->findChild<QLabel*>("lblShort")->text(), "Короткий путь: азимут 60°, 7343 км");
    }

    // The clock and the Sun there, for a fixed instant.
    void timeAndSun_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("sun");
        QTest::newRow("Japan") << "JA1ABC" << "2024-06-01T12:47:10" << "Местное время 21:47 (UTC+9)" << "";
        QTest::newRow("India") << "VU2ABC" << "2024-06-01T12:47:10" << "Местное время 18:17 (UTC+5:30)" << "";
        QTest::newRow("Svalbard, summer") << "JW5X" << "2024-06-21T00:10:00" << "Местное время 01:10 (UTC+1)"
                                          << "Полярный день: солнце не заходит";
        QTest::newRow("Svalbard, winter") << "JW5X" << "2024-12-21T23:59:00" << "Местное время 00:59 (UTC+1)"
                                          << "Полярная ночь: солнце не восходит";
    }
    void timeAndSun()
    {
        QFETCH(QString, call);
        QFETCH(QString, now);
        QFETCH(QString, time);
        QFETCH(QString, sun);
        dxcc::CountrySource countries;
        const QDateTime instant = utc(now.toLatin1());
        const CallResult result = lookUpCall(countries, call, QString("нет"), instant);
        QCOMPARE(result.localTime, time);
        if (sun.isEmpty()) {
            // Rise and set on the UTC day, to the minute.
            const geodesy::SunDay day = geodesy::sunDay(entityOf(call.toLatin1()).values.position,
                                                        double(utc(now.left(10).toLatin1() + "T00:00:00").toSecsSinceEpoch()));
            const auto hhmm = [](double s) {
                return QDateTime::fromSecsSinceEpoch(qint64(std::llround(s)), QTimeZone::utc()).toString("HH:mm");
            };
            sun = QString("Восход %1 UTC, заход %2 UTC").arg(hhmm(*day.sunrise), hhmm(*day.sunset));
        }
        QCOMPARE(result.sun, sun);
    }

    // F7 and the menu raise the one window, its call selected for the
    // next; it stays open beside the main window, which goes on working.
    void oneWindowBeside()
    {
        auto window = openWindow();
        typeOwnStation(*window, Moscow);
        frmCall* form = openCall(*window);
        typeCall(*form, "JA1ABC");
        QVERIFY(!form->isModal());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Q_EMIT window->picCompas->customContextMenuRequested(QPoint(50, 50));
        QCOMPARE(window->rotator->mnuCall->text(), QStringLiteral("Позывной…\tF7"));
        window->rotator->mnuCompas->close();
        window->rotator->mnuCall->trigger();
        QCOMPARE(window->findChildren<frmCall*>().size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), form);
        QCOMPARE(form->txtCall->selectedText(), QStringLiteral("JA1ABC"));
        QVERIFY(form->isVisible() && window->isVisible());
    }

    // The antenna's buttons wait for a rotator the user has set up; the
    // map's, for figures. The map then shows the country's point from the
    // own station.
    void buttons()
    {
        auto window = openWindow();
        typeOwnStation(*window, Moscow);
        frmCall* form = openCall(*window);
        QCOMPARE(enabled(*form), "000");
        typeCall(*form, "JA1ABC");
        QCOMPARE(enabled(*form), "001");

        rotator::RotatorSettings settings = window->rotator->session().settings();
        settings.chosen = true;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = 9;  // nothing listens: the turn fails and is told
        window->rotator->session().apply(settings);
        typeCall(*form, "JA1ABC");
        QCOMPARE(enabled(*form), "111");
        {
            MessageBoxAnswerer answerer;
            QTest::mouseClick(form->cmdLong, Qt::LeftButton);
            QVERIFY(window->rotator->session().isTurning());
            QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 10000);
        }
        typeCall(*form, "W1AW/MM");
        QCOMPARE(enabled(*form), "000");

        typeCall(*form, "JA1ABC");
        QTest::mouseClick(form->cmdMap, Qt::LeftButton);
        QVERIFY(window->map() && window->map()->isVisible());
        const map::MapScene& scene = window->map()->mapView->scene();
        const geodesy::Position japan = entityOf("JA1ABC").values.position;
        QCOMPARE(scene.correspondents.at(0).position.latitude, japan.latitude);
        QCOMPARE(scene.correspondents.at(0).position.longitude, japan.longitude);
        QCOMPARE(scene.own.locator, QStringLiteral("KO85TS"));
    }

    // A country file that cannot be used is told in the window.
    void brokenCountryFile()
    {
        const QString path = QString::fromStdString(dxcc::userCountryFile());
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile broken(path);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("Japan: 25: 45: AS\n") > 0);
        broken.close();
        auto window = openWindow();
        typeOwnStation(*window, Moscow);
        frmCall* form = openCall(*window);
        typeCall(*form, "JA1ABC");
        QFile::remove(path);
        QVERIFY2(form->lblEntity->text().startsWith(QStringLiteral("Файл стран «") + path + "», строка 1: "),
                 qPrintable(form->lblEntity->text()));
        QCOMPARE(enabled(*form), "000");
    }
};

QTEST_MAIN(TestCall)
#include "test_call.moc"
