// Draws the program's pictures and writes them into the folder given on the
// command line (resources/ when run by the draw-pictures target):
//   azidal.png, azidal-48.png, azidal-64.png  window and desktop icons
//   compass.bmp                               blank compass under the azimuth lines
//   hello.png                                 greeting that slides in the About window
// The icon and the compass are drawn pixel by pixel from the classic 16-colour
// palette, so they come out crisp and identical on every machine; only the
// greeting uses a font and smooth painting.

#include "geodesy/pi.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QStringList>
#include <QTextStream>

#include <cmath>

namespace {

// The 16 colours of the classic palette (the ones the pictures may use).
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kDarkRed = qRgb(128, 0, 0);
const QRgb kDarkCyan = qRgb(0, 128, 128);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kCyan = qRgb(0, 255, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kTransparent = qRgba(0, 0, 0, 0);

const QList<QRgb> kPalette16 = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

// Turns a picture painted without smoothing into a palette image of the 16
// colours (plus full transparency where used); any other colour is a drawing
// mistake and stops the program.
QImage toPalette16(const QImage& picture)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> table = kPalette16;
    bool transparent = false;
    for (int y = 0; y < argb.height() && !transparent; ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) == 0) {
                transparent = true;
                break;
            }
    if (transparent)
        table.append(kTransparent);

    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            QRgb c = argb.pixel(x, y);
            if (qAlpha(c) == 0)
                c = kTransparent;
            const qsizetype index = table.indexOf(c);
            if (index < 0)
                qFatal("colour %08x at (%d, %d) is not in the palette", c, x, y);
            indexed.setPixel(x, y, uint(index));
        }
    }
    return indexed;
}

// A glyph is rows of '#' (ink) and '.' (paper); it is stamped with square
// cells of `cell` pixels whose top-left is at (left, top).
void stamp(QImage& image, const QStringList& glyph, int left, int top, QRgb colour, int cell = 1)
{
    for (int row = 0; row < glyph.size(); ++row)
        for (int col = 0; col < glyph[row].size(); ++col)
            if (glyph[row][col] == QLatin1Char('#'))
                for (int dy = 0; dy < cell; ++dy)
                    for (int dx = 0; dx < cell; ++dx)
                        image.setPixel(left + col * cell + dx, top + row * cell + dy, colour);
}

// ---------------------------------------------------------------- icon

// 5 × 7 letters for the icon.
const QStringList kIconN = {
    "#...#",
    "##..#",
    "##..#",
    "#.#.#",
    "#..##",
    "#..##",
    "#...#",
};
const QStringList kIconS = {
    ".###.",
    "#...#",
    "#....",
    ".###.",
    "....#",
    "#...#",
    ".###.",
};

// The icon is designed on a 32 × 32 grid and drawn at whole multiples of it:
// a white map sheet ruled into squares, "N" and "S" in two corners and a blue
// arrow along the other diagonal, pointing north-east.
QImage drawIcon(int scale)
{
    const int size = 32 * scale;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(kTransparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(scale, scale);

        // Sheet with a black edge.
        p.fillRect(QRect(1, 1, 30, 30), QColor(kBlack));
        p.fillRect(QRect(2, 2, 28, 28), QColor(kWhite));

        // Grid: four squares a side.
        for (const int at : {9, 16, 23}) {
            p.fillRect(QRect(at, 2, 1, 28), QColor(kSilver));
            p.fillRect(QRect(2, at, 28, 1), QColor(kSilver));
        }

        // Arrow from the south-west corner to the north-east one, on the
        // diagonal x + y = 31 so that head and shaft stay symmetric.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(kBlue));
        const QPolygon shaft({{4, 26}, {5, 27}, {22, 10}, {21, 9}});
        p.drawPolygon(shaft);
        const QPolygon head({{28, 3}, {17, 6}, {25, 14}});
        p.drawPolygon(head);
    }
    stamp(image, kIconN, 3 * scale, 3 * scale, kDarkRed, scale);
    stamp(image, kIconS, 24 * scale, 22 * scale, kBlack, scale);
    return image;
}

// ---------------------------------------------------------------- compass

// Letters around the compass ring; each glyph fills its box exactly.
const QStringList kCompassN = {  // 8 × 10
    "##....##",
    "###...##",
    "####..##",
    "##.##.##",
    "##.##.##",
    "##..####",
    "##..####",
    "##...###",
    "##....##",
    "##....##",
};
const QStringList kCompassE = {  // 7 × 10
    "#######",
    "#######",
    "##.....",
    "##.....",
    "######.",
    "######.",
    "##.....",
    "##.....",
    "#######",
    "#######",
};
const QStringList kCompassS = {  // 7 × 10
    ".#####.",
    "##...##",
    "##.....",
    "###....",
    ".#####.",
    "....###",
    ".....##",
    ".....##",
    "##...##",
    ".#####.",
};
const QStringList kCompassW = {  // 14 × 10
    "##....##....##",
    "##....##....##",
    "##....##....##",
    "##...####...##",
    ".##..####..##.",
    ".##..#..#..##.",
    ".##.##..##.##.",
    "..###....###..",
    "..###....###..",
    "..##......##..",
};

// Filled ellipse touching every side of `box`, grey inside, black rim, with a
// black slot across it.
void drawScrew(QImage& image, const QRect& box)
{
    const double cx = box.left() + box.width() / 2.0;
    const double cy = box.top() + box.height() / 2.0;
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    auto inside = [&](int x, int y) {
        const double dx = (x + 0.5 - cx) / rx;
        const double dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (!inside(x, y))
                continue;
            const bool rim = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1)
                || !inside(x, y + 1);
            image.setPixel(x, y, rim ? kBlack : kSilver);
        }
    }
    // Slot from upper left to lower right, kept off the rim, with a dark
    // shadow under it.
    const int span = std::min(box.width(), box.height()) - 6;
    const int x0 = int(std::floor(cx - span / 2.0));
    const int y0 = int(std::floor(cy - span / 2.0));
    for (int i = 0; i < span; ++i) {
        image.setPixel(x0 + i, y0 + i, kBlack);
        image.setPixel(x0 + i, y0 + i + 1, kGrey);
    }
}

// Compass rose: four long points to the circle at N, E, S, W and four short
// ones between them; every point is split along its axis into a light and a
// dark half, as on a printed compass card.
void drawStar(QPainter& p, QPointF centre, double longRadius, double shortRadius, double waist)
{
    p.setPen(Qt::NoPen);
    auto at = [&](double degreesFromNorth, double radius) {
        const double r = geodesy::trueRadians(degreesFromNorth);
        return QPointF(centre.x() + radius * std::sin(r), centre.y() - radius * std::cos(r));
    };
    // Short points first, so the long ones lie on top of them.
    for (const double length : {shortRadius, longRadius}) {
        const double first = length == longRadius ? 0.0 : 45.0;
        for (int k = 0; k < 4; ++k) {
            const double a = first + 90.0 * k;
            const QPointF tip = at(a, length);
            p.setBrush(QColor(kCyan));
            p.drawPolygon(QPolygonF({centre, at(a - 45.0, waist), tip}));
            p.setBrush(QColor(kDarkCyan));
            p.drawPolygon(QPolygonF({centre, tip, at(a + 45.0, waist)}));
        }
    }
}

QImage drawCompass()
{
    QImage image(244, 238, QImage::Format_ARGB32);
    image.fill(kWhite);

    // Dotted yellow border along the four edges.
    for (int x = 0; x < image.width(); x += 2) {
        image.setPixel(x, 0, kYellow);
        image.setPixel(x, image.height() - 1, kYellow);
    }
    for (int y = 0; y < image.height(); y += 2) {
        image.setPixel(0, y, kYellow);
        image.setPixel(image.width() - 1, y, kYellow);
    }

    // The star's axes run along whole pixel rows and columns (116 and 115)
    // so that its points come out symmetric.
    const QPoint starCentre(116, 115);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        drawStar(p, QPointF(starCentre) + QPointF(0.5, 0.5), 96.0, 50.0, 13.0);
    }
    // The ring's pixels run from x 20 to 211 and y 19 to 211: within a
    // pixel of the azimuth lines' centre (116, 114) and radius 96, which the
    // overlay's tick marks must meet.
    const double cx = 115.5, cy = 115.0, rx = 95.5, ry = 96.0;
    for (int step = 0; step < 4000; ++step) {
        const double r = step * 2.0 * geodesy::TruePi / 4000.0;
        image.setPixel(int(std::floor(cx + rx * std::cos(r) + 0.5)),
                       int(std::floor(cy + ry * std::sin(r) + 0.5)), kBlack);
    }
    // Thin tips fade out when rasterised: carry each long point along its
    // axis until it meets the ring.
    for (const QPoint step : {QPoint(0, -1), QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0)}) {
        QPoint at = starCentre;
        QRgb colour = image.pixel(at);
        for (at += step; image.valid(at) && image.pixel(at) != kBlack; at += step) {
            if (image.pixel(at) == kWhite)
                image.setPixel(at, colour);
            colour = image.pixel(at);
        }
    }

    stamp(image, kCompassN, 113, 6, kRed);
    stamp(image, kCompassE, 215, 107, kRed);
    stamp(image, kCompassS, 113, 216, kRed);
    stamp(image, kCompassW, 4, 108, kRed);

    drawScrew(image, QRect(QPoint(6, 6), QPoint(17, 19)));
    drawScrew(image, QRect(QPoint(213, 6), QPoint(224, 18)));
    drawScrew(image, QRect(QPoint(6, 212), QPoint(17, 224)));
    drawScrew(image, QRect(QPoint(212, 211), QPoint(222, 223)));
    return image;
}

// ---------------------------------------------------------------- greeting

// A small card: "Привет!" and "73!" on a sky, with a mast carrying a beam
// antenna that sends out waves.
QImage drawHello()
{
    QImage image(159, 78, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    QLinearGradient sky(0, 0, 0, 78);
    sky.setColorAt(0.0, QColor(120, 180, 255));
    sky.setColorAt(0.75, QColor(215, 235, 255));
    sky.setColorAt(1.0, QColor(255, 250, 215));
    p.fillRect(image.rect(), sky);

    // Sun in the upper left corner.
    QRadialGradient sun(QPointF(14, 12), 11);
    sun.setColorAt(0.0, QColor(255, 250, 190));
    sun.setColorAt(0.6, QColor(255, 215, 60));
    sun.setColorAt(1.0, QColor(255, 215, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(14, 12), 11, 11);

    // Green hill with the mast on it.
    QPainterPath hill;
    hill.moveTo(92, 78);
    hill.cubicTo(104, 62, 140, 58, 159, 64);
    hill.lineTo(159, 78);
    hill.closeSubpath();
    p.setBrush(QColor(70, 160, 70));
    p.drawPath(hill);

    // Lattice mast.
    const QPointF foot(134, 64), top(134, 24);
    p.setPen(QPen(QColor(70, 70, 90), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(129, 66), top);
    p.drawLine(QPointF(139, 66), top);
    p.setPen(QPen(QColor(70, 70, 90), 0.8));
    for (int i = 0; i < 4; ++i) {
        const double y0 = 64 - i * 9.0, y1 = y0 - 9.0;
        const double w0 = 5.0 * (y0 - top.y()) / (foot.y() - top.y());
        const double w1 = 5.0 * (y1 - top.y()) / (foot.y() - top.y());
        p.drawLine(QPointF(134 - w0, y0), QPointF(134 + w1, y1));
        p.drawLine(QPointF(134 + w0, y0), QPointF(134 - w1, y1));
    }

    // Beam with its elements, seen from the side.
    p.setPen(QPen(QColor(60, 60, 80), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(120, 22), QPointF(150, 22));
    p.setPen(QPen(QColor(200, 60, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    const double elements[][2] = {{122, 9}, {129, 8}, {136, 7}, {143, 6}, {149, 5}};
    for (const auto& e : elements)
        p.drawLine(QPointF(e[0], 22 - e[1]), QPointF(e[0], 22 + e[1]));

    // Waves leaving the antenna towards the text.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double r = 6.0 + 5.0 * i;
        p.setPen(QPen(QColor(255, 255, 255, 230 - 50 * i), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(118 - r, 22 - r, 2 * r, 2 * r), 150 * 16, 60 * 16);
    }

    // The greeting, with a soft shadow.
    QFont big(QStringLiteral("Liberation Sans"));
    big.setPixelSize(26);
    big.setBold(true);
    big.setItalic(true);
    p.setFont(big);
    const QRectF greetingBox(4, 20, 112, 32);
    p.setPen(QColor(40, 60, 120, 110));
    p.drawText(greetingBox.translated(1.5, 1.5), Qt::AlignCenter, QStringLiteral("Привет!"));
    p.setPen(QColor(20, 40, 170));
    p.drawText(greetingBox, Qt::AlignCenter, QStringLiteral("Привет!"));

    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(16);
    small.setBold(true);
    p.setFont(small);
    const QRectF seventyThree(4, 52, 112, 22);
    p.setPen(QColor(190, 40, 30));
    p.drawText(seventyThree, Qt::AlignCenter, QStringLiteral("73!"));

    // Thin frame around the card.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 60, 120), 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    p.end();

    return image.convertToFormat(QImage::Format_RGB888);
}

bool save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!image.save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // The greeting needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: draw_pictures OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(args[1]);

    const QImage icon64 = drawIcon(2);
    // 48 px is not a whole multiple of the design grid: scale the 64 px
    // drawing down smoothly instead of letting cells come out uneven.
    const QImage icon48 = icon64.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    bool ok = true;
    ok = save(toPalette16(drawIcon(1)), folder, QStringLiteral("azidal.png")) && ok;
    ok = save(icon48, folder, QStringLiteral("azidal-48.png")) && ok;
    ok = save(toPalette16(icon64), folder, QStringLiteral("azidal-64.png")) && ok;
    // Read at every start-up: a bitmap is read in a third of a PNG's time.
    ok = save(toPalette16(drawCompass()), folder, QStringLiteral("compass.bmp")) && ok;
    ok = save(drawHello(), folder, QStringLiteral("hello.png")) && ok;
    return ok ? 0 : 1;
}
