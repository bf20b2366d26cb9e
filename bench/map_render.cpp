// The map's speed where the window needs it: re-centring (the world
// projected anew and its picture painted), and a repaint once projected (the
// picture of the world kept, the heading, the stations and every label
// placed anew over it, the prefixes of Debian's country file among them), at
// 1000 x 1000, on the whole Earth and at 3,000 km. Medians of runs; with a
// folder named, the pictures are left there to look at.

#include "dxcc/country_file_load.h"
#include "map/map_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

map::MapScene sceneFor(const geodesy::Position& centre, const char* locator, const dxcc::CountryFile* countries,
                       double radiusKm)
{
    map::MapScene scene;
    scene.countries = countries;
    scene.showPrefixes = countries != nullptr;
    scene.radiusKm = radiusKm;
    scene.own = {centre, QString::fromLatin1(locator)};
    scene.correspondents = {{{52.5208, 13.375}, QStringLiteral("JO62QM")}};
    scene.heading = 267;
    scene.nightAt = 1781956800;  // 2026-06-20 12:00 UTC
    return scene;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QRectF target(0, 0, 1000, 1000);
    struct Centre {
        const char* name;
        geodesy::Position position;
        const char* locator;
    };
    const Centre centres[] = {{"moscow", {55.7708, 37.625}, "KO85TS"},
                              {"wellington", {-41.29, 174.78}, "RE78IR"},
                              {"azores", {38.72, -27.22}, "HM68KR"}};
    const auto loaded = dxcc::loadCountryFile(dxcc::SystemCountryFile);
    const auto* countries = std::get_if<dxcc::CountryFile>(&loaded);
    std::vector<double> recentre, repaint, projection, repaintNear;
    map::MapRenderer renderer(centres[0].position);
    for (int run = 0; run < 5; ++run)
        for (const Centre& centre : centres)
            for (const double radiusKm : {map::RimKm, 3000.0}) {
            QElapsedTimer clock;
            clock.start();
            renderer.setCentre(centre.position);
            const bool recentred = radiusKm == map::RimKm;  // the first of the centre's
            if (recentred)
                projection.push_back(clock.nsecsElapsed() / 1e6);
            const map::MapScene scene = sceneFor(centre.position, centre.locator, countries, radiusKm);
            QImage base(1000, 1000, QImage::Format_RGB32);
            QPainter painter(&base);
            renderer.paintBase(painter, target, scene);
            painter.end();
            if (recentred)
                recentre.push_back(clock.nsecsElapsed() / 1e6);

            clock.restart();
            QImage shown(1000, 1000, QImage::Format_RGB32);
            QPainter again(&shown);
            again.drawImage(0, 0, base);
            renderer.paintOverlay(again, target, scene);
            again.end();
            (radiusKm < map::RimKm ? repaintNear : repaint).push_back(clock.nsecsElapsed() / 1e6);
            if (!folder.isEmpty() && run == 0)
                shown.save(QStringLiteral("%1/%2-%3.png").arg(folder, QLatin1String(centre.name)).arg(radiusKm, 0, 'f', 0));
        }
    std::printf("re-centre: median %.1f ms, of which the projection %.1f ms\n"
                "repaint once projected, all labels placed: median %.1f ms on the whole Earth%s, %.1f ms at 3000 km\n",
                median(recentre), median(projection), median(repaint), countries ? " with the prefixes" : "",
                median(repaintNear));
    return 0;
}
