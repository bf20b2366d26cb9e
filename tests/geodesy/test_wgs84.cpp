#include "geodesy/wgs84.h"

#include "texts.h"

#include <QtTest>

using namespace geodesy;

namespace {

double dms(double degrees, double minutes, double seconds) { return degrees + minutes / 60 + seconds / 3600; }

} // namespace

class TestWgs84 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Published figures, each to the precision its source gives: from
    // (lat1, lon1) to (lat2, lon2), the distance in km, the azimuth at the
    // start and the one from the end back to the start.
    void publishedExamples_data()
    {
        QTest::addColumn<QList<double>>("points");
        QTest::addColumn<QList<double>>("expected");
        QTest::addColumn<double>("degreesTolerance");
        // GeodSolve's manual page: JFK to Changi, -p 0 (metres, 0.1").
        QTest::newRow("JFK to Singapore")
            << QList<double>{dms(40, 38, 23), -dms(73, 46, 44), dms(1, 21, 33), dms(103, 59, 22)}
            << QList<double>{15347.628, dms(3, 18, 29.9), dms(177, 29, 9.2) + 180} << 5e-5;
        // Vincenty's test line, Flinders Peak to Buninyong (GRS80, which
        // differs from WGS-84 by far less than the digits given).
        QTest::newRow("Flinders Peak to Buninyong")
            << QList<double>{-dms(37, 57, 3.72030), dms(144, 25, 29.52440), -dms(37, 39, 10.15610),
                             dms(143, 55, 35.38390)}
            << QList<double>{54.972271, dms(306, 52, 5.37), dms(127, 10, 25.07)} << 5e-6;
    }

    void publishedExamples()
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

    void wholeDegreesWrapAt360()
    {
        QCOMPARE(wholeDegrees(359.5), 0);
        QCOMPARE(wholeDegrees(66.6), 67);
    }
};

QTEST_APPLESS_MAIN(TestWgs84)
#include "test_wgs84.moc"
