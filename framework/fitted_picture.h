#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSvgRenderer>

namespace fw {

// The picture scaled to fit the size, keeping its proportions, on an image just as
// large: how an icon draws a size from its picture. The build draws an icon's fixed
// sizes with it too, so that a size read from a file is the one the icon would draw.
// A null image when the picture has no size.
inline QImage drawnToFit(QSvgRenderer& renderer, const QSize& size)
{
    const QSize fit = renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
    if (fit.isEmpty())
        return {};
    QImage image(fit, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    } // the painter ends before the image is handed on
    return image;
}

} // namespace fw
