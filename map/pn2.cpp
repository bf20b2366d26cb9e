#include "map/pn2.h"

namespace map {
namespace {

constexpr int UnitsPerDegree = 120;
constexpr std::uint8_t MultiShape = 4;

// Big-endian numbers from the data, with a note of running out.
class Bytes {
public:
    Bytes(const char* data, std::size_t size) : data_(data), left_(size) {}

    bool ran() const { return ran_; }
    bool atEnd() const { return left_ == 0; }

    std::uint32_t unsignedNumber(int bytes)
    {
        if (left_ < static_cast<std::size_t>(bytes)) {
            ran_ = true;
            left_ = 0;
            return 0;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | static_cast<unsigned char>(data_[i]);
        data_ += bytes;
        left_ -= static_cast<std::size_t>(bytes);
        return value;
    }
    std::uint8_t byte() { return static_cast<std::uint8_t>(unsignedNumber(1)); }
    std::uint32_t word() { return unsignedNumber(4); }
    std::int16_t half() { return static_cast<std::int16_t>(unsignedNumber(2)); }
    std::int8_t step() { return static_cast<std::int8_t>(unsignedNumber(1)); }

    std::size_t left() const { return left_; }

private:
    const char* data_;
    std::size_t left_;
    bool ran_ = false;
};

bool onTheGlobe(int latitude, int longitude)
{
    return latitude >= -90 * UnitsPerDegree && latitude <= 90 * UnitsPerDegree
        && longitude >= -180 * UnitsPerDegree && longitude <= 180 * UnitsPerDegree;
}

// The nodes of one shape, after its kind and feature.
std::variant<Shape, Pn2Failure> readNodes(Bytes& bytes, std::uint8_t kind, std::uint32_t feature)
{
    Shape shape{static_cast<ShapeKind>(kind), feature, {}};
    const std::uint32_t absolute = bytes.word();
    // Each node takes at least six bytes: no count beyond what is left.
    if (absolute > bytes.left() / 6)
        return Pn2Failure::Truncated;
    shape.points.reserve(absolute);
    for (std::uint32_t node = 0; node < absolute && !bytes.ran(); ++node) {
        const int latitude = bytes.half();
        const int longitude = bytes.half();
        const int relatives = bytes.half();
        if (!onTheGlobe(latitude, longitude))
            return Pn2Failure::BeyondTheGlobe;
        shape.points.push_back({double(latitude) / UnitsPerDegree, double(longitude) / UnitsPerDegree});
        for (int i = 0; i < relatives && !bytes.ran(); ++i) {
            const int stepLatitude = latitude + bytes.step();
            const int stepLongitude = longitude + bytes.step();
            if (!onTheGlobe(stepLatitude, stepLongitude))
                return Pn2Failure::BeyondTheGlobe;
            shape.points.push_back({double(stepLatitude) / UnitsPerDegree, double(stepLongitude) / UnitsPerDegree});
        }
    }
    if (bytes.ran())
        return Pn2Failure::Truncated;
    return shape;
}

} // namespace

std::variant<std::vector<Shape>, Pn2Failure> readPn2(const char* data, std::size_t size)
{
    Bytes bytes(data, size);
    const std::uint8_t version = bytes.byte();
    const std::uint32_t count = bytes.word();
    const bool coloured = bytes.byte() != 0;
    if (bytes.ran())
        return Pn2Failure::Truncated;
    if (version != 2)
        return Pn2Failure::UnknownVersion;

    std::vector<Shape> shapes;
    std::uint32_t previousFeature = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t kind = bytes.byte();
        const std::uint32_t feature = bytes.word();
        if (bytes.ran())
            return Pn2Failure::Truncated;
        if (kind > MultiShape)
            return Pn2Failure::UnknownKind;
        if (coloured && feature != previousFeature)
            bytes.byte();  // the feature's colour, which the map draws its own way
        previousFeature = feature;
        // A multi shape's parts each say their kind and feature again.
        const int parts = kind == MultiShape ? bytes.byte() : 1;
        for (int part = 0; part < parts; ++part) {
            std::uint8_t partKind = kind;
            std::uint32_t partFeature = feature;
            if (kind == MultiShape) {
                partKind = bytes.byte();
                partFeature = bytes.word();
                if (partKind >= MultiShape)
                    return bytes.ran() ? Pn2Failure::Truncated : Pn2Failure::UnknownKind;
            }
            auto shape = readNodes(bytes, partKind, partFeature);
            if (const auto* failure = std::get_if<Pn2Failure>(&shape))
                return *failure;
            shapes.push_back(std::move(std::get<Shape>(shape)));
        }
    }
    // A multi shape cut before its count of parts reads as one of none.
    if (bytes.ran())
        return Pn2Failure::Truncated;
    if (!bytes.atEnd())
        return Pn2Failure::BytesAfterTheShapes;
    return shapes;
}

} // namespace map
