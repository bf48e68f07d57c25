// Draws an SVG picture into a PNG of the given size: the build makes the program's
// fixed-size icons with it.
//   render_icon <picture.svg> <size> <icon.png>
//       a square of the size, the picture centred in it, keeping its proportions (the
//       icons of the desktop's icon theme)
//   render_icon --fitted <picture.svg> <size> <icon.png>
//       the picture scaled to fit the size, keeping its proportions, on a picture just
//       as large, pixel for pixel as the program's icons draw it (ResourceFork::GetIcon);
//       its rows are stored unfiltered, so that it is quick to read
#include "framework/fitted_picture.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QSvgRenderer>
#include <QtEndian>

#include <array>
#include <cstdio>
#include <cstring>

namespace {

quint32 crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> made{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            made[n] = c;
        }
        return made;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    const QByteArray typed = QByteArray(type, 4) + data;
    png += bigEndian(quint32(data.size())) + typed + bigEndian(crc32(typed));
}

// A PNG (8-bit RGBA) whose rows are not filtered. Qt's own writer lets each row take
// the filter that compresses it best, and undoing the filters costs a reader more than
// decompressing the rows.
bool saveUnfilteredPng(const QImage& picture, const QString& path)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    QByteArray rows;
    for (int y = 0; y < rgba.height(); ++y) {
        rows += '\0'; // the row's filter: none
        rows += QByteArray(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
    }
    QByteArray header = bigEndian(quint32(rgba.width())) + bigEndian(quint32(rgba.height()));
    header += QByteArray("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no filter method, no interlace
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", qCompress(rows, 9).mid(4)); // qCompress puts the length before the zlib stream
    appendChunk(png, "IEND", QByteArray());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
}

} // namespace

int main(int argc, char** argv)
{
    const bool fitted = argc == 5 && std::strcmp(argv[1], "--fitted") == 0;
    if (argc != 4 && !fitted) {
        std::fprintf(stderr, "Usage: %s [--fitted] <picture.svg> <size> <icon.png>\n", argv[0]);
        return 2;
    }
    const char* const* args = argv + (fitted ? 2 : 1);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(args[1]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 4096) {
        std::fprintf(stderr, "render_icon: the size must be a whole number from 1 to 4096, not '%s'\n", args[1]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(args[0]));
    if (!renderer.isValid() || renderer.viewBoxF().isEmpty() || (fitted && renderer.defaultSize().isEmpty())) {
        std::fprintf(stderr, "render_icon: %s is not a picture that can be drawn\n", args[0]);
        return 1;
    }

    QImage icon;
    if (fitted) {
        icon = fw::drawnToFit(renderer, QSize(size, size));
    } else {
        QSizeF drawn = renderer.viewBoxF().size();
        drawn.scale(size, size, Qt::KeepAspectRatio);
        const QRectF target(QPointF((size - drawn.width()) / 2, (size - drawn.height()) / 2), drawn);
        icon = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, target);
    }

    const QString path = QString::fromLocal8Bit(args[2]);
    if (!(fitted ? saveUnfilteredPng(icon, path) : icon.save(path, "PNG"))) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", args[2]);
        return 1;
    }
    return 0;
}
