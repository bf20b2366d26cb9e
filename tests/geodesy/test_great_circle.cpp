#include "geodesy/great_circle.h"
#include "geodesy/locator.h"
#include "geodesy/position.h"

#include "texts.h"

#include <QtTest>

using namespace geodesy;

namespace {

GreatCircle between(const Position& own, const Position& kor)
{
    return greatCircle(toRadians(own.latitude), toRadians(own.longitude), toRadians(kor.latitude),
                       toRadians(kor.longitude));
}

Position centreOf(const char* locator)
{
    const DecodedLocator centre = std::get<DecodedLocator>(decodeLocator(locator).result);
    return {centre.latitude, centre.longitude};
}

} // namespace

class TestGreatCircle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void betweenLocators_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("kor");
        QTest::addColumn<int>("push");
        QTest::addColumn<int>("pull");
        QTest::addColumn<double>("distance");
        QTest::newRow("worked example") << "KO85TS" << "JO62QM" << 267 << 87 << 1611.0;
        QTest::newRow("stations swapped") << "JO62QM" << "KO85TS" << 67 << 247 << 1611.0;
        QTest::newRow("across the Atlantic") << "KO85TS" << "FN20XR" << 310 << 130 << 7510.0;
        QTest::newRow("corner to corner, 360 not 0") << "AA00AA" << "RR99XX" << 360 << 180 << 20010.0;
        QTest::newRow("opposite centres") << "KO85TS" << "BD84TF" << 90 << 270 << 20015.0;
    }

    void betweenLocators()
    {
        QFETCH(QString, own);
        QFETCH(QString, kor);
        QFETCH(int, push);
        QFETCH(int, pull);
        QFETCH(double, distance);
        const GreatCircle circle =
            between(centreOf(own.toLatin1().constData()), centreOf(kor.toLatin1().constData()));
        QCOMPARE(int(circle.azimutPush), push);
        QCOMPARE(int(circle.azimutPull), pull);
        QVERIFY(circle.distanceKm);
        QCOMPARE(*circle.distanceKm, distance);
    }

    void alongMeridiansAndEquator_data()
    {
        QTest::addColumn<double>("ownLatitude");
        QTest::addColumn<double>("ownLongitude");
        QTest::addColumn<double>("korLatitude");
        QTest::addColumn<double>("korLongitude");
        QTest::addColumn<int>("push");
        QTest::addColumn<int>("pull");
        QTest::newRow("due north") << 50.0 << 30.0 << 60.0 << 30.0 << 0 << 180;
        QTest::newRow("due south") << 50.0 << 30.0 << 40.0 << 30.0 << 180 << 360;
        QTest::newRow("due east on the equator") << 0.0 << 10.0 << 0.0 << 40.0 << 90 << 270;
        QTest::newRow("due west on the equator") << 0.0 << 10.0 << 0.0 << -20.0 << 270 << 90;
    }

    void alongMeridiansAndEquator()
    {
        QFETCH(double, ownLatitude);
        QFETCH(double, ownLongitude);
        QFETCH(double, korLatitude);
        QFETCH(double, korLongitude);
        QFETCH(int, push);
        QFETCH(int, pull);
        const GreatCircle circle = between({ownLatitude, ownLongitude}, {korLatitude, korLongitude});
        QCOMPARE(int(circle.azimutPush), push);
        QCOMPARE(int(circle.azimutPull), pull);
    }

    // The azimuths are set even when the distance cannot be computed.
    void coincidentPointsFail()
    {
        const Position own = centreOf("KO85TS");
        const GreatCircle circle = between(own, own);
        QVERIFY(!circle.distanceKm);
        QCOMPARE(int(circle.azimutPull), int(circle.azimutPush) + 180);
    }

    // The correspondent is shown after its trip to radians and back.
    void roundTripKeepsTheShownSeconds()
    {
        const Position kor = centreOf("JO62QM");
        const CoordinateParts longitude = splitCoordinate(toDegrees(toRadians(kor.longitude)));
        const CoordinateParts latitude = splitCoordinate(toDegrees(toRadians(kor.latitude)));
        QCOMPARE((QStringList{qs(longitude.degrees.view()), qs(longitude.minutes.view()), qs(longitude.seconds.view()),
                              qs(latitude.degrees.view()), qs(latitude.minutes.view()), qs(latitude.seconds.view())}),
                 (QStringList{"13", "22", "30", "52", "31", "15"}));
    }

    void formsTheLabelTexts_data()
    {
        QTest::addColumn<int>("push");
        QTest::addColumn<int>("pull");
        QTest::addColumn<double>("distance");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("worked example") << 267 << 87 << 1611.0
                                        << QStringList{" АЗИМУТ прямой:      267 град.",
                                                       " АЗИМУТ обратный:  87 град.", " ДАЛЬНОСТЬ:  1611 км"};
        QTest::newRow("zeros") << 0 << 180 << 0.0
                               << QStringList{" АЗИМУТ прямой:      0 град.", " АЗИМУТ обратный:  180 град.",
                                              " ДАЛЬНОСТЬ:  0 км"};
        QTest::newRow("negative takes the blank") << -5 << 175 << 20015.0
                                                  << QStringList{" АЗИМУТ прямой:     -5 град.",
                                                                 " АЗИМУТ обратный:  175 град.",
                                                                 " ДАЛЬНОСТЬ:  20015 км"};
    }

    void formsTheLabelTexts()
    {
        QFETCH(int, push);
        QFETCH(int, pull);
        QFETCH(double, distance);
        QFETCH(QStringList, texts);
        const ResultTexts result = resultTexts(std::int16_t(push), std::int16_t(pull), distance);
        QCOMPARE((QStringList{qs(result.azimutPush.view()), qs(result.azimutPull.view()), qs(result.dalnost.view())}),
                 texts);
    }
};

QTEST_APPLESS_MAIN(TestGreatCircle)
#include "test_great_circle.moc"
