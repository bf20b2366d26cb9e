#pragma once

#include "geodesy/position.h"

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

namespace map {

// Shapes as Marble's .pn2 files keep Natural Earth's data: big-endian; a
// header of the version (2), the number of shapes and whether shapes carry a
// colour; then each shape: its kind, its feature's id (a colour index follows
// a new id when colours are carried) and its nodes. A node is absolute,
// latitude and longitude in 1/120 degree, followed by as many relative
// nodes, one byte of each a step from it, as it says. A multi shape holds a
// count of such shapes.

enum class ShapeKind {
    Line,   // a line string, open
    Ring,   // a ring on its own
    Outer,  // the outer ring of a polygon
    Inner,  // a hole in the polygon before it
};

struct Shape {
    ShapeKind kind;
    std::uint32_t feature;
    std::vector<geodesy::Position> points;  // in degrees
};

enum class Pn2Failure {
    Truncated,           // the data ends inside the header or a shape
    UnknownVersion,      // a version other than 2
    UnknownKind,         // a shape kind beyond the five
    BeyondTheGlobe,      // a latitude beyond 90 or a longitude beyond 180 degrees
    BytesAfterTheShapes  // more data than the header's shapes hold
};

// Every shape of a file, in order, its multi shapes opened into their parts;
// or why the data is no such file. Read exactly to its last byte.
std::variant<std::vector<Shape>, Pn2Failure> readPn2(const char* data, std::size_t size);

} // namespace map
