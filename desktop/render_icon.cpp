// Draws an SVG picture into a square PNG of the given size, centred and keeping its
// proportions: the build makes the program's fixed-size icons with it.
// Usage: render_icon <picture.svg> <size> <icon.png>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "Usage: %s <picture.svg> <size> <icon.png>\n", argv[0]);
        return 2;
    }
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 4096) {
        std::fprintf(stderr, "render_icon: the size must be a whole number from 1 to 4096, not '%s'\n", argv[2]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || renderer.viewBoxF().isEmpty()) {
        std::fprintf(stderr, "render_icon: %s is not a picture that can be drawn\n", argv[1]);
        return 1;
    }

    QSizeF drawn = renderer.viewBoxF().size();
    drawn.scale(size, size, Qt::KeepAspectRatio);
    const QRectF target(QPointF((size - drawn.width()) / 2, (size - drawn.height()) / 2), drawn);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, target);
    painter.end();

    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
