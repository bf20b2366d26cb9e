#pragma once

#include "map/pn2.h"

#include <vector>

namespace map {

// The world the map shows: Natural Earth at 1:50 m, public domain, as
// Debian's marble-qt-data ships it, compiled into the program. The land is
// rings (outer rings and their holes), the borders between countries on
// land are lines.
struct World {
    std::vector<Shape> land;
    std::vector<Shape> borders;
};

// Read once, on first use; the data are part of the program.
const World& world();

} // namespace map
