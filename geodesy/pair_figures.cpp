#include "geodesy/pair_figures.h"

namespace geodesy {

PairFigures pairFigures(const Position& own, const Position& kor, bool withWgs84)
{
    PairFigures figures;
    figures.shortPath = greatCircle(toRadians(own.latitude), toRadians(own.longitude),
                                    toRadians(kor.latitude), toRadians(kor.longitude));
    if (figures.shortPath.distanceKm)
        figures.longPath = longPath(figures.shortPath.azimutPush, *figures.shortPath.distanceKm);
    if (withWgs84)
        figures.wgs84 = wgs84Path(own, kor);
    return figures;
}

} // namespace geodesy
