#pragma once

#include "map/map_renderer.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

#include <optional>
#include <variant>

namespace map {

enum class MapFormat { Png, Svg, Pdf };

// By the file's extension: .png, .svg, .pdf, in any case.
std::optional<MapFormat> mapFormatOf(const QString& fileName);

// A PNG's side, unless asked otherwise.
inline constexpr int DefaultSidePixels = 2000;

struct MapFileOptions {
    int sizePixels = DefaultSidePixels;            // a PNG's side; an SVG's view
    QPageSize page = QPageSize(QPageSize::A4);     // a PDF's one page
};

// Why a map's file could not be made: too little memory for a PNG's
// picture of its size, or no SVG writer, the program being installed
// incompletely.
enum class MapFileFailure { TooLittleMemory, NoSvgWriter };

// The picture as a file of that format holds it: a square PNG, an SVG, a
// PDF of one page with the map in the middle.
std::variant<QByteArray, MapFileFailure> mapFile(const MapRenderer& renderer, const MapScene& scene,
                                                 MapFormat format, const MapFileOptions& options);

} // namespace map
