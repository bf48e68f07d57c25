#include "canvas.h"

#include "canvas_widget.h"
#include "picture.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace fw {

Canvas::Canvas() : RectControl(new CanvasWidget(this))
{
}

Canvas::~Canvas()
{
    if (CanvasWidget* w = canvasWidget())
        w->release();
}

CanvasWidget* Canvas::canvasWidget() const
{
    return static_cast<CanvasWidget*>(widget());
}

void Canvas::setUseFocusRing(bool use)
{
    useFocusRing_ = use;
    if (QWidget* w = widget())
        w->update();
}

void Canvas::setAcceptFocus(bool accept)
{
    acceptFocus_ = accept;
    if (QWidget* w = widget())
        w->setFocusPolicy(accept ? Qt::StrongFocus : Qt::NoFocus);
}

void Canvas::setBackdrop(std::shared_ptr<Picture> picture)
{
    backdrop_ = std::move(picture);
    if (QWidget* w = widget())
        w->update();
}

QSize Canvas::size() const
{
    return QSize(std::max(Width(), 0), std::max(Height(), 0));
}

// The layer follows the canvas's size; what was drawn stays at its place.
QImage& Canvas::layer()
{
    const QSize wanted = size();
    if (layer_.size() != wanted) {
        QImage resized(wanted, QImage::Format_ARGB32_Premultiplied);
        resized.fill(Qt::transparent);
        if (!layer_.isNull() && !resized.isNull()) {
            QPainter painter(&resized);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, layer_);
        }
        layer_ = std::move(resized);
    }
    return layer_;
}

fw::Graphics& Canvas::Graphics()
{
    if (!graphics_) {
        graphics_ = std::make_unique<fw::Graphics>([this]() -> QImage& { return layer(); },
                                                   [this] {
                                                       if (QWidget* w = widget())
                                                           w->update();
                                                   });
    }
    return *graphics_;
}

void Canvas::paintOn(QPainter& painter)
{
    const QSize area = size();
    if (backdrop_ && !(backdrop_->isVector() && Paint.isHandled())) {
        const QRectF whole(0, 0, backdrop_->Width(), backdrop_->Height());
        paintPicture(painter, *backdrop_, whole, whole);
    }
    // Only a canvas that code has drawn on has a layer: a paint makes none.
    if (!layer_.isNull())
        painter.drawImage(0, 0, layer_);

    QWidget* w = widget();
    fw::Graphics g(painter, area, w->palette().color(QPalette::Window));
    guardedCall([&] { Paint(g); });

    if (useFocusRing_ && w->hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(w);
        option.backgroundColor = w->palette().color(QPalette::Window);
        w->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, w);
    }
}

QImage Canvas::grab() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    if (QWidget* w = widget())
        w->render(&image, QPoint(), QRegion(QRect(QPoint(0, 0), size())), QWidget::DrawChildren);
    return image;
}

} // namespace fw
