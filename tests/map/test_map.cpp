#include "geodesy/azimuthal.h"
#include "geodesy/sun.h"
#include "map/beam_sheet.h"
#include "map/log_points.h"
#include "map/map_file.h"
#include "map/map_renderer.h"
#include "map/map_style.h"
#include "map/pn2.h"
#include "map/prefix_labels.h"
#include "map/rim_cut.h"
#include "map/world.h"
#include "tests/map/map_fixture.h"

#include <QtTest>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <map>

using geodesy::Position;

namespace {

constexpr double Degree = M_PI / 180;

QByteArray bigEndian(qint64 value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char(value >> (8 * i) & 0xFF));
    return out;
}

// A .pn2 file: version, the number of shapes, no colours, then the shapes.
QByteArray pn2File(int shapes, const QByteArray& body, int version = 2)
{
    return bigEndian(version, 1) + bigEndian(shapes, 4) + bigEndian(0, 1) + body;
}

// A shape's nodes: one absolute node in 1/120 degree and its relative steps.
QByteArray nodes(int latitude, int longitude, const QByteArray& steps = {})
{
    return bigEndian(1, 4) + bigEndian(latitude, 2) + bigEndian(longitude, 2) + bigEndian(steps.size() / 2, 2) + steps;
}

QByteArray shape(int kind, int feature, const QByteArray& nodeBytes)
{
    return bigEndian(kind, 1) + bigEndian(feature, 4) + nodeBytes;
}

// A multi shape of a line and an outer ring, with steps both ways.
QByteArray twoParts()
{
    return pn2File(1, bigEndian(4, 1) + bigEndian(9, 4) + bigEndian(2, 1)
                          + shape(0, 9, nodes(60 * 120, 30 * 120, QByteArray("\x01\xfe\xfd\x04", 4)))
                          + shape(2, 9, nodes(-10 * 120, -180 * 120)));
}

QString failureName(const std::variant<std::vector<map::Shape>, map::Pn2Failure>& read)
{
    static const char* const names[] = {"truncated", "version", "kind", "beyond", "after"};
    const auto* failure = std::get_if<map::Pn2Failure>(&read);
    return failure ? names[int(*failure)] : "read";
}

double centralDegrees(const Position& a, const Position& b)
{
    const double c = std::sin(a.latitude * Degree) * std::sin(b.latitude * Degree)
        + std::cos(a.latitude * Degree) * std::cos(b.latitude * Degree) * std::cos((b.longitude - a.longitude) * Degree);
    return std::acos(std::clamp(c, -1.0, 1.0)) / Degree;
}

// Land or sea by the odd-even rule over the land's rings in longitude and
// latitude: Natural Earth cuts them at the antimeridian and closes
// Antarctica along the South Pole, so that no ring wraps round.
bool onLand(const Position& p)
{
    bool inside = false;
    for (const map::Shape& ring : map::world().land)
        for (std::size_t i = 0, j = ring.points.size() - 1; i < ring.points.size(); j = i++) {
            const Position& a = ring.points[i];
            const Position& b = ring.points[j];
            if ((a.latitude > p.latitude) != (b.latitude > p.latitude)
                && p.longitude < (b.longitude - a.longitude) * (p.latitude - a.latitude) / (b.latitude - a.latitude)
                        + a.longitude)
                inside = !inside;
        }
    return inside;
}

QRgb over(const QColor& below, const QColor& above)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(below);
    QPainter(&pixel).fillRect(0, 0, 1, 1, above);
    return pixel.pixel(0, 0);
}

map::MapScene sceneAt(const Position& centre)
{
    map::MapScene scene;
    scene.own = {centre, QStringLiteral("KO85TS")};
    return scene;
}

// Pages that keep what is written on them, the device its own engine: each
// line of text with its left and right edge.
class WrittenPages : public QPagedPaintDevice, public QPaintEngine {
public:
    struct Text { QString text; qreal left, right, baseline; };
    WrittenPages() : QPagedPaintDevice(nullptr), QPaintEngine(AllFeatures) {}
    bool newPage() override { return pages.emplace_back(), true; }
    QPaintEngine* paintEngine() const override { return const_cast<WrittenPages*>(this); }
    int metric(PaintDeviceMetric metric) const override
    {
        const std::map<PaintDeviceMetric, int> a4At300Dpi{
            {PdmWidth, 2480}, {PdmHeight, 3508}, {PdmDpiX, 300}, {PdmDpiY, 300}, {PdmPhysicalDpiX, 300},
            {PdmPhysicalDpiY, 300}, {PdmDepth, 32}, {PdmDevicePixelRatio, 1},
            {PdmDevicePixelRatioScaled, int(devicePixelRatioFScale())}};
        return a4At300Dpi.at(metric);
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    // A line in two scripts comes in two items, one after the other.
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        std::vector<Text>& page = pages.back();
        if (page.empty() || page.back().baseline != at.y() || !qFuzzyCompare(page.back().right, at.x()))
            page.push_back({{}, at.x(), at.x(), at.y()});
        page.back().text += item.text();
        page.back().right += item.width();
    }
    Type type() const override { return User; }
    std::vector<std::vector<Text>> pages{1};
};

} // namespace

// The map's world data, its reader on good and broken files, the picture
// against the land and sea where they are, and the files it is saved to.
class TestMap : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each file the program carries, read to its last byte: the land all
    // rings, the borders all lines, every point on the globe.
    void readsPackagedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("lines");
        QTest::newRow("land") << ":/naturalearth/ne_50m_land.pn2" << false;
        QTest::newRow("borders") << ":/naturalearth/ne_50m_admin_0_boundary_lines_land.pn2" << true;
    }

    void readsPackagedFiles()
    {
        QFETCH(QString, file);
        QFETCH(bool, lines);
        QFile data(file);
        QVERIFY(data.open(QIODevice::ReadOnly));
        const QByteArray bytes = data.readAll();
        const auto read = map::readPn2(bytes.constData(), std::size_t(bytes.size()));
        QCOMPARE(failureName(read), QStringLiteral("read"));
        for (const map::Shape& shape : std::get<std::vector<map::Shape>>(read))
            QVERIFY(!shape.points.empty() && (shape.kind == map::ShapeKind::Line) == lines);
    }

    void readsShapes()
    {
        const QByteArray bytes = twoParts();
        const auto read = map::readPn2(bytes.constData(), std::size_t(bytes.size()));
        QCOMPARE(failureName(read), QStringLiteral("read"));
        const auto& shapes = std::get<std::vector<map::Shape>>(read);
        QCOMPARE(shapes.size(), std::size_t(2));
        QVERIFY(shapes[0].kind == map::ShapeKind::Line && shapes[1].kind == map::ShapeKind::Outer);
        // Each step is from the absolute node.
        QString line;
        for (const Position& p : shapes[0].points)
            line += QString("%1,%2 ").arg(p.latitude * 120).arg(p.longitude * 120);
        QCOMPARE(line, QStringLiteral("7200,3600 7201,3598 7197,3604 "));
        // Cut anywhere, the file is short, never read past its end.
        for (qsizetype size = 0; size < bytes.size(); ++size) {
            const QByteArray cut = bytes.left(size);
            QCOMPARE(failureName(map::readPn2(cut.constData(), std::size_t(size))), QStringLiteral("truncated"));
        }
    }

    void refusesBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("failure");
        const QByteArray point = shape(0, 1, nodes(0, 0));
        QTest::newRow("version 3") << pn2File(1, point, 3) << "version";
        QTest::newRow("a kind beyond the five") << pn2File(1, shape(5, 1, nodes(0, 0))) << "kind";
        QTest::newRow("a multi shape inside a multi shape")
            << pn2File(1, bigEndian(4, 1) + bigEndian(1, 4) + bigEndian(1, 1) + bigEndian(4, 1) + bigEndian(1, 4))
            << "kind";
        QTest::newRow("latitude beyond 90") << pn2File(1, shape(0, 1, nodes(90 * 120 + 1, 0))) << "beyond";
        QTest::newRow("a step beyond the pole") << pn2File(1, shape(0, 1, nodes(90 * 120, 0, QByteArray("\x01\x00", 2)))) << "beyond";
        QTest::newRow("more nodes than bytes") << pn2File(1, shape(0, 1, bigEndian(1000000, 4) + QByteArray(60, 0)))
                                               << "truncated";
        QTest::newRow("a shape more than the header says") << pn2File(1, point + point) << "after";
    }

    void refusesBrokenFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, failure);
        QCOMPARE(failureName(map::readPn2(bytes.constData(), std::size_t(bytes.size()))), failure);
    }

    // Points of the globe against the pixels of the whole-Earth map: land
    // where land is, sea where sea is, and the night over both, wherever
    // the centre and even when the antipode lies on land.
    void paintsLandAndSea_data()
    {
        QTest::addColumn<QList<double>>("centre");
        QTest::addColumn<QString>("night");
        QTest::newRow("Moscow") << QList<double>{55.77, 37.625} << "";
        QTest::newRow("Wellington, the antipode in Spain") << QList<double>{-41.29, 174.78} << "";
        QTest::newRow("by the South Pole, the antipode in the Arctic") << QList<double>{-89.5, 0} << "";
        QTest::newRow("Wellington, the December night") << QList<double>{-41.29, 174.78} << "2026-12-21T03:00:00Z";
    }

    void paintsLandAndSea()
    {
        QFETCH(QList<double>, centre);
        QFETCH(QString, night);
        const Position c{centre[0], centre[1]};
        map::MapScene scene = sceneAt(c);
        if (!night.isEmpty())
            scene.nightAt = double(QDateTime::fromString(night, Qt::ISODate).toSecsSinceEpoch());
        const map::MapRenderer renderer(c);
        const QImage image = painted(renderer, scene, 1000, &map::MapRenderer::paintBase);
        const Position sun = scene.nightAt ? geodesy::subsolarPoint(*scene.nightAt) : Position{};
        QRandomGenerator random(7);
        int checked = 0;
        const int samples = 400;
        for (int i = 0; i < samples; ++i) {
            const Position p{std::asin(random.generateDouble() * 2 - 1) / Degree, random.generateDouble() * 360 - 180};
            const double fromSun = centralDegrees(p, sun);
            if (centralDegrees(p, c) > 178 || (scene.nightAt && std::abs(fromSun - 90) < 2))
                continue;
            const QPoint pixel = pixelOf(renderer, image.rect(), scene, p).toPoint();
            // Only where the neighbourhood is of one colour: off coasts and
            // grid lines. There it is land or sea, by day or by night.
            const QRgb colour = image.pixel(pixel);
            bool uniform = true;
            for (int j = 0; j < 9; ++j)
                uniform = uniform && image.pixel(pixel + QPoint(j % 3 - 1, j / 3 - 1)) == colour;
            if (!uniform)
                continue;
            const bool dark = scene.nightAt && fromSun > 90;
            const QRgb land = dark ? over(map::style::Land, map::style::Night) : map::style::Land.rgb();
            const QRgb sea = dark ? over(map::style::Sea, map::style::Night) : map::style::Sea.rgb();
            ++checked;
            QVERIFY2(colour == (onLand(p) ? land : sea),
                     qPrintable(QString("%1, %2 drawn as %3").arg(p.latitude).arg(p.longitude).arg(colour, 0, 16)));
        }
        QVERIFY2(checked > samples / 4, qPrintable(QString::number(checked)));
    }

    // A border through the antipode stops at the rim, in the direction it
    // left, and comes back in from the opposite side; on a device each
    // piece keeps its two ends.
    void cutsLinesAtTheRim()
    {
        QPainterPath path;
        map::RimCut({-41.29, 174.78}).addLine({{-80, -5.22}, {80, -5.22}}, path);
        const QPainterPath ends = map::onDevice(path, QTransform(), 1e6);
        QString found;
        for (int i = 0; i < ends.elementCount(); ++i)
            found += QString("%1%2,%3 ").arg(ends.elementAt(i).isMoveTo() ? "M" : "")
                         .arg(qRound(ends.elementAt(i).x)).arg(qRound(ends.elementAt(i).y));
        QCOMPARE(found, QStringLiteral("M0,-6528 0,-20015 M0,20015 0,15711 "));
    }

    // The short path red towards the correspondent, and towards one due
    // north, a line of no width to be cut by; the long one blue out
    // the other way, and in from the rim beyond the correspondent; the
    // antenna's beam green about its heading; the spokes every 10°, the
    // rings every 1000 km. One picture, probed.
    void paintsPathsAndAntenna()
    {
        const Position own{55.77, 37.625};
        map::MapScene scene = sceneAt(own);
        scene.correspondents.push_back({{52.52, 13.40}, QStringLiteral("JO62QM")});
        scene.correspondents.push_back({{70, 37.625}, QStringLiteral("due north")});
        scene.heading = 135;
        const map::MapRenderer renderer(own);
        const QImage image = painted(renderer, scene, 800);
        const QTransform toPixels = map::MapRenderer::transform(image.rect(), scene);
        const auto pixel = [&](double azimuth, double km) {
            return toPixels.map(QPointF(km * std::sin(azimuth * Degree), km * std::cos(azimuth * Degree))).toPoint();
        };
        const auto seen = [&](double azimuth, double km) {
            // The lines are antialiased: any pure enough colour about the point.
            QString found = "none";
            for (int i = 0; i < 25; ++i) {
                const QColor c = image.pixelColor(pixel(azimuth, km) + QPoint(i % 5 - 2, i / 5 - 2));
                if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                    found = "red";
                else if (c.blue() > 180 && c.red() < 90 && c.green() < 90)
                    found = "blue";
            }
            return found;
        };
        // JO62QM lies 1611 km away at 267 degrees.
        QCOMPARE(seen(267, 800) + seen(0, 1000), QStringLiteral("redred"));
        QCOMPARE(seen(87, 12000), QStringLiteral("blue"));
        QCOMPARE(seen(267, 12000), QStringLiteral("blue"));
        QCOMPARE(seen(160, 9500), QStringLiteral("none"));
        // The beam's edges, half a degree either side.
        const auto tinted = [&](double azimuth) {
            const QColor c = image.pixelColor(pixel(azimuth, 10000));
            return c.green() > c.red() + 20 && c.green() > c.blue();
        };
        QVERIFY(tinted(120.5) && tinted(149.5) && !tinted(119.5) && !tinted(150.5));
        // A line crossed between two points of the sea: darker on the way.
        const auto crossed = [&](double azimuthFrom, double kmFrom, double azimuthTo, double kmTo) {
            const auto at = [&](double t) {
                return qGray(image.pixel(pixel(azimuthFrom + t * (azimuthTo - azimuthFrom), kmFrom + t * (kmTo - kmFrom))));
            };
            int darkest = 255;
            for (int i = 1; i < 40; ++i)
                darkest = std::min(darkest, at(i / 40.0));
            return darkest < std::min(at(0), at(1)) - 10;
        };
        QVERIFY(crossed(160, 8800, 160, 9200));   // the ring of 9000 km
        QVERIFY(crossed(167, 9500, 173, 9500));   // the spoke of 170°
        QVERIFY(!crossed(163, 9500, 167, 9500));
    }

    // A PNG holds exactly the picture, at the size asked, small or large
    // enough to be painted in memory of huge pages; an SVG is XML with the
    // title; a PDF has one page, of the size asked. The format goes by the
    // name's extension (the command's tests name a PNG and a JPEG).
    void savesFiles()
    {
        const Position own{-41.29, 174.78};
        map::MapScene scene = sceneAt(own);
        const map::MapRenderer renderer(own);
        for (const int side : {300, 1000}) {
            const QByteArray png
                = std::get<QByteArray>(map::mapFile(renderer, scene, map::MapFormat::Png, {side, QPageSize(QPageSize::A4)}));
            QCOMPARE(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32), painted(renderer, scene, side));
        }

        const QByteArray svg = std::get<QByteArray>(map::mapFile(renderer, scene, map::MapFormat::Svg, {}));
        // The picture's side at 72 dots an inch, and the whole of it in view.
        QVERIFY(svg.contains("<svg width=\"705.556mm\" height=\"705.556mm\"\n viewBox=\"0 0 2000 2000\""));

        const QByteArray pdf
            = std::get<QByteArray>(map::mapFile(renderer, scene, map::MapFormat::Pdf, {2000, QPageSize(QPageSize::A3)}));
        QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
        QVERIFY(pdf.contains("/MediaBox [0 0 842.000000 1191.000000]"));

        QVERIFY(map::mapFormatOf("a.svg") == map::MapFormat::Svg && map::mapFormatOf("a.b.pdf") == map::MapFormat::Pdf);
        QCOMPARE(map::mapTitle({{55.771, -37.625}, "KO85TS"}, 1782043200.0),
                 QStringLiteral("KO85TS — 55,771° с. ш., 37,625° з. д. — 21.06.2026 12:00 UTC"));
    }

    // A log's QSOs: a square; six characters, whose extension is not theirs;
    // eight and the extension's two; LAT and LON; none. With a country file,
    // one with a CALL and no position stands at its call's entity, unless
    // the call is at sea or unknown to the file, never when its position is
    // wrong; squares are never marked for it.
    void readsLogPoints()
    {
        const QByteArray log = "<EOH><GRIDSQUARE:4>KO85 <EOR><GRIDSQUARE:6>JO62QM <GRIDSQUARE_EXT:2>45 <EOR>"
                               "<GRIDSQUARE:8>JO62QM00 <GRIDSQUARE_EXT:2>AA <EOR>"
                               "<LAT:11>S041 17.400 <LON:11>E174 46.800 <EOR><CALL:5>Q1ABC <EOR><CALL:6>JA1ABC <EOR>"
                               "<CALL:9>JA1ABC/MM <EOR><CALL:6>JA1ABC <GRIDSQUARE:4>ZZ99 <EOR>";
        for (const dxcc::CountryFile* file : {static_cast<const dxcc::CountryFile*>(nullptr), &systemCountries()}) {
            const auto read = logPoints(log, file);
            const map::LogPoints& points = std::get<map::LogPoints>(read);
            QString found;
            for (const map::LogPoints::Point& p : points.points)
                found += QString("%1,%2 ").arg(p.latitude, 0, 'f', 4).arg(p.longitude, 0, 'f', 4);
            for (const map::LogPoints::Point& p : points.entityPoints)
                found += QString("at its country %1,%2 ").arg(p.latitude, 0, 'f', 2).arg(p.longitude, 0, 'f', 2);
            QCOMPARE(found, "55.5000,37.0000 52.5208,13.3750 52.5001,13.3335 -41.2900,174.7800 "
                                + QString(file ? "at its country 36.40,138.38 " : ""));
            QCOMPARE(points.withoutPosition, file ? 3u : 4u);
            QCOMPARE(std::count(points.squares.begin(), points.squares.end(), true), 3);
            QVERIFY(points.squares[std::size_t(map::LogPoints::squareOf(-41.29, 174.78))]);
        }
    }

    // A QSO whose position is known is a filled dot; one at its country a
    // ring, hollow at its middle. QSOs whose marks would cover each other
    // are one mark, heavier, that names its first QSO and counts them all.
    void drawsLogMarks()
    {
        const Position own{55.77, 37.625};
        const map::MapRenderer renderer(own);
        map::MapScene scene = sceneAt(own);
        const int side = 1000;
        // The marks are the base layer's, under the labels.
        const QImage bare = painted(renderer, scene, side, &map::MapRenderer::paintBase);
        const auto pixelAt = [&](const Position& p) { return pixelOf(renderer, bare.rect(), scene, p).toPoint(); };
        const auto log = logPoints("<CALL:6>JA1ABC <QSO_DATE:8>20240312 <BAND:3>20M <MODE:2>CW <EOR>"
                                   "<CALL:5>VK2AB <GRIDSQUARE:6>QF56OD <EOR><CALL:5>VK2AB <GRIDSQUARE:6>QF56OD <EOR>"
                                   "<CALL:5>DL1AB <GRIDSQUARE:4>JO62 <EOR>",
                                   &systemCountries());
        scene.log = &std::get<map::LogPoints>(log);
        const QImage image = painted(renderer, scene, side, &map::MapRenderer::paintBase);
        const QPoint ring = pixelAt(entityOf("JA").values.position), dots = pixelAt({-33.854, 151.208});
        // The ring hollow, drawn round its middle; the dot filled.
        QCOMPARE(image.pixel(ring), bare.pixel(ring));
        QVERIFY(image.pixel(ring + QPoint(3, 0)) != bare.pixel(ring + QPoint(3, 0))
                && image.pixel(ring - QPoint(0, 3)) != bare.pixel(ring - QPoint(0, 3)));
        QVERIFY(image.pixel(dots) != bare.pixel(dots));
        const std::optional<map::LogMark> atCountry = renderer.logMarkAt(image.rect(), scene, ring + QPoint(3, 0));
        QVERIFY(atCountry && atCountry->atCountry && atCountry->count == 1);
        const std::optional<map::LogMark> both = renderer.logMarkAt(image.rect(), scene, dots);
        QVERIFY(both && !both->atCountry && both->count == 2);
        // At least 5 pixels on the screen, and heavier for two.
        const std::optional<map::LogMark> one = renderer.logMarkAt(image.rect(), scene, pixelAt({52.5, 13}));
        QVERIFY(one && one->count == 1 && one->diameter >= 5 && both->diameter > one->diameter);
        // Named only on the mark, a pixel or two round it.
        QVERIFY(!renderer.logMarkAt(image.rect(), scene, ring + QPoint(0, int(atCountry->diameter))));
    }

    // Within 3,000 km the squares worked are shaded, whole, and only they.
    void shadesWorkedSquares()
    {
        const Position own{55.77, 37.625};
        map::MapScene scene = sceneAt(own);
        scene.radiusKm = 3000;
        const map::MapRenderer renderer(own);
        const QImage bare = painted(renderer, scene, 600, &map::MapRenderer::paintBase);
        const auto log = logPoints("<GRIDSQUARE:4>KO75 <EOR>");
        scene.log = &std::get<map::LogPoints>(log);
        const QImage worked = painted(renderer, scene, 600, &map::MapRenderer::paintBase);
        const auto differs = [&](double latitude, double longitude) {
            const QPoint pixel = pixelOf(renderer, bare.rect(), scene, {latitude, longitude}).toPoint();
            return worked.pixel(pixel) != bare.pixel(pixel);
        };
        QVERIFY(differs(55.15, 34.3) && differs(55.85, 35.7));  // KO75's corners, clear of its mark
        QVERIFY(!differs(54.5, 35) && !differs(55.5, 33.3));     // KO74 and KO65
        // The squares' lines at their radius, KO75's southern among them,
        // and not beyond it.
        scene.radiusKm = map::style::SquaresWithinKm + 1e-6;
        const QPoint south = pixelOf(renderer, bare.rect(), scene, {55, 35}).toPoint();
        QVERIFY(painted(renderer, scene, 600, &map::MapRenderer::paintBase).pixel(south) != bare.pixel(south));
    }

    // The beam table on paper: every page headed alike, the rows shared out
    // in their order, the figures flush right, the legend only where a
    // WAE-only country is listed, and the page's number.
    void writesBeamSheet()
    {
        std::vector<dxcc::BeamRow> rows = dxcc::beamTable(systemCountries(), {55.77, 37.625}, dxcc::BeamOrder::Prefix);
        for (const bool withWae : {true, false}) {
            if (!withWae)
                rows.erase(std::remove_if(rows.begin(), rows.end(), [](auto& row) { return row.entity->waeOnly; }),
                           rows.end());
            WrittenPages sheet;
            map::paintBeamSheet(sheet, rows, QStringLiteral("Азимуты"));
            QStringList prefixes;
            int flushWithKm = 0;
            const qsizetype count = qsizetype(sheet.pages.size());
            for (qsizetype i = 0; i < count; ++i) {
                const std::vector<WrittenPages::Text>& page = sheet.pages[std::size_t(i)];
                QCOMPARE(page[0].text + page[1].text, QStringLiteral("АзимутыПрефикс"));
                QCOMPARE(page.back().text, QStringLiteral("лист %1 из %2").arg(i + 1).arg(count));
                QCOMPARE(page.rbegin()[1].text == QStringLiteral("* — только для WAE"), withWae);
                const auto km = std::find_if(page.begin(), page.end(), [](auto& text) { return text.text == "Км"; });
                for (const WrittenPages::Text& text : page) {
                    if (text.left == page[1].left && text.text != page[1].text)
                        prefixes << text.text;
                    flushWithKm += qFuzzyCompare(text.right, km->right);
                }
            }
            QVERIFY(count > 1);
            QCOMPARE(flushWithKm, rows.size() + count);
            for (const dxcc::BeamRow& row : rows)
                QCOMPARE(prefixes.takeFirst(), QString::fromStdString((row.entity->waeOnly ? "*" : "") + row.entity->prefix));
        }
    }

    // One-letter prefixes first, alphabetically; no WAE-only entity; a
    // prefix written as it is called.
    void ordersPrefixes()
    {
        const std::vector<const dxcc::Entity*> order = map::entitiesByImportance(systemCountries());
        QCOMPARE(order[0]->prefix + order[1]->prefix + order[3]->prefix + order[4]->prefix, std::string("FGK1A"));
        QVERIFY(std::none_of(order.begin(), order.end(), [](const dxcc::Entity* e) { return e->waeOnly; }));
        QCOMPARE(map::prefixText(entityOf("3D2/c")), QStringLiteral("3D2"));
    }
};

QTEST_MAIN(TestMap)
#include "test_map.moc"
