#include "geodesy/great_circle.h"
#include "geodesy/locator.h"
#include "geodesy/number.h"
#include "geodesy/position.h"

#include "texts.h"

#include <QtTest>

using namespace geodesy;

// Number texts, the six coordinate fields as the window reads them, the
// locator it shows for them, and angles split back into fields.
class TestPosition : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The value, after "not " when the text is no number as a whole.
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks around, sign, fraction, exponent") << " \t-12.5E1\t " << "-125";
        QTest::newRow("plus sign, small e") << "+1e3" << "1000";
        QTest::newRow("fraction only") << ".5" << "0.5";
        QTest::newRow("trailing point") << "5." << "5";
        QTest::newRow("sign alone") << "-" << "not 0";
        QTest::newRow("exponent without digits") << "5E" << "not 5";
        QTest::newRow("blank inside") << "1 2" << "not 1";
        QTest::newRow("decimal comma") << "55,5" << "not 55";
        QTest::newRow("hexadecimal") << "0x10" << "not 0";
        QTest::newRow("beyond double") << "1E999" << "not inf";
        QTest::newRow("below double") << "1E-999" << "0";
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QByteArray utf8 = text.toUtf8();
        QCOMPARE((isNumber(utf8.constData()) ? "" : "not ") + QString::number(numberValue(utf8.constData())), expected);
    }

    // The six fields, latitude degrees, minutes, seconds, then longitude,
    // parted by "|": the position and its locator, or the first failed
    // check's words.
    void positions_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("expected");
        QTest::newRow("worked example") << "55|45|0|37|37|0" << "55.75 37.6166666667 KO85TS";
        QTest::newRow("minus zero degrees") << "-0|30|0|0||" << "0.5 0 JJ00AM";
        QTest::newRow("south pole alone") << "-90|||-180||" << "-90 -180 AA00AA";
        QTest::newRow("south pole with seconds") << "-90||30|0||" << "-89.9916666667 0 JA00AA";
        QTest::newRow("north and east limits: S, which decoding refuses") << "90|0|0|180|0|0" << "90 180 SS00AA";
        QTest::newRow("sixty minutes pass") << "89|60|0|0|60|60" << "90 1.01666666667 JS00MA";
        QTest::newRow("negative minutes subtract") << "10|-5|0|0||" << "9.91666666667 0 JJ09AW";
        QTest::newRow("minutes read as far as a number goes") << "10|30,5|ab|20|1x|" << "10.5 20.0166666667 KK00AM";
        QTest::newRow("west of Greenwich") << "40|43|45|-75|57|30" << "40.7291666667 -74.0416666667 FN20XR";
        // Double arithmetic decides a boundary: 10' falls a hair below it.
        QTest::newRow("longitude boundary a hair below") << "0|||0|10|0" << "0 0.166666666667 JJ00BA";
        QTest::newRow("latitude boundary a hair below") << "0|5|0|0||" << "0.0833333333333 0 JJ00AB";
        QTest::newRow("longitude boundary exact") << "0|||0|5|0" << "0 0.0833333333333 JJ00BA";
        QTest::newRow("last second below the edge") << "89|59|59|179|59|59" << "89.9997222222 179.999722222 RR99XX";
        QTest::newRow("last second below zero") << "-1|59|59|-1|59|59"
                                                << "-0.000277777777778 -0.000277777777778 II99XX";

        const QString noCoordinates = "Введите координаты для определения локатора.";
        const QString beyond = "Широта или долгота превышает допустимые значения !";
        const QString latitude = "Широта не может быть меньше -90 град. и больше 90 град.";
        const QString longitude = "Долгота не может быть меньше -180 град. и больше 180 град.";
        const QString above60 = "Минута или секунда не может быть больше 60.";
        QTest::newRow("empty latitude degrees") << "|1|1|37||" << noCoordinates;
        QTest::newRow("letters in longitude degrees") << "55|||abc||" << noCoordinates;
        QTest::newRow("-90 with minutes 0") << "-90|0|0|0||" << beyond;
        QTest::newRow("-180 with minutes 0") << "0|||-180|0|" << beyond;
        QTest::newRow("limit before range") << "-90|5||500||" << beyond;
        QTest::newRow("61 minutes past 89") << "89|61|0|0||" << latitude;
        QTest::newRow("both out of range") << "91|||181||" << latitude;
        QTest::newRow("range before minutes") << "0|||179|61|" << longitude;
        QTest::newRow("61 minutes") << "10|61|0|0||" << above60;
        QTest::newRow("61 longitude seconds") << "10|||0||61" << above60;
    }

    void positions()
    {
        QFETCH(QString, fields);
        QFETCH(QString, expected);
        const auto field = [&fields](int i) { return fields.section('|', i, i).toStdString(); };
        const auto result = readPosition({field(0), field(1), field(2)}, {field(3), field(4), field(5)});
        QString found = outcome(result);
        if (const auto* position = std::get_if<Position>(&result))
            found += ' ' + qs(encodeLocator(*position).text);
        QCOMPARE(found, expected);
    }

    // The own station's fields are filled straight from its locator's
    // centre, the correspondent's after its trip to radians and back.
    void splitsAngles_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("fields");
        QTest::newRow("KO85TS latitude") << 145 + 18.5 / 24 - 90 << "55 46 15";
        QTest::newRow("KO85TS longitude") << 37.625 << "37 37 30";
        QTest::newRow("JO62QM latitude, via radians") << toDegrees(toRadians(142 + 12.5 / 24 - 90)) << "52 31 15";
        QTest::newRow("JO62QM longitude, via radians") << toDegrees(toRadians(192 + 16.5 / 12 - 180)) << "13 22 30";
        QTest::newRow("minus zero") << -0.0 << "0 0 0";
        QTest::newRow("FN20XR longitude, seconds cut") << (104 + 23.5 / 12) - 180 << "-75 57 29";
    }

    void splitsAngles()
    {
        QFETCH(double, angle);
        QFETCH(QString, fields);
        const CoordinateParts parts = splitCoordinate(angle);
        QCOMPARE(qs(parts.degrees.view()) + ' ' + qs(parts.minutes.view()) + ' ' + qs(parts.seconds.view()), fields);
    }
};

QTEST_APPLESS_MAIN(TestPosition)
#include "test_position.moc"
