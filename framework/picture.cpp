#include "picture.h"

#include "exceptions.h"
#include "graphics.h"
#include "shapes.h"

#include <algorithm>
#include <array>
#include <string>

namespace fw {

namespace {

bool supportedDepth(int depth)
{
    static constexpr std::array<int, 8> depths{0, 1, 2, 4, 8, 16, 24, 32};
    return std::find(depths.begin(), depths.end(), depth) != depths.end();
}

} // namespace

Picture::Picture(int width, int height, int depth)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), depth_(depth == 0 ? 0 : 32)
{
    if (!supportedDepth(depth))
        throw UnsupportedFormatException("unsupported picture depth " + std::to_string(depth));
    if (!isVector() && width_ > 0 && height_ > 0) {
        image_ = QImage(width_, height_, QImage::Format_ARGB32_Premultiplied);
        image_.fill(Qt::transparent);
    }
}

Picture::~Picture() = default;

fw::Graphics& Picture::Graphics()
{
    if (!graphics_)
        graphics_ = std::make_unique<fw::Graphics>([this]() -> QImage& { return image_; });
    return *graphics_;
}

std::shared_ptr<Picture> Picture::fromImage(QImage image)
{
    auto picture = std::make_shared<Picture>(image.width(), image.height(), 32);
    if (!image.isNull())
        picture->image_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return picture;
}

std::shared_ptr<Picture> NewPicture(int width, int height, int depth)
{
    return std::make_shared<Picture>(width, height, depth);
}

} // namespace fw
