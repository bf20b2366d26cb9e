#include "geodesy/great_circle.h"
#include "geodesy/long_path.h"
#include "geodesy/station.h"
#include "geodesy/wgs84.h"

#include "texts.h"

#include <QtTest>

using namespace geodesy;

// Distance and azimuths on the program's sphere, the long path, the label
// texts, and the WGS-84 ellipsoid against published figures.
class TestGreatCircle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Direct and reverse azimuth, distance; then the long path's azimuth and
    // distance. Stations as locators or "LAT,LON".
    void paths_data()
    {
        QTest::addColumn<QString>("stations");
        QTest::addColumn<QString>("expected");
        QTest::newRow("worked example") << "KO85TS JO62QM" << "267° 87° 1611 km, long 87° 38419 km";
        QTest::newRow("stations swapped") << "JO62QM KO85TS" << "67° 247° 1611 km, long 247° 38419 km";
        QTest::newRow("across the Atlantic") << "KO85TS FN20XR" << "310° 130° 7510 km, long 130° 32520 km";
        QTest::newRow("corner to corner, 360 not 0") << "AA00AA RR99XX" << "360° 180° 20010 km, long 180° 20020 km";
        QTest::newRow("opposite centres") << "KO85TS BD84TF" << "90° 270° 20015 km, long 270° 20015 km";
        QTest::newRow("due south: long path 0 not 360") << "50,30 40,30" << "180° 360° 1112 km, long 0° 38918 km";
        QTest::newRow("due east on the equator") << "0,10 0,40" << "90° 270° 3336 km, long 270° 36694 km";
        QTest::newRow("due west on the equator") << "0,10 0,-20" << "270° 90° 3336 km, long 90° 36694 km";
        // The azimuths are set even when the distance cannot be computed.
        QTest::newRow("coincident points") << "KO85TS KO85TS" << "0° 180° no distance";
    }

    void paths()
    {
        QFETCH(QString, stations);
        QFETCH(QString, expected);
        const Position a = std::get<Position>(readStation(stations.section(' ', 0, 0).toStdString()));
        const Position b = std::get<Position>(readStation(stations.section(' ', 1, 1).toStdString()));
        const GreatCircle circle = greatCircle(toRadians(a.latitude), toRadians(a.longitude),
                                               toRadians(b.latitude), toRadians(b.longitude));
        const LongPath way = longPath(circle.azimutPush, circle.distanceKm.value_or(0));
        const QString found = QString("%1° %2° ").arg(circle.azimutPush).arg(circle.azimutPull)
            + (circle.distanceKm
                   ? QString("%1 km, long %2° %3 km").arg(*circle.distanceKm).arg(way.azimuth).arg(way.distanceKm)
                   : "no distance");
        QCOMPARE(found, expected);
    }

    // A number reads with a leading blank, or its minus sign.
    void formsTheLabelTexts()
    {
        const ResultTexts r = resultTexts(-5, 0, 1611);
        QCOMPARE(qs(r.azimutPush.view()) + '|' + qs(r.azimutPull.view()) + '|' + qs(r.dalnost.view()),
                 " АЗИМУТ прямой:     -5 град.| АЗИМУТ обратный:  0 град.| ДАЛЬНОСТЬ:  1611 км");
    }

    // Published figures, each to the precision its source gives: from
    // (lat1, lon1) to (lat2, lon2), the distance in km, the azimuth at the
    // start and the one from the end back to the start.
    void wgs84PublishedExamples_data()
    {
        QTest::addColumn<QList<double>>("points");
        QTest::addColumn<QList<double>>("expected");
        QTest::addColumn<double>("degreesTolerance");
        const auto dms = [](double d, double m, double s) { return d + m / 60 + s / 3600; };
        // GeodSolve's manual page: JFK to Changi, -p 0 (metres, 0.1").
        QTest::newRow("JFK to Singapore")
            << QList<double>{dms(40, 38, 23), -dms(73, 46, 44), dms(1, 21, 33), dms(103, 59, 22)}
            << QList<double>{15347.628, dms(3, 18, 29.9), dms(177, 29, 9.2) + 180} << 5e-5;
        // Vincenty's test line, Flinders Peak to Buninyong (GRS80, which
        // differs from WGS-84 by far less than the digits given).
        QTest::newRow("Flinders Peak to Buninyong")
            << QList<double>{-dms(37, 57, 3.7203), dms(144, 25, 29.5244), -dms(37, 39, 10.1561), dms(143, 55, 35.3839)}
            << QList<double>{54.972271, dms(306, 52, 5.37), dms(127, 10, 25.07)} << 5e-6;
    }

    void wgs84PublishedExamples()
    {
        QFETCH(QList<double>, points);
        QFETCH(QList<double>, expected);
        QFETCH(double, degreesTolerance);
        const Wgs84Path path = wgs84Path({points[0], points[1]}, {points[2], points[3]});
        const QList<double> found{path.distanceKm, path.azimuth, path.reverseAzimuth};
        for (qsizetype i = 0; i < found.size(); ++i)
            QVERIFY2(std::abs(found[i] - expected[i]) < (i == 0 ? 0.0006 : degreesTolerance),
                     qPrintable(QString::number(found[i], 'f', 6)));
    }

    // The worked example's long path and ellipsoid figures, as shown beside
    // the result labels; 359.5 and above read 0.
    void formsThePathTexts()
    {
        const Wgs84Path wgs84 = wgs84Path({55 + 18.5 / 24, 37.625}, {52 + 12.5 / 24, 13.375});
        const PathTexts texts = pathTexts(longPath(267, 1611), wgs84);
        QCOMPARE((QStringList{qs(texts.azimutPush.view()), qs(texts.azimutPull.view()), qs(texts.dalnost.view())}),
                 (QStringList{"Длинный путь: 87 град.\nWGS-84: 267 град.", "WGS-84: 67 град.\nот корреспондента на вас",
                              "Длинный путь: 38419 км\nWGS-84: 1616.4 км"}));
        QCOMPARE(wholeDegrees(359.5), 0);
        QCOMPARE(wholeDegrees(66.6), 67);
    }
};

QTEST_APPLESS_MAIN(TestGreatCircle)
#include "test_great_circle.moc"
