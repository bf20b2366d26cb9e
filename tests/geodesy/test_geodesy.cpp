#include "geodesy/azimuthal.h"
#include "geodesy/figure_texts.h"
#include "geodesy/great_circle.h"
#include "geodesy/latitude_trig.h"
#include "geodesy/locator.h"
#include "geodesy/messages.h"
#include "geodesy/pair_figures.h"
#include "geodesy/position.h"
#include "geodesy/station.h"
#include "geodesy/sun.h"

#include <QtTest>

using namespace geodesy;

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The position to twelve digits, as QCOMPARE weighs doubles (rounding in the
// last bits is left out, any real slip is not), or the words the user reads
// for the failure.
template <typename Failure>
QString outcome(const std::variant<Position, Failure>& result)
{
    if (const auto* p = std::get_if<Position>(&result))
        return QString::number(p->latitude, 'g', 12) + ' ' + QString::number(p->longitude, 'g', 12);
    return qs(message(std::get<Failure>(result)));
}

constexpr double Degree = M_PI / 180;

// The central angle by the haversine formula, which the program does not
// use, in km on its sphere.
double haversineKm(const Position& a, const Position& b)
{
    const double h = std::pow(std::sin((b.latitude - a.latitude) * Degree / 2), 2)
        + std::cos(a.latitude * Degree) * std::cos(b.latitude * Degree)
            * std::pow(std::sin((b.longitude - a.longitude) * Degree / 2), 2);
    return 2 * std::asin(std::sqrt(h)) * EarthRadiusKm;
}

const QString latitudeRange = "Широта не может быть меньше -90 град. и больше 90 град.";
const QString longitudeRange = "Долгота не может быть меньше -180 град. и больше 180 град.";

} // namespace

// The calculation core: the six coordinate fields as the window reads
// them, numbers among them; locators of every length and decimal degrees, as the
// command line and logs give stations, every six-character locator coming
// back from its centre; distance and azimuths on the program's sphere, the
// long path, the label texts; the map's projection; the Sun.
class TestGeodesy : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        const QString above60 = "Минута или секунда не может быть больше 60.";
        // Degrees must be a number as a whole, minutes and seconds are read
        // as far as one goes.
        QTest::newRow("blanks around, sign, fraction, exponent") << " \t-1.25E1\t|||0||" << "-12.5 0 JH07AM";
        QTest::newRow("fraction only, below double") << "1E-999|||.5||" << "0 0.5 JJ00GA";
        QTest::newRow("empty latitude degrees") << "|1|1|37||" << noCoordinates;
        QTest::newRow("letters in longitude degrees") << "55|||abc||" << noCoordinates;
        for (const char* degrees : {"-", "5E", "55,5", "0x10", "1E999"})  // sign, exponent alone; comma; hex; beyond double
            QTest::newRow(degrees) << QString(degrees) + "|||0||" << noCoordinates;
        QTest::newRow("-90 with minutes 0") << "-90|0|0|0||" << beyond;
        QTest::newRow("-180 with minutes 0") << "0|||-180|0|" << beyond;
        QTest::newRow("limit before range") << "-90|5||500||" << beyond;
        QTest::newRow("61 minutes past 89") << "89|61|0|0||" << latitudeRange;
        QTest::newRow("range before minutes") << "0|||179|61|" << longitudeRange;
        QTest::newRow("61 minutes") << "10|61|0|0||" << above60;
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

    // The centre of the smallest square named, or the refusal's words.
    void readsStations_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("worked example") << "KO85TS" << "55.7708333333 37.625";
        QTest::newRow("south pole, antimeridian") << "AA" << "-85 -170";
        QTest::newRow("north pole, antimeridian") << "RR99" << "89.5 179";
        QTest::newRow("west edge of a subsquare") << "KO85TS00" << "55.7520833333 37.5875";
        QTest::newRow("north-east corner, 10") << "rr99xx99xx" << "89.9999131944 179.999826389";
        QTest::newRow("degrees at the bounds") << "90,-180" << "90 -180";

        const QString wrong = "Не корректный ввод локатора !";
        QTest::newRow("letter in a digit place") << "KO8XTS" << wrong;
        QTest::newRow("Y beyond the alphabet") << "KO85TY" << wrong;
        QTest::newRow("Cyrillic letter, six characters") << "жO85TS" << wrong;
        // Written in Cyrillic on purpose: the six letters that look and sound
        // like Latin ones, in either case, are read as those; the five that
        // look like one and sound like another are refused.
        QTest::newRow("Cyrillic twins к о т м") << "ко85тм" << "55.5208333333 37.625";
        QTest::newRow("Cyrillic twins А Е among Latin") << "JА00аЕ" << "-89.8125 0.0416666666667";
        for (const QString letter : {"В", "Н", "Р", "С", "Х", "с"})
            QTest::newRow(qPrintable("ambiguous " + letter)) << "KO85T" + letter << wrong;
        const QString locator = " Не верно введен локатор";
        QTest::newRow("field letter S east") << "SO85TS" << longitudeRange + locator;
        QTest::newRow("latitude tested first") << "SS85TS" << latitudeRange + locator;

        const QString length = "Локатор должен состоять из 2, 4, 6, 8 или 10 символов.";
        const QString characters = "Не корректный ввод локатора: пары символов идут так: буквы, цифры, буквы A-X, "
                                   "цифры, буквы A-X (например KO85TS27HL).";
        QTest::newRow("empty") << "" << length;
        QTest::newRow("seven: a trailing blank counts") << "KO85TS " << length;
        QTest::newRow("digit for a field letter") << "K085" << characters;
        QTest::newRow("one letter among the digits") << "KO8X" << characters;
        QTest::newRow("Y in 9-10") << "KO85TS27YA" << characters;
        QTest::newRow("Ukrainian") << "ґєії" << characters;
        QTest::newRow("Cyrillic alphabet") << "абвгдеёжзийклмнопрстуфхцчшщъыьэюя" << length;
        const QString north = "Широта не может быть больше 90 град.: вторая буква локатора должна быть от A до R.";
        const QString east = "Долгота не может быть больше 180 град.: первая буква локатора должна быть от A до R.";
        QTest::newRow("both beyond R: latitude first") << "SS" << north;
        QTest::newRow("east beyond R") << "SO" << east;
        QTest::newRow("not degrees") << "55,5,37"
                                     << "Координаты в градусах записываются как ШИРОТА,ДОЛГОТА, например "
                                        "55.7708,37.6250; юг и запад со знаком минус.";
        QTest::newRow("latitude beyond 90") << "90.1,0" << latitudeRange;
        QTest::newRow("longitude beyond 180") << "0,-180.5" << longitudeRange;
    }

    void readsStations()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const std::string utf8 = text.toStdString();
        QCOMPARE(outcome(readStation(utf8)), expected);
        // Latin and Cyrillic letters are upper-cased alike.
        QCOMPARE(qs(upperCase(utf8)), text.toUpper());
    }

    // Every locator of the usual grid (fields A to R, subsquares A to X)
    // decodes to the centre of its subsquare, which encodes back to it.
    void everyLocatorComesBack()
    {
        for (char f1 = 'A'; f1 <= 'R'; ++f1)
            for (char f2 = 'A'; f2 <= 'R'; ++f2)
                for (char s1 = '0'; s1 <= '9'; ++s1)
                    for (char s2 = '0'; s2 <= '9'; ++s2)
                        for (char u1 = 'A'; u1 <= 'X'; ++u1)
                            for (char u2 = 'A'; u2 <= 'X'; ++u2) {
                                const std::string text{f1, f2, s1, s2, u1, u2};
                                const auto decoding = decodeLocator(text);
                                const auto* centre = std::get_if<DecodedLocator>(&decoding.result);
                                if (encodeLocator({centre->latitude, centre->longitude}).text != text)
                                    QFAIL(text.c_str());
                            }
    }

    // The latitudes a locator names are looked up, every other is worked
    // out: either way to the last bit of what the functions give.
    void latitudesLookedUpExactly()
    {
        const auto exactly = [](double radians, bool withTangent) {
            const LatitudeTrig trig = latitudeTrig(radians, withTangent);
            return trig.sin == std::sin(radians) && trig.cos == std::cos(radians)
                && trig.tan == (withTangent ? std::tan(radians) : 0);
        };
        for (int field = 0; field < 18; ++field)
            for (int square = 0; square < 10; ++square)
                for (int subsquare = 0; subsquare < 24; ++subsquare)
                    QVERIFY(exactly(toRadians(centreLatitude(field, square, subsquare)), true));
        for (const double degrees : {55.7708, -89.99, 0.0, 89.999})
            QVERIFY(exactly(toRadians(degrees), true) && exactly(toRadians(degrees), false));
    }

    // Direct and reverse azimuth, distance; then the long path's azimuth and
    // distance. Stations as locators or "LAT,LON".
    void paths_data()
    {
        QTest::addColumn<QString>("stations");
        QTest::addColumn<QString>("expected");
        QTest::newRow("worked example") << "KO85TS JO62QM" << "267° 87° 1611 km, long 87° 38419 km";
        QTest::newRow("across the Atlantic") << "KO85TS FN20XR" << "310° 130° 7510 km, long 130° 32520 km";
        QTest::newRow("corner to corner, 360 not 0") << "AA00AA RR99XX" << "360° 180° 20010 km, long 180° 20020 km";
        QTest::newRow("opposite centres") << "KO85TS BD84TF" << "90° 270° 20015 km, long 270° 20015 km";
        QTest::newRow("due east on the equator") << "0,10 0,40" << "90° 270° 3336 km, long 270° 36694 km";
        QTest::newRow("due west on the equator") << "0,10 0,-20" << "270° 90° 3336 km, long 90° 36694 km";
        // The program's pi is a hair above the true one; a pole still lies
        // due north or due south, from anywhere.
        QTest::newRow("North Pole") << "KO85TS 90,0" << "360° 180° 3806 km, long 180° 36224 km";
        QTest::newRow("North Pole across the antimeridian") << "-30,170 90,-180" << "0° 180° 13343 km, long 180° 26687 km";
        QTest::newRow("South Pole") << "KO85TS -90,120" << "180° 360° 16209 km, long 0° 23821 km";
        // The azimuths are set even when the distance cannot be computed.
        QTest::newRow("coincident points") << "KO85TS KO85TS" << "0° 180° no distance";
    }

    void paths()
    {
        QFETCH(QString, stations);
        QFETCH(QString, expected);
        const Position a = std::get<Position>(readStation(stations.section(' ', 0, 0).toStdString()));
        const Position b = std::get<Position>(readStation(stations.section(' ', 1, 1).toStdString()));
        const PairFigures figures = pairFigures(a, b, false);
        const GreatCircle& circle = figures.shortPath;
        const QString found = QString("%1° %2° ").arg(circle.azimutPush).arg(circle.azimutPull)
            + (circle.distanceKm ? QString("%1 km, long %2° %3 km")
                                       .arg(*circle.distanceKm)
                                       .arg(figures.longPath->azimuth)
                                       .arg(figures.longPath->distanceKm)
                                 : "no distance");
        QCOMPARE(found, expected);
    }

    // Worked by hand on the sphere: a quarter circle is R pi / 2 km; a
    // point at central angle s and azimuth A lies at (s sin A, s cos A).
    void projects_data()
    {
        QTest::addColumn<QList<double>>("centrePointAndXY");
        const double q = EarthRadiusKm * M_PI / 2, half = std::sqrt(3) / 2;
        QTest::newRow("the centre itself") << QList<double>{55.77, 37.625, 55.77, 37.625, 0, 0};
        QTest::newRow("a quarter east") << QList<double>{0, 0, 0, 90, q, 0};
        QTest::newRow("the pole, north") << QList<double>{0, 100, 90, 0, 0, q};
        QTest::newRow("a quarter away at 30 degrees") << QList<double>{0, 0, 60, 90, q / 2, q * half};
        QTest::newRow("at 210 degrees") << QList<double>{0, 0, -60, -90, -q / 2, -q * half};
        QTest::newRow("east over the antimeridian") << QList<double>{0, 170, 0, -170, q * 2 / 9, 0};
        QTest::newRow("the antipode at the rim's top") << QList<double>{10, 20, -10, -160, 0, 2 * q};
    }

    void projects()
    {
        QFETCH(QList<double>, centrePointAndXY);
        const QList<double>& v = centrePointAndXY;
        const AzimuthalMap map = azimuthalMap({v[0], v[1]});
        const MapPoint p = project(map, {v[2], v[3]});
        QVERIFY2(std::hypot(p.x - v[4], p.y - v[5]) < 1e-6, qPrintable(QString("%1 %2").arg(p.x).arg(p.y)));
        // The inverse finds the point again; beyond the rim the great circle
        // goes on round.
        QVERIFY(haversineKm(unproject(map, p), {v[2], v[3]}) < 1e-6);
        QVERIFY(std::abs(haversineKm({v[0], v[1]}, unproject(map, {0, -25000})) - (2 * M_PI * EarthRadiusKm - 25000))
                < 1e-6);
    }

    // Published sunrise and sunset, to the minute, in UTC. The polar day and
    // night are the call window's test's.
    void sunRisesAndSets_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Moscow, midsummer") << 55.7558 << 37.6173 << "2026-06-21" << "00:44 18:17";
        QTest::newRow("Greenwich, midsummer") << 51.4769 << -0.0005 << "2026-06-21" << "03:43 20:21";
        QTest::newRow("Tokyo, midwinter: the rise is the next local day's") << 35.6895 << 139.6917 << "2026-12-21"
                                                                             << "21:47 07:32";
    }

    void sunRisesAndSets()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, day);
        QFETCH(QString, expected);
        const QDateTime start = QDateTime::fromString(day + QStringLiteral("T00:00:00Z"), Qt::ISODate);
        const SunDay sun = sunDay({latitude, longitude}, double(start.toSecsSinceEpoch()));
        QVERIFY(sun.sunrise && sun.sunset);
        const QStringList times = expected.split(QLatin1Char(' '));
        for (int i = 0; i < 2; ++i) {
            const QDateTime published = QDateTime::fromString(day + QLatin1Char('T') + times[i] + QStringLiteral(":00Z"), Qt::ISODate);
            const double computed = i == 0 ? *sun.sunrise : *sun.sunset;
            QVERIFY2(std::abs(computed - double(published.toSecsSinceEpoch())) < 150,
                     qPrintable(QDateTime::fromSecsSinceEpoch(qint64(computed), Qt::UTC).toString(Qt::ISODate)));
        }
    }

    // The tooltips under the labels: the long path, then the ellipsoid's
    // figures from their module, or in their place why there are none.
    void pathTexts_data()
    {
        QTest::addColumn<bool>("ellipsoid");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("with the ellipsoid")
            << true
            << QStringList{"Длинный путь: 87°\nWGS-84: 267°",
                           "Длинный путь: 267°\nПрямой азимут плюс 180°; по WGS-84 от корреспондента на вас 67°",
                           "Длинный путь: 38419 км\nWGS-84: 1616,4 км"};
        const QString none = "\nWGS-84: недоступно, программа установлена не полностью";
        QTest::newRow("module not installed")
            << false
            << QStringList{"Длинный путь: 87°" + none, "Длинный путь: 267°\nПрямой азимут плюс 180°" + none,
                           "Длинный путь: 38419 км" + none};
    }

    void pathTexts()
    {
        QFETCH(bool, ellipsoid);
        QFETCH(QStringList, expected);
        const Position own = std::get<Position>(readStation("KO85TS"));
        const Position kor = std::get<Position>(readStation("JO62QM"));
        PairFigures figures = pairFigures(own, kor, true);
        QVERIFY(figures.wgs84);
        if (!ellipsoid)
            figures.wgs84.reset();
        const PathTexts texts = geodesy::pathTexts(figures);
        QCOMPARE((QStringList{qs(texts.azimutPush.view()), qs(texts.azimutPull.view()), qs(texts.dalnost.view())}),
                 expected);
    }

    // The ellipsoid's azimuths in whole degrees: 359.5 and above read 0.
    void wholeDegreesTurnRound()
    {
        QCOMPARE(wholeDegrees(359.5), 0);
        QCOMPARE(wholeDegrees(66.6), 67);
    }
};

QTEST_APPLESS_MAIN(TestGeodesy)
#include "test_geodesy.moc"
