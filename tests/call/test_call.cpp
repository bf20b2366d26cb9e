// «Позывной…»: F7 and the compass menu open it beside the main window; as a
// call is typed it tells the country, both paths from the own station, the
// time and the Sun there, and turns the antenna or shows the map.

#include "settings/settings_file.h"
#include "call/call_result.h"
#include "call/frmCall.h"
#include "tests/call/call_fixture.h"
#include "tests/file_bytes.h"
#include "map_window/frmMap.h"
#include "map_window/map_view.h"
#include "window/rotator_control.h"

#include <QLabel>
#include <QMenu>
#include <QSettings>

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

} // namespace

class TestCall : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { pinLook(); }
    void init() { settingsFile().clear(); }

    // Each call's country and both paths from the own coordinates, or from
    // the own locator when none are typed; the words for what has none; the
    // buttons (short, long, map: 1 enabled) with no rotator set up. The main
    // window's fields stay as they were, the country file is read only once
    // a call is typed.
    void shows_data()
    {
        QTest::addColumn<QString>("own");  // coordinates, or else a locator
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("entity");
        QTest::addColumn<QString>("paths");  // short and long: azimuth, km; or why there are none
        QTest::addColumn<QString>("buttons");
        const QString japan = "JA1ABC — Япония (AS, CQ 25, ITU 45)";
        QTest::newRow("Japan from the own locator") << "KO85TS" << "JA1ABC" << japan << "60 7343 240 32687" << "001";
        QTest::newRow("typed on the Russian layout by mistake") << Moscow << "ОФ1ФИС" << japan << "60 7343 240 32687" << "001";
        QTest::newRow("no digit") << Moscow << "ABC"
                                  << "Это не позывной: позывной состоит из букв и цифр, хотя бы одной, с «/» между частями" << ""
                                  << "000";
        QTest::newRow("at the country's point") << "36 24 0 138 22 48" << "JA1ABC" << japan
                                                << "Своя станция стоит в точке этой страны: направления нет" << "000";
        QTest::newRow("no own station")
            << "" << "JA1ABC" << japan << "Своя станция не задана: введите в главном окне свои координаты или локатор."
            << "000";
        QTest::newRow("own minutes beyond 60")
            << "55 61 0 37 37 30" << "JA1ABC" << japan
            << "Свои координаты в главном окне неверны: Минута или секунда не может быть больше 60." << "000";
    }
    void shows()
    {
        QFETCH(QString, own);
        QFETCH(QString, call);
        QFETCH(QString, entity);
        QFETCH(QString, paths);
        auto window = openWindow();
        typeOwnStation(*window, own.contains(' ') ? own : QString());
        window->txtMyLocator->setText(own.contains(' ') ? QString() : own);
        const QStringList before = mainWindowTexts(*window);
        frmCall* form = openCall(*window);
        QVERIFY(form && form->isVisible());
        QCOMPARE(QApplication::focusWidget(), form->txtCall);
        QVERIFY(!window->countries.asked());
        typeCall(*form, call);
        QCOMPARE(form->txtCall->text(), form->txtCall->text().toUpper());
        QVERIFY(window->countries.asked());
        const QStringList figures = paths.split(' ');
        QCOMPARE(lines(*form), (figures.size() == 4
                                    ? QStringList{entity, QString("Короткий путь: азимут %1°, %2 км").arg(figures[0], figures[1]),
                                                  QString("Длинный путь: азимут %1°, %2 км").arg(figures[2], figures[3])}
                                    : QStringList{entity, paths, ""}));
        QTEST(enabled(*form), "buttons");
        QCOMPARE(form->lblVersion->text(), QStringLiteral("Файл стран от 02.05.2023"));
        QCOMPARE(mainWindowTexts(*window), before);
    }

    // The clock and the Sun at the country's point, for a fixed instant;
    // rise and set on its UTC day.
    void timeAndSun_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("sun");
        QTest::newRow("India") << "VU2ABC" << "2024-06-01T12:47:10Z" << "Местное время 18:17 (UTC+5:30)"
                               << "Восход 00:04 UTC, заход 13:30 UTC";
        QTest::newRow("Svalbard, summer") << "JW5X" << "2024-06-21T00:10:00Z" << "Местное время 01:10 (UTC+1)"
                                          << "Полярный день: солнце не заходит";
        QTest::newRow("Svalbard, winter") << "JW5X" << "2024-12-21T23:59:00Z" << "Местное время 00:59 (UTC+1)"
                                          << "Полярная ночь: солнце не восходит";
    }
    void timeAndSun()
    {
        QFETCH(QString, call);
        QFETCH(QString, now);
        dxcc::CountrySource countries;
        const CallResult result = lookUpCall(countries, call, QString("нет"), QDateTime::fromString(now, Qt::ISODate));
        QTEST(result.localTime, "time");
        QTEST(result.sun, "sun");
    }

    // F7 and the menu raise the one window, not modal, its call selected for
    // the next. The antenna's buttons wait for a rotator the user has set
    // up, and for figures; the map's, for figures. The map then shows the
    // country's point from the own station.
    void oneWindowAndItsButtons()
    {
        auto window = openWindow();
        typeOwnStation(*window, Moscow);
        frmCall* form = openCall(*window);
        QCOMPARE(enabled(*form), "000");
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

        rotator::RotatorSettings settings = window->rotator->session().settings();
        settings.chosen = true;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = 9;  // nothing listens: the turn fails and is told
        window->rotator->session().apply(settings);
        typeCall(*form, "JA1ABC");
        QCOMPARE(enabled(*form), "111");
        for (const auto& [button, azimuth] : {std::pair{form->cmdShort, 60}, std::pair{form->cmdLong, 240}}) {
            MessageBoxAnswerer answerer;
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(window->rotator->session().target(), azimuth);
            QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 10000);
            QCOMPARE(answerer.seen[0].title, QStringLiteral("Ошибка"));
            QVERIFY(answerer.seen[0].text.startsWith("Антенна не повернута.\n\nНет соединения с rotctld на 127.0.0.1:9."));
        }
        typeCall(*form, "W1AW/MM");
        QCOMPARE(enabled(*form), "000");

        typeCall(*form, "JA1ABC");
        QTest::mouseClick(form->cmdMap, Qt::LeftButton);
        QVERIFY(window->map() && window->map()->isVisible());
        const map::MapScene& scene = window->map()->mapView->scene();
        QCOMPARE(scene.correspondents.at(0).position.latitude, 36.4);  // cty.dat's Japan
        QCOMPARE(scene.correspondents.at(0).position.longitude, 138.38);
        QCOMPARE(scene.own.locator, QStringLiteral("KO85TS"));

        // Its access keys, in either layout: the field's caption, both
        // turns and the map.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        int found = 0;
        pressEachAccessKey(form, found);
        QCOMPARE(found, 4);
    }

    // A country file that cannot be used is told in the window.
    void brokenCountryFile()
    {
        const QString path = QString::fromStdString(dxcc::userCountryFile());
        writeFile(path, "Japan: 25: 45: AS\n");
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
