#include "geodesy/messages.h"
#include "geodesy/number.h"
#include "geodesy/position.h"

#include "texts.h"

#include <QtTest>

#include <limits>

using namespace geodesy;

Q_DECLARE_METATYPE(geodesy::PositionFailure)

class TestPosition : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numberTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("plain") << "55" << true << 55.0;
        QTest::newRow("blanks around") << "  55 " << true << 55.0;
        QTest::newRow("sign, fraction, exponent") << "-12.5E1" << true << -125.0;
        QTest::newRow("plus sign") << "+5" << true << 5.0;
        QTest::newRow("fraction only") << ".5" << true << 0.5;
        QTest::newRow("trailing point") << "5." << true << 5.0;
        QTest::newRow("small e") << "1e3" << true << 1000.0;
        QTest::newRow("minus zero") << "-0" << true << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks") << "   " << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("number then letters") << "12abc" << false << 12.0;
        QTest::newRow("comma") << "30,5" << false << 30.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("point alone") << "." << false << 0.0;
        QTest::newRow("exponent without digits") << "5E" << false << 5.0;
        QTest::newRow("blank inside") << "1 2" << false << 1.0;
        QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
        QTest::newRow("infinity word") << "inf" << false << 0.0;
        QTest::newRow("beyond double") << "1E999" << false << inf;
        QTest::newRow("below double") << "1E-999" << true << 0.0;
    }

    void numberTest()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const QByteArray utf8 = text.toUtf8();
        QCOMPARE(geodesy::isNumber(utf8.constData()), isNumber);
        QCOMPARE(numberValue(utf8.constData()), value);
    }

    void readsPositions_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("empty minutes and seconds") << QStringList{"55", "", "", "37", "", ""} << 55.0 << 37.0;
        QTest::newRow("sign on degrees only") << QStringList{"-10", "30", "0", "-11", "30", "0"} << -9.5 << -10.5;
        QTest::newRow("minus zero degrees") << QStringList{"-0", "30", "0", "0", "", ""} << 0.5 << 0.0;
        QTest::newRow("south pole alone") << QStringList{"-90", "", "", "-180", "", ""} << -90.0 << -180.0;
        QTest::newRow("south pole with seconds") << QStringList{"-90", "", "30", "0", "", ""}
                                                 << -90 + 30.0 / 3600 << 0.0;
        QTest::newRow("north and east limits") << QStringList{"90", "0", "0", "180", "0", "0"} << 90.0 << 180.0;
        QTest::newRow("sixty minutes pass") << QStringList{"89", "60", "0", "0", "60", "60"} << 90.0 << 1 + 1.0 / 60;
        QTest::newRow("negative minutes subtract") << QStringList{"10", "-5", "0", "0", "", ""}
                                                   << 10 + -5.0 / 60 << 0.0;
        QTest::newRow("minutes that are no number") << QStringList{"10", "ab", "", "20", "1x", ""}
                                                    << 10.0 << 20 + 1.0 / 60;
        QTest::newRow("fractional minutes") << QStringList{"10", "30,5", "", "0", "", ""} << 10.5 << 0.0;
    }

    void readsPositions()
    {
        QFETCH(QStringList, texts);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const auto result = read(texts);
        const auto* position = std::get_if<Position>(&result);
        QVERIFY(position);
        QCOMPARE(position->latitude, latitude);
        QCOMPARE(position->longitude, longitude);
    }

    void refusesPositions_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<PositionFailure>("failure");
        QTest::addColumn<QString>("message");
        const QString noCoordinates = "Введите координаты для определения локатора.";
        const QString beyond = "Широта или долгота превышает допустимые значения !";
        const QString latitude = "Широта не может быть меньше -90 град. и больше 90 град.";
        const QString longitude = "Долгота не может быть меньше -180 град. и больше 180 град.";
        const QString above60 = "Минута или секунда не может быть больше 60.";
        QTest::newRow("empty latitude degrees") << QStringList{"", "1", "1", "37", "", ""}
                                                << PositionFailure::NoCoordinates << noCoordinates;
        QTest::newRow("letters in longitude degrees") << QStringList{"55", "", "", "abc", "", ""}
                                                      << PositionFailure::NoCoordinates << noCoordinates;
        QTest::newRow("comma in degrees") << QStringList{"55,5", "", "", "37", "", ""}
                                          << PositionFailure::NoCoordinates << noCoordinates;
        QTest::newRow("-90 with minutes 0") << QStringList{"-90", "0", "0", "0", "", ""}
                                            << PositionFailure::BeyondLimits << beyond;
        QTest::newRow("-180 with minutes 0") << QStringList{"0", "", "", "-180", "0", ""}
                                             << PositionFailure::BeyondLimits << beyond;
        QTest::newRow("limit before range") << QStringList{"-90", "5", "", "500", "", ""}
                                            << PositionFailure::BeyondLimits << beyond;
        QTest::newRow("one second past 90") << QStringList{"90", "0", "1", "0", "", ""}
                                            << PositionFailure::LatitudeOutOfRange << latitude;
        QTest::newRow("61 minutes past 89") << QStringList{"89", "61", "0", "0", "", ""}
                                            << PositionFailure::LatitudeOutOfRange << latitude;
        QTest::newRow("both out of range") << QStringList{"91", "", "", "181", "", ""}
                                           << PositionFailure::LatitudeOutOfRange << latitude;
        QTest::newRow("longitude past 180") << QStringList{"0", "", "", "180", "0", "1"}
                                            << PositionFailure::LongitudeOutOfRange << longitude;
        QTest::newRow("range before minutes") << QStringList{"0", "", "", "179", "61", ""}
                                              << PositionFailure::LongitudeOutOfRange << longitude;
        QTest::newRow("61 minutes") << QStringList{"10", "61", "0", "0", "", ""}
                                    << PositionFailure::MinuteOrSecondAbove60 << above60;
        QTest::newRow("61 longitude seconds") << QStringList{"10", "", "", "0", "", "61"}
                                              << PositionFailure::MinuteOrSecondAbove60 << above60;
    }

    void refusesPositions()
    {
        QFETCH(QStringList, texts);
        QFETCH(PositionFailure, failure);
        QFETCH(QString, message);
        const auto result = read(texts);
        QVERIFY(std::holds_alternative<PositionFailure>(result));
        QCOMPARE(std::get<PositionFailure>(result), failure);
        const std::string_view words = geodesy::message(failure);
        QCOMPARE(QString::fromUtf8(words.data(), qsizetype(words.size())), message);
    }

    void splitsAngles_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("negative half degree") << -37.5 << QStringList{"-38", "30", "0"};
        QTest::newRow("KO85TS longitude") << 37.625 << QStringList{"37", "37", "30"};
        QTest::newRow("just below zero") << -0.5 << QStringList{"-1", "30", "0"};
        QTest::newRow("zero") << 0.0 << QStringList{"0", "0", "0"};
        QTest::newRow("minus zero") << -0.0 << QStringList{"0", "0", "0"};
        QTest::newRow("FN20XR longitude") << (104 + 23.5 / 12) - 180 << QStringList{"-75", "57", "29"};
        QTest::newRow("RR99XX latitude") << (179 + 23.5 / 24) - 90 << QStringList{"89", "58", "44"};
        QTest::newRow("south limit") << -90.0 << QStringList{"-90", "0", "0"};
    }

    void splitsAngles()
    {
        QFETCH(double, angle);
        QFETCH(QStringList, texts);
        const CoordinateParts parts = splitCoordinate(angle);
        QCOMPARE((QStringList{qs(parts.degrees.view()), qs(parts.minutes.view()), qs(parts.seconds.view())}),
                 texts);
    }
};

QTEST_APPLESS_MAIN(TestPosition)
#include "test_position.moc"
