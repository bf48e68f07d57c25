#pragma once

#include <QImage>

#include <memory>

namespace fw {

class Graphics;
class Group2D;

// A picture: either pixels (depth 32) or a vector drawing (depth 0) whose Objects are
// drawn with their origin at the picture's centre wherever the picture is drawn.
// Pictures are shared by their holders (a canvas's backdrop, the program's variables).
class Picture {
public:
    // A vector picture (depth 0) has no pixels; any other supported depth gives
    // 32-bit pixels, transparent at first. Negative sizes count as 0.
    Picture(int width, int height, int depth);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Depth() const { return depth_; }
    bool isVector() const { return depth_ == 0; }

    std::shared_ptr<Group2D> Objects() const { return objects_; }
    void setObjects(std::shared_ptr<Group2D> objects) { objects_ = std::move(objects); }

    // The pixels (a null image for a vector picture).
    const QImage& image() const { return image_; }

    // Draws into the picture's pixels; for a vector picture it draws nothing.
    fw::Graphics& Graphics();

    // A pixel picture holding a copy of the image.
    static std::shared_ptr<Picture> fromImage(QImage image);

private:
    int width_ = 0;
    int height_ = 0;
    int depth_ = 32;
    QImage image_;
    std::shared_ptr<Group2D> objects_;
    std::unique_ptr<fw::Graphics> graphics_;
};

// Depth 0: a vector picture; 1, 2, 4, 8, 16, 24 or 32: a pixel picture (kept in 32
// bits). Any other depth raises UnsupportedFormatException.
std::shared_ptr<Picture> NewPicture(int width, int height, int depth);

} // namespace fw
