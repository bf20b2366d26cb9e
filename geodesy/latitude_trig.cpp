#include "geodesy/latitude_trig.h"

#include "geodesy/great_circle.h"
#include "geodesy/locator.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace geodesy {
namespace {

constexpr int Fields = 18;
constexpr int Squares = 10;
constexpr int Subsquares = 24;

struct Row {
    double radians;
    LatitudeTrig trig;
};

// The centres of the 4,320 rows of subsquares from south to north, their
// latitudes computed as a decoded locator's are, so that they compare equal.
std::vector<Row> subsquareRows()
{
    std::vector<Row> rows;
    rows.reserve(Fields * Squares * Subsquares);
    for (int field = 0; field < Fields; ++field)
        for (int square = 0; square < Squares; ++square)
            for (int subsquare = 0; subsquare < Subsquares; ++subsquare) {
                const double radians = toRadians(centreLatitude(field, square, subsquare));
                rows.push_back({radians, {std::sin(radians), std::cos(radians), std::tan(radians)}});
            }
    return rows;
}

} // namespace

LatitudeTrig latitudeTrig(double radians, bool withTangent)
{
    static const std::vector<Row> rows = subsquareRows();
    // A centre stands half a row above its row's southern edge, so its row is
    // found by rounding down, whatever the error in the conversion.
    constexpr double RowsPerRadian = 180 * Subsquares / Pi;
    const double row = std::floor(radians * RowsPerRadian + 90 * Subsquares);
    if (row >= 0 && row < double(rows.size())) {
        const Row& known = rows[static_cast<std::size_t>(row)];
        if (known.radians == radians)
            return known.trig;
    }
    return {std::sin(radians), std::cos(radians), withTangent ? std::tan(radians) : 0};
}

} // namespace geodesy
