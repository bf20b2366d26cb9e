#include "map/png_file.h"

#include <QtEndian>

#include <zlib.h>

#include <vector>

namespace map {

namespace {

void appendBigEndian(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// A chunk is its data's length, its type, its data, and the CRC of type and
// data. The data are appended by `data`, in place.
template <typename Data>
void appendChunk(QByteArray& out, const char (&type)[5], Data data)
{
    const qsizetype lengthAt = out.size();
    appendBigEndian(out, 0);
    out.append(type, 4);
    data(out);
    const qsizetype size = out.size() - lengthAt - 8;
    qToBigEndian(quint32(size), out.data() + lengthAt);
    appendBigEndian(out, quint32(crc32(0, reinterpret_cast<const Bytef*>(out.constData() + lengthAt + 4),
                                       uInt(4 + size))));
}

// The rows as IDAT holds them, deflated a row at a time so that no second
// copy of the picture is made: each row is its filter type, 0 for none,
// then red, green and blue a pixel.
void appendDeflatedRows(QByteArray& out, const QImage& rgb)
{
    z_stream stream{};
    deflateInit(&stream, Z_BEST_SPEED);
    std::vector<Bytef> row(1 + 3 * std::size_t(rgb.width()));
    Bytef piece[1 << 16];
    for (int y = 0; y <= rgb.height(); ++y) {
        const bool last = y == rgb.height();
        if (!last) {
            const auto* pixel = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            Bytef* at = row.data();
            *at++ = 0;
            for (int x = 0; x < rgb.width(); ++x) {
                *at++ = Bytef(qRed(pixel[x]));
                *at++ = Bytef(qGreen(pixel[x]));
                *at++ = Bytef(qBlue(pixel[x]));
            }
        }
        stream.next_in = row.data();
        stream.avail_in = last ? 0 : uInt(row.size());
        do {
            stream.next_out = piece;
            stream.avail_out = sizeof piece;
            deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            out.append(reinterpret_cast<const char*>(piece), qsizetype(sizeof piece - stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
}

} // namespace

QByteArray pngFile(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray header;
    appendBigEndian(header, quint32(rgb.width()));
    appendBigEndian(header, quint32(rgb.height()));
    header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, filters by row, not interlaced

    QByteArray file("\x89PNG\r\n\x1a\n", 8);
    appendChunk(file, "IHDR", [&header](QByteArray& out) { out.append(header); });
    appendChunk(file, "IDAT", [&rgb](QByteArray& out) { appendDeflatedRows(out, rgb); });
    appendChunk(file, "IEND", [](QByteArray&) {});
    return file;
}

} // namespace map
