#include "graphics.h"

#include "exceptions.h"
#include "numbers.h"
#include "picture.h"
#include "shapes.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace fw {

namespace {

// The part of a rectangle that lies on a target of the given size, computed in 64
// bits so that no sum of Int32 coordinates can overflow.
std::optional<QRect> onTarget(int x, int y, int width, int height, QSize target)
{
    if (width <= 0 || height <= 0)
        return std::nullopt;
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, target.width());
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + height, target.height());
    if (right <= left || bottom <= top)
        return std::nullopt;
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

// The centre of a vector picture, rounded the same way as the program rounds its
// own half sizes, so that a drawing at the centre and the backdrop coincide.
QPointF vectorOrigin(const Picture& picture)
{
    return QPointF(toInt32(picture.Width() / 2.0), toInt32(picture.Height() / 2.0));
}

} // namespace

Graphics::Graphics(std::function<QImage&()> image, std::function<void()> changed)
    : image_(std::move(image)), changed_(std::move(changed))
{
}

Graphics::Graphics(QPainter& painter, QSize size, QColor background)
    : painter_(&painter), size_(size), background_(background)
{
}

int Graphics::Width() const
{
    return painter_ ? size_.width() : image_().width();
}

int Graphics::Height() const
{
    return painter_ ? size_.height() : image_().height();
}

template <typename Draw>
void Graphics::paint(Draw&& draw)
{
    if (painter_) {
        painter_->save();
        painter_->setClipRect(QRect(QPoint(0, 0), size_), Qt::IntersectClip);
        draw(*painter_, size_);
        painter_->restore();
        return;
    }
    QImage& image = image_();
    if (image.isNull())
        return;
    {
        QPainter painter(&image);
        draw(painter, image.size());
    }
    if (changed_)
        changed_();
}

void Graphics::FillRect(int x, int y, int width, int height)
{
    paint([&](QPainter& painter, QSize target) {
        if (const auto area = onTarget(x, y, width, height, target))
            painter.fillRect(*area, foreColor_);
    });
}

void Graphics::ClearRect(int x, int y, int width, int height)
{
    paint([&](QPainter& painter, QSize target) {
        const auto area = onTarget(x, y, width, height, target);
        if (!area)
            return;
        if (painter_) {
            painter.fillRect(*area, background_);
        } else {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(*area, Qt::transparent);
        }
    });
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y)
{
    nonNil(picture.get(), "picture");
    DrawPicture(picture, x, y, picture->Width(), picture->Height(), 0, 0, picture->Width(), picture->Height());
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y, int width, int height,
                           int sourceX, int sourceY, int sourceWidth, int sourceHeight)
{
    nonNil(picture.get(), "picture");
    const QRectF target(x, y, width, height);
    const QRectF source(sourceX, sourceY, sourceWidth, sourceHeight);
    paint([&](QPainter& painter, QSize) { paintPicture(painter, *picture, target, source); });
}

void Graphics::DrawObject(const std::shared_ptr<Object2D>& object, int x, int y)
{
    nonNil(object.get(), "object");
    paint([&](QPainter& painter, QSize) {
        painter.translate(x, y);
        object->draw(painter);
    });
}

void paintPicture(QPainter& painter, const Picture& picture, const QRectF& target, const QRectF& source)
{
    if (target.width() <= 0 || target.height() <= 0 || source.width() <= 0 || source.height() <= 0)
        return;
    painter.save();
    if (picture.isVector()) {
        if (const auto objects = picture.Objects()) {
            // Map the source rectangle of the picture onto the target, then draw the
            // objects around the picture's centre.
            painter.setClipRect(target, Qt::IntersectClip);
            painter.translate(target.topLeft());
            painter.scale(target.width() / source.width(), target.height() / source.height());
            painter.translate(-source.topLeft() + vectorOrigin(picture));
            objects->draw(painter);
        }
    } else if (!picture.image().isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(target, picture.image(), source);
    }
    painter.restore();
}

} // namespace fw
