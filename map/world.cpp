#include "map/world.h"

#include <QFile>
#include <QtGlobal>

namespace map {
namespace {

std::vector<Shape> shapesOf(const char* resource)
{
    QFile file(QString::fromLatin1(resource));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    auto shapes = readPn2(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!std::holds_alternative<std::vector<Shape>>(shapes))
        qFatal("Данные карты %s в программе повреждены", resource);
    return std::move(std::get<std::vector<Shape>>(shapes));
}

} // namespace

const World& world()
{
    static const World loaded{shapesOf(":/naturalearth/ne_50m_land.pn2"),
                              shapesOf(":/naturalearth/ne_50m_admin_0_boundary_lines_land.pn2")};
    return loaded;
}

} // namespace map
