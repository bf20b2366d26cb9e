#include "map/map_file.h"

#include "geodesy/figure_texts.h"
#include "map/png_file.h"

#include <QBuffer>
#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace map {


QString mapTitle(const MapStation& own, std::optional<double> nightAt)
{
    const auto place = geodesy::positionText(own.position);
    QString title = QStringLiteral("%1 — %2").arg(own.locator, QString::fromUtf8(place.view().data(),
                                                                                 qsizetype(place.view().size())));
    if (nightAt)
        title += QStringLiteral(" — ") + QDateTime::fromSecsSinceEpoch(qint64(*nightAt), Qt::UTC)
                                           .toString(QStringLiteral("dd.MM.yyyy HH:mm")) + QStringLiteral(" UTC");
    return title;
}

std::optional<MapFormat> mapFormatOf(const QString& fileName)
{
    const QString name = fileName.toLower();
    if (name.endsWith(QLatin1String(".png")))
        return MapFormat::Png;
    if (name.endsWith(QLatin1String(".svg")))
        return MapFormat::Svg;
    if (name.endsWith(QLatin1String(".pdf")))
        return MapFormat::Pdf;
    return std::nullopt;
}

QByteArray mapFile(const MapRenderer& renderer, const MapScene& scene, MapFormat format,
                   const MapFileOptions& options)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QRectF square(0, 0, options.sizePixels, options.sizePixels);
    switch (format) {
    case MapFormat::Png: {
        QImage image(options.sizePixels, options.sizePixels, QImage::Format_RGB32);
        QPainter painter(&image);
        renderer.paint(painter, square, scene);
        painter.end();
        return pngFile(image);
    }
    case MapFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(square.size().toSize());
        svg.setViewBox(square);
        svg.setTitle(scene.title);
        QPainter painter(&svg);
        renderer.paint(painter, square, scene);
        break;
    }
    case MapFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(options.page);
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(scene.title);
        QPainter painter(&pdf);
        renderer.paint(painter, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(300).size()), scene);
        break;
    }
    }
    return bytes;
}

} // namespace map
