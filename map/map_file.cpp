#include "map/map_file.h"

#include "geodesy/figure_texts.h"
#include "map/large_image.h"
#include "map/png_file.h"
#include "paper/paper.h"

#include <QBuffer>
#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <utility>

namespace map {
namespace {

// What the generator draws, between its definitions and the end.
QByteArray drawing(const QByteArray& svg)
{
    const qsizetype from = svg.indexOf("</defs>") + qsizetype(sizeof "</defs>" - 1);
    return svg.mid(from, svg.lastIndexOf("</svg>") - from);
}

// Qt's generator writes no clipping, and SVG Tiny, which it declares, has
// none: the disc's part is written inside a clip of its own, in full SVG.
std::optional<QByteArray> svgFile(const MapRenderer& renderer, const MapScene& scene, const QRectF& square)
{
    const std::optional<QByteArray> frame
        = paper::svg(square, scene.title, [&](QPainter& p) { renderer.paintFrame(p, square, scene); });
    const std::optional<QByteArray> disc
        = paper::svg(square, scene.title, [&](QPainter& p) { renderer.paintDisc(p, square, scene); });
    if (!frame || !disc)
        return std::nullopt;
    QByteArray head = frame->left(frame->indexOf("</defs>"));
    head.replace("version=\"1.2\" baseProfile=\"tiny\"", "version=\"1.1\"");
    const QPointF centre = MapRenderer::discCentre(square, scene);
    return head + "<clipPath id=\"disc\"><circle cx=\"" + QByteArray::number(centre.x()) + "\" cy=\""
        + QByteArray::number(centre.y()) + "\" r=\"" + QByteArray::number(MapRenderer::discRadius(square, scene))
        + "\"/></clipPath>\n</defs>" + drawing(*frame) + "<g clip-path=\"url(#disc)\">" + drawing(*disc)
        + "</g>\n</svg>\n";
}

} // namespace

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

std::variant<QByteArray, MapFileFailure> mapFile(const MapRenderer& renderer, const MapScene& scene,
                                                 MapFormat format, const MapFileOptions& options)
{
    const QRectF square(0, 0, options.sizePixels, options.sizePixels);
    switch (format) {
    case MapFormat::Png: {
        QImage image = largeImage(options.sizePixels, options.sizePixels);
        if (image.isNull())
            return MapFileFailure::TooLittleMemory;
        QPainter painter(&image);
        renderer.paint(painter, square, scene);
        painter.end();
        return pngFile(image);
    }
    case MapFormat::Svg:
        if (std::optional<QByteArray> svg = svgFile(renderer, scene, square))
            return *std::move(svg);
        return MapFileFailure::NoSvgWriter;
    case MapFormat::Pdf:
        break;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(options.page);
    pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(scene.title);
    QPainter painter(&pdf);
    renderer.paint(painter, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(300).size()), scene);
    painter.end();
    return bytes;
}

} // namespace map
