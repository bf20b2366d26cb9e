#include "geodesy/long_path.h"
#include "geodesy/messages.h"
#include "geodesy/station.h"

#include "texts.h"

#include <QtTest>

using namespace geodesy;

class TestStation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Bit for bit the window's decoding, refusals and words included.
    void sixCharactersAreTheWindows_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"KO85TS", "jo62qm", "AA00AA", "RR99XX", "FN20XR", "KO8XTS", "SO85TS", "KS85TS", "KO85T "})
            QTest::newRow(text) << text;
    }

    void sixCharactersAreTheWindows()
    {
        QFETCH(QString, text);
        const auto station = readStation(text.toStdString());
        const LocatorDecoding core = decodeLocator(text.toStdString());
        if (const auto* failure = std::get_if<LocatorFailure>(&core.result)) {
            QCOMPARE(qs(message(std::get<StationFailure>(station))), qs(message(*failure)));
            return;
        }
        const auto& centre = std::get<DecodedLocator>(core.result);
        QVERIFY(std::get<Position>(station).latitude == centre.latitude);
        QVERIFY(std::get<Position>(station).longitude == centre.longitude);
    }

    // Centres of the smallest square, at the edges of the map.
    void centres_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        const double step10 = 1.0 / 1036800;  // half the last square, in turns of 180 degrees
        QTest::newRow("field") << "jo" << 55.0 << 10.0;
        QTest::newRow("south pole, antimeridian") << "AA" << -85.0 << -170.0;
        QTest::newRow("north pole, antimeridian") << "RR99" << 89.5 << 179.0;
        QTest::newRow("west edge of a subsquare") << "KO85TS00" << 55.75 + 1.0 / 480 << 37.625 - 1.0 / 24 + 1.0 / 240;
        QTest::newRow("east edge of a subsquare") << "KO85TS99" << 55.75 + 19.0 / 480 << 37.625 + 1.0 / 24 - 1.0 / 240;
        QTest::newRow("south-west corner") << "AA00AA00AA" << -90 + 90 * step10 << -180 + 180 * step10;
        QTest::newRow("north-east corner") << "rr99xx99xx" << 90 - 90 * step10 << 180 - 180 * step10;
        QTest::newRow("origin") << "JJ00AA00AA" << 90 * step10 << 180 * step10;
        QTest::newRow("degrees") << "-33.9,18.4" << -33.9 << 18.4;
        QTest::newRow("degrees at the bounds") << "90,-180" << 90.0 << -180.0;
    }

    void centres()
    {
        QFETCH(QString, text);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const Position position = std::get<Position>(readStation(text.toStdString()));
        QCOMPARE(position.latitude, latitude);
        QCOMPARE(position.longitude, longitude);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString length = "Локатор должен состоять из 2, 4, 6, 8 или 10 символов.";
        const QString characters = qs(message(GridFailure::WrongCharacters));
        QTest::newRow("five") << "KO85T" << length;
        QTest::newRow("digit for a field letter") << "K085" << characters;
        QTest::newRow("letters for digits 7-8") << "KO85TSAB" << characters;
        QTest::newRow("Y in 9-10") << "KO85TS27YA" << characters;
        QTest::newRow("Cyrillic") << "КО85" << characters;
        QTest::newRow("north beyond R") << "KS85" << qs(message(GridFailure::LatitudeOutOfRange));
        QTest::newRow("both beyond R: latitude first") << "SS" << qs(message(GridFailure::LatitudeOutOfRange));
        QTest::newRow("east beyond R") << "SO" << qs(message(GridFailure::LongitudeOutOfRange));
        QTest::newRow("not degrees") << "55,5,37" << qs(message(DegreesFailure::NotDegrees));
        QTest::newRow("latitude beyond 90") << "90.1,0" << "Широта не может быть меньше -90 град. и больше 90 град.";
        QTest::newRow("longitude beyond 180") << "0,-180.5" << "Долгота не может быть меньше -180 град. и больше 180 град.";
    }

    void refusals()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QCOMPARE(qs(geodesy::message(std::get<StationFailure>(readStation(text.toStdString())))), message);
    }

    // The long path turns the direct azimuth round: 180 gives 0, not 360.
    void longPath()
    {
        const LongPath workedExample = geodesy::longPath(267, 1611);
        QCOMPARE(workedExample.distanceKm, 38419.0);
        QCOMPARE(int(workedExample.azimuth), 87);
        QCOMPARE(int(geodesy::longPath(180, 10).azimuth), 0);
        QCOMPARE(int(geodesy::longPath(360, 20010).azimuth), 180);
    }
};

QTEST_APPLESS_MAIN(TestStation)
#include "test_station.moc"
