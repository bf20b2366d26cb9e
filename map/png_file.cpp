#include "map/png_file.h"

#include "threads/both_at_once.h"

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

// The bytes of a row as IDAT holds it: its filter type, 0 for none, then
// red, green and blue a pixel.
std::size_t rowBytes(int width) { return 1 + 3 * std::size_t(width); }

// Rows `from` to `to` as IDAT holds them, deflated a row at a time so that
// no second copy of the picture is made. A raw deflate stream, ended on a
// byte (the last part: finished), so that the parts join into one; with
// the Adler-32 of what it took in.
QByteArray deflatedRows(const QImage& rgb, int from, int to, bool lastPart, uLong* adler)
{
    QByteArray out;
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    const int width = rgb.width();
    std::vector<Bytef> row(rowBytes(width));
    // Room for the worst case, so that the stream is never moved as it
    // grows: what is not written is never touched.
    out.reserve(qsizetype(deflateBound(&stream, uLong(row.size()) * uLong(to - from))));
    Bytef piece[1 << 16];
    *adler = adler32(0, nullptr, 0);
    for (int y = from; y <= to; ++y) {
        const bool end = y == to;
        if (!end) {
            const auto* pixel = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            Bytef* at = row.data();
            *at++ = 0;
            for (int x = 0; x < width; ++x) {
                *at++ = Bytef(qRed(pixel[x]));
                *at++ = Bytef(qGreen(pixel[x]));
                *at++ = Bytef(qBlue(pixel[x]));
            }
            *adler = adler32(*adler, row.data(), uInt(row.size()));
        }
        stream.next_in = row.data();
        stream.avail_in = end ? 0 : uInt(row.size());
        do {
            stream.next_out = piece;
            stream.avail_out = sizeof piece;
            deflate(&stream, !end ? Z_NO_FLUSH : lastPart ? Z_FINISH : Z_FULL_FLUSH);
            out.append(reinterpret_cast<const char*>(piece), qsizetype(sizeof piece - stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return out;
}

// The zlib stream of all the rows: its two halves deflated at once, on two
// processor cores where there are, as a zlib header, the two raw streams
// joined, and the whole's Adler-32.
void appendDeflatedRows(QByteArray& out, const QImage& rgb)
{
    const int half = rgb.height() / 2;
    uLong firstAdler = 0, secondAdler = 0;
    QByteArray first, second;
    threads::bothAtOnce([&] { first = deflatedRows(rgb, 0, half, false, &firstAdler); },
                        [&] { second = deflatedRows(rgb, half, rgb.height(), true, &secondAdler); });
    const auto secondLength = z_off_t(std::size_t(rgb.height() - half) * rowBytes(rgb.width()));
    constexpr qsizetype ZlibHeader = 2, Adler32 = 4;
    constexpr qsizetype Crc = 4, EmptyChunk = 12;  // what follows: IDAT's CRC, IEND
    out.reserve(out.size() + ZlibHeader + first.size() + second.size() + Adler32 + Crc + EmptyChunk);
    out.append("\x78\x01", ZlibHeader);  // deflate, 32 KiB window, fastest level
    out.append(first);
    out.append(second);
    appendBigEndian(out, quint32(adler32_combine(firstAdler, secondAdler, secondLength)));
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
