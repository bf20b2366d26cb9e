#pragma once

#include "tests/system_country_file.h"
#include "map/log_points.h"
#include "map/map_renderer.h"

#include <QImage>
#include <QPainter>

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

inline const dxcc::Entity& entityOf(const std::string& prefix)
{
    const auto& all = systemCountries().entities();
    return *std::find_if(all.begin(), all.end(), [&](const dxcc::Entity& e) { return e.prefix == prefix; });
}

inline std::variant<map::LogPoints, std::string> logPoints(const QByteArray& log,
                                                           const dxcc::CountryFile* countryFile = nullptr)
{
    qsizetype at = 0;
    return map::readLogPoints(
        [&](char* buffer, std::size_t size) {
            const std::size_t n = std::min(size, std::size_t(log.size() - at));
            std::memcpy(buffer, log.constData() + std::exchange(at, at + qsizetype(n)), n);
            return n;
        },
        countryFile);
}

// Where a point of the globe falls on a picture of the scene.
inline QPointF pixelOf(const map::MapRenderer& renderer, const QRectF& target, const map::MapScene& scene,
                       const geodesy::Position& point)
{
    const geodesy::MapPoint on = geodesy::project(renderer.cut().projection(), point);
    return map::MapRenderer::transform(target, scene).map(QPointF(on.x, on.y));
}

// The picture of the scene, or one layer of it: the base, which no label
// covers.
inline QImage painted(const map::MapRenderer& renderer, const map::MapScene& scene, int side,
                      void (map::MapRenderer::*layer)(QPainter&, const QRectF&, const map::MapScene&) const
                      = &map::MapRenderer::paint)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    (renderer.*layer)(painter, image.rect(), scene);
    return image;
}
