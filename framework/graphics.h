#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <functional>
#include <memory>

class QPainter;

namespace fw {

class Object2D;
class Picture;

// Drawing on one target: an image that its owner keeps (a canvas's persistent layer,
// a picture's pixels) or the painter of a Paint event. Coordinates are the target's
// pixels with the origin at its top left; drawing outside the target is clipped.
class Graphics {
public:
    // Draws into the image that `image` yields before each drawing (the owner may
    // resize it there); `changed` runs after each drawing (a canvas repaints).
    Graphics(std::function<QImage&()> image, std::function<void()> changed = {});
    // Draws with a painter that someone else holds open (a Paint event, a list
    // cell), on an area of `size`; ClearRect fills with `background` there, since
    // a painter on a widget cannot make pixels transparent.
    Graphics(QPainter& painter, QSize size, QColor background);

    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    QColor ForeColor() const { return foreColor_; }
    void setForeColor(const QColor& color) { foreColor_ = color; }

    int Width() const;
    int Height() const;

    // Fills with ForeColor. A zero or negative size draws nothing.
    void FillRect(int x, int y, int width, int height);
    // Erases to transparent (on an image) so that what lies beneath shows.
    void ClearRect(int x, int y, int width, int height);
    // The whole picture at its own size with its top left at (x, y).
    void DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y);
    // The source rectangle of the picture, scaled smoothly into the destination.
    void DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y, int width, int height,
                     int sourceX, int sourceY, int sourceWidth, int sourceHeight);
    // The object (or group) with its origin at (x, y).
    void DrawObject(const std::shared_ptr<Object2D>& object, int x, int y);

private:
    template <typename Draw>
    void paint(Draw&& draw);

    std::function<QImage&()> image_;
    std::function<void()> changed_;
    QPainter* painter_ = nullptr;
    QSize size_;
    QColor background_;
    QColor foreColor_ = Qt::black;
};

// Draws a picture's source rectangle into a destination rectangle with a painter:
// pixels scaled smoothly, or a vector picture's objects around its centre. Shared by
// Graphics and by the canvas's backdrop.
void paintPicture(QPainter& painter, const Picture& picture, const QRectF& target, const QRectF& source);

} // namespace fw
