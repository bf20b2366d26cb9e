#include "geodesy/azimuthal.h"
#include "geodesy/station.h"
#include "map/map_file.h"
#include "map/map_renderer.h"
#include "tests/map/map_fixture.h"

#include <QtTest>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>

#include <cmath>

using geodesy::Position;

namespace {

const Position Own{55.77083, 37.625};  // KO85TS
const QRectF Picture(0, 0, 1000, 1000);

Position at(const char* locator)
{
    return std::get<Position>(geodesy::readStation(locator));
}

double mapKm(const Position& p)
{
    const geodesy::MapPoint on = geodesy::project(geodesy::azimuthalMap(Own), p);
    return std::hypot(on.x, on.y);
}

// A few entities, as the country file has their lines, so that the map's
// look does not change with a newer file.
const dxcc::CountryFile& someCountries()
{
    static const dxcc::CountryFile file = std::get<dxcc::CountryFile>(dxcc::CountryFile::read(
        "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n    DL;\n"
        "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n    JA;\n"
        "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\n    K;\n"
        "Brazil:                   11:  15:  SA:  -10.00:    53.00:     3.0:  PY:\n    PY;\n"
        "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n    UA;\n"
        "Australia:                30:  59:  OC:  -23.70:  -132.33:   -10.0:  VK:\n    VK;\n"));
    return file;
}

const map::LogPoints& someQsos()
{
    static const map::LogPoints log = std::get<map::LogPoints>(
        logPoints("<EOH><CALL:5>DL1AB <GRIDSQUARE:4>JO62 <EOR><CALL:5>DL2CD <GRIDSQUARE:4>JO62 <EOR>"
                  "<CALL:6>JA1ABC <EOR><CALL:4>K1AB <GRIDSQUARE:4>FN31 <EOR>",
                  &someCountries()));
    return log;
}

// The pictures the labels are tried on, by name.
map::MapScene sceneNamed(const QString& name)
{
    map::MapScene scene;
    scene.own = {Own, QStringLiteral("KO85TS")};
    const auto add = [&scene](const char* locator) { scene.correspondents.push_back({at(locator), locator}); };
    if (name == "three stations within 20 km") {
        scene.radiusKm = 200;
        for (const char* near : {"KO85TT", "KO85US", "KO85UT"})
            add(near);
    } else if (name == "a crowd and one beyond the radius") {
        scene.radiusKm = 3000;
        for (const char* locator : {"KO85UU", "KO86", "JO62QM", "PM95"})
            add(locator);
    } else if (name == "a station at the rim") {
        add("JO62QM");
        scene.radiusKm = mapKm(scene.correspondents[0].position);
    } else if (name == "the whole Earth") {
        for (const char* far : {"JO62QM", "FN31"})
            add(far);
        scene.heading = 195;  // over the bearing the rings would take without it
        scene.countries = &someCountries();
        scene.showPrefixes = true;
        scene.log = &someQsos();
    }
    return scene;
}

// The map's labels are measured in Liberation Sans, unhinted, from the file
// Debian's fonts-liberation installs: the same room on any machine,
// whatever the user's font settings.
bool fontPinned()
{
    static const bool pinned = [] {
        for (const char* face : {"Regular", "Bold"})
            QFontDatabase::addApplicationFont(
                QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-%1.ttf").arg(face));
        return QFontInfo(QFont(QStringLiteral("Liberation Sans"))).family() == QLatin1String("Liberation Sans");
    }();
    return pinned;
}

const char* kindName(map::LabelKind kind)
{
    static const char* const names[] = {"own", "correspondent", "ring", "grid", "prefix", "count"};
    return names[int(kind)];
}

// Each label in words: kind, text, box in whole pixels, leader.
QStringList described(const std::vector<map::MapLabel>& labels)
{
    QStringList lines;
    for (const map::MapLabel& l : labels)
        lines << QString("%1 «%2» %3,%4 %5x%6%7").arg(kindName(l.kind), l.text).arg(qRound(l.box.x()))
                     .arg(qRound(l.box.y())).arg(qRound(l.box.width())).arg(qRound(l.box.height()))
                     .arg(l.leader ? " leader" : "");
    return lines;
}

bool insideDisc(const QRectF& box, const QPointF& centre, double radius)
{
    for (const QPointF& corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        if (QLineF(centre, corner).length() > radius + 1e-6)
            return false;
    return true;
}

QByteArray file(const map::MapScene& scene, map::MapFormat format)
{
    const map::MapRenderer renderer(scene.own.position);
    return std::get<QByteArray>(map::mapFile(renderer, scene, format, {1000, QPageSize(QPageSize::A4)}));
}

// Each picture's labels against their reference in tests/map/looks/:
// a moved or missing label, a ring labelled at the wrong step, a grid
// label in the wrong cell. After a deliberate change, make them anew
// and look at each before committing it:
//     AZIDAL_WRITE_LOOKS=1 ctest --test-dir build -R '^test_map_labels$'
void compareLook(const QString& scene, const std::vector<map::MapLabel>& labels)
{
    const QString taken = described(labels).join('\n') + '\n';
    QFile reference(QStringLiteral(AZIDAL_MAP_LOOKS "/%1.txt").arg(QString(scene).replace(' ', '-')));
    if (qEnvironmentVariableIsSet("AZIDAL_WRITE_LOOKS")) {
        QVERIFY(reference.open(QIODevice::WriteOnly) && reference.write(taken.toUtf8()) > 0);
        return;
    }
    QVERIFY2(reference.open(QIODevice::ReadOnly), qPrintable(reference.fileName()));
    const QStringList expected = QString::fromUtf8(reference.readAll()).split('\n');
    const QStringList found = taken.split('\n');
    for (qsizetype i = 0; i < std::max(found.size(), expected.size()); ++i)
        QCOMPARE(found.value(i), expected.value(i));
}

} // namespace

// Everything written on the map, placed together: never one label over
// another, never past the disc, the stations' always; the files clipped to
// the disc; the night where it is.
class TestMapLabels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(fontPinned(), "Liberation Sans is missing: install fonts-liberation"); }

    void keepsLabelsApart_data()
    {
        QTest::addColumn<QString>("scene");
        for (const char* name : {"three stations within 20 km", "a crowd and one beyond the radius",
                                 "a station at the rim", "the whole Earth"})
            QTest::newRow(name) << name;
    }

    // On every picture: no two labels meet, each lies inside the disc,
    // every station is labelled, one beyond the radius at the rim where its
    // path leaves, and a label moved off its point is not over it; the
    // labels are where they were, and written there.
    void keepsLabelsApart()
    {
        QFETCH(QString, scene);
        const map::MapScene picture = sceneNamed(scene);
        const map::MapRenderer renderer(Own);
        const std::vector<map::MapLabel> labels = renderer.labels(Picture, picture);
        const QPointF centre = map::MapRenderer::discCentre(Picture, picture);
        const double radius = map::MapRenderer::discRadius(Picture, picture);
        int stations = 0;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const map::MapLabel& label = labels[i];
            QVERIFY2(insideDisc(label.box, centre, radius), qPrintable(label.text));
            for (std::size_t j = 0; j < i; ++j)
                QVERIFY2(!label.box.intersects(labels[j].box), qPrintable(label.text + " / " + labels[j].text));
            if (label.leader)
                QVERIFY(!label.box.contains(label.anchor));
            if (label.kind != map::LabelKind::Own && label.kind != map::LabelKind::Correspondent)
                continue;
            ++stations;
            const auto station = std::find_if(picture.correspondents.begin(), picture.correspondents.end(),
                                              [&](const map::MapStation& s) { return label.text.startsWith(s.locator + ' '); });
            if (station != picture.correspondents.end() && mapKm(station->position) > picture.radiusKm)
                QVERIFY(std::abs(QLineF(centre, label.anchor).length() - radius) < 1);
        }
        QCOMPARE(stations, int(picture.correspondents.size()) + 1);
        compareLook(scene, labels);
        // Each written where it stands.
        const QImage image = painted(renderer, picture, int(Picture.width()));
        const QImage base = painted(renderer, picture, int(Picture.width()), &map::MapRenderer::paintBase);
        for (const map::MapLabel& label : labels)
            QVERIFY2(image.copy(label.box.toRect()) != base.copy(label.box.toRect()), qPrintable(label.text));
    }

    // Outside the disc a PNG holds only paper and the azimuths beyond the
    // rim, though paths, the night and the grid go on past it.
    void clipsThePictureToTheDisc()
    {
        map::MapScene scene = sceneNamed("a crowd and one beyond the radius");
        scene.nightAt = 1782043200.0;
        const QImage image = QImage::fromData(file(scene, map::MapFormat::Png), "PNG");
        const QPointF centre = map::MapRenderer::discCentre(image.rect(), scene);
        const double radius = map::MapRenderer::discRadius(image.rect(), scene);
        int checked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double d = QLineF(centre, QPointF(x + 0.5, y + 0.5)).length();
                // Between the rim and the azimuths, and past the azimuths.
                const double azimuth = std::atan2(x + 0.5 - centre.x(), centre.y() - y - 0.5) * 180 / M_PI;
                const bool byAnAzimuth = std::abs(std::remainder(azimuth, 30)) < 5;
                if ((d > radius + 2 && d < radius + 5 && !byAnAzimuth) || d > radius + 40) {
                    ++checked;
                    QVERIFY2(image.pixel(x, y) == qRgb(255, 255, 255), qPrintable(QString("%1,%2").arg(x).arg(y)));
                }
            }
        QVERIFY(checked > 10000);
    }

    // An SVG draws the disc's part inside the disc's own clip, the rest
    // only text and the rim, and only what lies near the disc: no point of
    // a line beyond the disc's square.
    void clipsTheSvg()
    {
        const map::MapScene scene = sceneNamed("a crowd and one beyond the radius");
        const QString svg = QString::fromUtf8(file(scene, map::MapFormat::Svg));
        const QPointF centre = map::MapRenderer::discCentre(Picture, scene);
        const double radius = map::MapRenderer::discRadius(Picture, scene);
        QVERIFY(svg.contains(QStringLiteral("<clipPath id=\"disc\"><circle cx=\"%1\" cy=\"%2\" r=\"%3\"/></clipPath>")
                                 .arg(QString::number(centre.x(), 'g', 6), QString::number(centre.y(), 'g', 6),
                                      QString::number(radius, 'g', 6))));
        const qsizetype clipped = svg.indexOf(QStringLiteral("<g clip-path=\"url(#disc)\">"));
        QVERIFY(clipped > 0 && !svg.left(clipped).contains(QStringLiteral("<path")));
        static const QRegularExpression line(QStringLiteral("<(?:path|polyline)[^>]*(?:points|d)=\"([^\"]*)\""));
        static const QRegularExpression pair(QStringLiteral("(-?[0-9.e-]+),(-?[0-9.e-]+)"));
        int points = 0;
        for (const QRegularExpressionMatch& l : line.globalMatch(svg, clipped))
            for (const QRegularExpressionMatch& p : pair.globalMatch(l.captured(1))) {
                ++points;
                QVERIFY2(std::abs(p.captured(1).toDouble() - centre.x()) <= radius + 3
                             && std::abs(p.captured(2).toDouble() - centre.y()) <= radius + 3,
                         qPrintable(p.captured()));
            }
        QVERIFY(points > 1000);
    }

    // A map of 3,000 km draws less of the world than the whole Earth's, and
    // its files are smaller.
    void writesOnlyWhatIsInView()
    {
        map::MapScene whole = sceneNamed(""), near = whole;
        near.radiusKm = 3000;
        for (const map::MapFormat format : {map::MapFormat::Svg, map::MapFormat::Pdf})
            QVERIFY(file(near, format).size() < file(whole, format).size() * 0.7);
    }

    // At the December solstice of 2026, 21 December 20:50 UTC as the
    // almanacs give it, the Sun stands over the Tropic of Capricorn, and,
    // with that day's equation of time of +1.9 minutes, over 132.98° W: on
    // the equator the terminator lies 90° either way, and on that meridian
    // at the Arctic Circle. A point a degree either side of each.
    void shadesTheNight()
    {
        map::MapScene scene = sceneNamed("");
        const map::MapRenderer renderer(Own);
        const QImage day = painted(renderer, scene, 2000, &map::MapRenderer::paintBase);
        scene.nightAt = double(QDateTime(QDate(2026, 12, 21), QTime(20, 50), Qt::UTC).toSecsSinceEpoch());
        const QImage night = painted(renderer, scene, 2000, &map::MapRenderer::paintBase);
        // The equator a degree before and after the sunset and the sunrise;
        // a degree south and north of the Arctic Circle at noon.
        for (const auto& [latitude, longitude, dark] : {std::tuple{0.0, -43.98, false}, {0.0, -41.98, true},
                                                        {0.0, 136.02, true}, {0.0, 138.02, false},
                                                        {65.56, -132.98, false}, {67.56, -132.98, true}}) {
            const QPoint pixel = pixelOf(renderer, day.rect(), scene, {latitude, longitude}).toPoint();
            QVERIFY2((qGray(night.pixel(pixel)) < qGray(day.pixel(pixel))) == dark,
                     qPrintable(QString("%1, %2").arg(latitude).arg(longitude)));
        }
    }
};

QTEST_MAIN(TestMapLabels)
#include "test_map_labels.moc"
