// readPn2 on any bytes: a shape list or a failure, never a crash.

#include "invariant.h"

#include "map/pn2.h"

#include <variant>

FUZZ_TARGET(text)
{
    const auto read = map::readPn2(text.data(), text.size());
    const auto* shapes = std::get_if<std::vector<map::Shape>>(&read);
    if (!shapes)
        return;
    // Every point read lies on the globe, and every node took bytes: an
    // absolute node six, a relative one two.
    std::size_t points = 0;
    for (const map::Shape& shape : *shapes) {
        FUZZ_REQUIRE(shape.kind >= map::ShapeKind::Line && shape.kind <= map::ShapeKind::Inner);
        for (const geodesy::Position& p : shape.points) {
            FUZZ_REQUIRE(p.latitude >= -90 && p.latitude <= 90);
            FUZZ_REQUIRE(p.longitude >= -180 && p.longitude <= 180);
        }
        points += shape.points.size();
    }
    FUZZ_REQUIRE(2 * points <= text.size());
    // Cut by a byte, a file that read is too short.
    if (!text.empty())
        FUZZ_REQUIRE(std::holds_alternative<map::Pn2Failure>(map::readPn2(text.data(), text.size() - 1)));
}
