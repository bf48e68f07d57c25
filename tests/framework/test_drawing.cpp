// Graphics, pictures and shapes: what lands on the pixels.
#include "framework/exceptions.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/shapes.h"

#include <gtest/gtest.h>

#include <QImage>

#include <climits>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

QColor at(const std::shared_ptr<fw::Picture>& picture, int x, int y)
{
    return picture->image().pixelColor(x, y);
}

bool isTransparent(const QColor& color)
{
    return color.alpha() == 0;
}

std::shared_ptr<fw::Picture> solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return fw::Picture::fromImage(image);
}

TEST(Picture, DepthsAndSizes)
{
    auto pixels = fw::NewPicture(20, 10, 32);
    EXPECT_EQ(pixels->Width(), 20);
    EXPECT_EQ(pixels->Height(), 10);
    EXPECT_EQ(pixels->Depth(), 32);
    EXPECT_EQ(pixels->image().size(), QSize(20, 10));
    EXPECT_TRUE(isTransparent(at(pixels, 5, 5)));

    auto vector = fw::NewPicture(61, 61, 0);
    EXPECT_EQ(vector->Depth(), 0);
    EXPECT_TRUE(vector->image().isNull());
    EXPECT_EQ(vector->Objects(), nullptr);

    auto empty = fw::NewPicture(-5, 7, 32);
    EXPECT_EQ(empty->Width(), 0);
    EXPECT_TRUE(empty->image().isNull());
    empty->Graphics().FillRect(0, 0, 10, 10); // nothing to draw on, and no crash

    EXPECT_THROW(fw::NewPicture(10, 10, 7), fw::UnsupportedFormatException);
    EXPECT_THROW(fw::NewPicture(10, 10, -1), fw::UnsupportedFormatException);
}

TEST(Picture, FromImageCopiesThePixels)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    auto picture = fw::Picture::fromImage(image);
    image.fill(Qt::red);
    EXPECT_EQ(picture->Width(), 4);
    EXPECT_EQ(picture->Height(), 3);
    EXPECT_EQ(at(picture, 3, 2), QColor(Qt::green));
}

TEST(Graphics, FillRectAndClearRect)
{
    auto picture = fw::NewPicture(30, 30, 32);
    fw::Graphics& g = picture->Graphics();
    EXPECT_EQ(g.Width(), 30);
    EXPECT_EQ(g.Height(), 30);
    EXPECT_EQ(g.ForeColor(), QColor(Qt::black));

    g.setForeColor(QColor(0, 0, 255));
    g.FillRect(5, 5, 10, 10);
    EXPECT_EQ(at(picture, 5, 5), QColor(0, 0, 255));
    EXPECT_EQ(at(picture, 14, 14), QColor(0, 0, 255));
    EXPECT_TRUE(isTransparent(at(picture, 4, 5)));
    EXPECT_TRUE(isTransparent(at(picture, 15, 14)));

    g.ClearRect(8, 8, 3, 3);
    EXPECT_TRUE(isTransparent(at(picture, 9, 9)));
    EXPECT_EQ(at(picture, 7, 7), QColor(0, 0, 255));
    EXPECT_EQ(at(picture, 11, 11), QColor(0, 0, 255));
}

TEST(Graphics, DegenerateRectanglesDrawNothingAndNeverOverflow)
{
    auto picture = fw::NewPicture(10, 10, 32);
    fw::Graphics& g = picture->Graphics();
    g.setForeColor(Qt::red);
    g.FillRect(0, 0, 0, 10);
    g.FillRect(0, 0, 10, -3);
    g.FillRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    g.FillRect(INT_MIN, INT_MIN, 5, 5);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_TRUE(isTransparent(at(picture, x, y))) << x << "," << y;

    // A rectangle far larger than the target fills all of it.
    g.FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    g.FillRect(-1, -1, INT_MAX, INT_MAX);
    EXPECT_EQ(at(picture, 0, 0), QColor(Qt::red));
    EXPECT_EQ(at(picture, 9, 9), QColor(Qt::red));
}

TEST(Graphics, DrawPictureAtItsOwnSize)
{
    auto target = fw::NewPicture(40, 40, 32);
    target->Graphics().DrawPicture(solid(10, 6, Qt::red), 5, 7);
    EXPECT_EQ(at(target, 5, 7), QColor(Qt::red));
    EXPECT_EQ(at(target, 14, 12), QColor(Qt::red));
    EXPECT_TRUE(isTransparent(at(target, 4, 7)));
    EXPECT_TRUE(isTransparent(at(target, 5, 6)));
    EXPECT_TRUE(isTransparent(at(target, 15, 12)));
    EXPECT_TRUE(isTransparent(at(target, 14, 13)));
}

TEST(Graphics, DrawPictureScaledIntoARectangle)
{
    auto target = fw::NewPicture(60, 60, 32);
    // 400 by 300 scaled by one half: 200 by 150, here in small: 40 by 30 into 20 by 15.
    target->Graphics().DrawPicture(solid(40, 30, Qt::red), 10, 20, 20, 15, 0, 0, 40, 30);
    EXPECT_EQ(at(target, 10, 20), QColor(Qt::red));
    EXPECT_EQ(at(target, 29, 34), QColor(Qt::red));
    EXPECT_TRUE(isTransparent(at(target, 9, 25)));
    EXPECT_TRUE(isTransparent(at(target, 30, 25)));
    EXPECT_TRUE(isTransparent(at(target, 20, 19)));
    EXPECT_TRUE(isTransparent(at(target, 20, 35)));
}

TEST(Graphics, DrawPictureScaledTakesOnlyTheSourceRectangle)
{
    // Left half red, right half blue: the right half alone, doubled, is all blue.
    QImage image(20, 10, QImage::Format_ARGB32);
    image.fill(Qt::red);
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x)
            image.setPixelColor(x, y, Qt::blue);
    auto target = fw::NewPicture(20, 20, 32);
    target->Graphics().DrawPicture(fw::Picture::fromImage(image), 0, 0, 20, 20, 10, 0, 10, 10);
    EXPECT_EQ(at(target, 0, 0), QColor(Qt::blue));
    EXPECT_EQ(at(target, 19, 19), QColor(Qt::blue));
    EXPECT_EQ(at(target, 10, 10), QColor(Qt::blue));
}

TEST(Graphics, DrawPictureWithEmptyRectanglesDrawsNothing)
{
    auto target = fw::NewPicture(10, 10, 32);
    fw::Graphics& g = target->Graphics();
    g.DrawPicture(solid(5, 5, Qt::red), 0, 0, 0, 5, 0, 0, 5, 5);
    g.DrawPicture(solid(5, 5, Qt::red), 0, 0, 5, 5, 0, 0, -5, 5);
    g.DrawPicture(fw::NewPicture(0, 0, 32), 0, 0);
    EXPECT_TRUE(isTransparent(at(target, 2, 2)));
}

TEST(Graphics, NilPicturesAndObjectsRaise)
{
    auto target = fw::NewPicture(10, 10, 32);
    fw::Graphics& g = target->Graphics();
    EXPECT_THROW(g.DrawPicture(nullptr, 0, 0), fw::NilObjectException);
    EXPECT_THROW(g.DrawPicture(nullptr, 0, 0, 5, 5, 0, 0, 5, 5), fw::NilObjectException);
    EXPECT_THROW(g.DrawObject(nullptr, 0, 0), fw::NilObjectException);
}

// A sector of 40 by 40 around (50, 50) with the given angles, fully opaque red.
std::shared_ptr<fw::Picture> sector(double start, double sweep)
{
    auto arc = std::make_shared<fw::ArcShape>();
    arc->setWidth(40);
    arc->setHeight(40);
    arc->setStartAngle(start);
    arc->setArcAngle(sweep);
    arc->setFillColor(Qt::red);
    arc->setBorderWidth(0);
    auto picture = fw::NewPicture(100, 100, 32);
    picture->Graphics().DrawObject(arc, 50, 50);
    return picture;
}

TEST(ArcShape, AnglesRunClockwiseFromTheRight)
{
    // From straight up, an eighth of a turn clockwise: up and to the right.
    auto picture = sector(-kPi / 2, kPi / 4);
    EXPECT_EQ(at(picture, 54, 36), QColor(Qt::red));  // up-right of the origin, inside
    EXPECT_TRUE(isTransparent(at(picture, 46, 36)));  // up-left
    EXPECT_TRUE(isTransparent(at(picture, 64, 50)));  // right
    EXPECT_TRUE(isTransparent(at(picture, 50, 64)));  // down

    // From the right, a quarter turn clockwise: the lower right quadrant (y grows down).
    auto lower = sector(0, kPi / 2);
    EXPECT_EQ(at(lower, 58, 58), QColor(Qt::red));
    EXPECT_TRUE(isTransparent(at(lower, 58, 42)));
}

TEST(ArcShape, AnglesPastAFullTurnDrawTheSameSector)
{
    // 427.5 degrees is 67.5 degrees: below and to the right of the origin.
    auto picture = sector(427.5 / 180.0 * kPi, kPi / 4);
    auto reduced = sector(67.5 / 180.0 * kPi, kPi / 4);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_NEAR(at(picture, x, y).alpha(), at(reduced, x, y).alpha(), 3) << x << "," << y;
    EXPECT_EQ(at(picture, 52, 64), QColor(Qt::red));   // straight down lies inside
    EXPECT_TRUE(isTransparent(at(picture, 64, 52)));  // nearly right lies outside
}

TEST(ArcShape, OpacitiesOfFillAndBorder)
{
    auto arc = std::make_shared<fw::ArcShape>();
    EXPECT_EQ(arc->Width(), 54);
    EXPECT_EQ(arc->Height(), 54);
    EXPECT_EQ(arc->FillColor(), QColor(Qt::black));
    EXPECT_EQ(arc->Fill(), 100);
    EXPECT_EQ(arc->Border(), 100);
    arc->setStartAngle(0);
    arc->setArcAngle(kPi / 2);
    arc->setFill(20);
    arc->setBorderWidth(0);
    auto picture = fw::NewPicture(100, 100, 32);
    picture->Graphics().DrawObject(arc, 50, 50);
    EXPECT_NEAR(at(picture, 60, 60).alpha(), 51, 2);

    arc->setFill(0);
    arc->setBorderWidth(2);
    arc->setBorderColor(Qt::blue);
    auto outlined = fw::NewPicture(100, 100, 32);
    outlined->Graphics().DrawObject(arc, 50, 50);
    EXPECT_TRUE(isTransparent(at(outlined, 60, 60)));  // no fill
    EXPECT_EQ(at(outlined, 65, 50).blue(), 255);       // on the straight edge along x
    EXPECT_GT(at(outlined, 65, 50).alpha(), 100);
}

TEST(ArcShape, DegenerateSizesAndAnglesDrawNothing)
{
    for (const auto& [width, sweep] : {std::pair{0.0, 1.0}, {-10.0, 1.0}, {40.0, 0.0}, {40.0, std::nan("")}}) {
        auto arc = std::make_shared<fw::ArcShape>();
        arc->setWidth(width);
        arc->setArcAngle(sweep);
        auto picture = fw::NewPicture(100, 100, 32);
        picture->Graphics().DrawObject(arc, 50, 50);
        EXPECT_EQ(picture->image(), fw::NewPicture(100, 100, 32)->image()) << width << " " << sweep;
    }
}

TEST(Group2D, ItemsCountAndBounds)
{
    auto group = std::make_shared<fw::Group2D>();
    EXPECT_EQ(group->Count(), 0);
    EXPECT_THROW(group->Item(0), fw::OutOfBoundsException);
    auto arc = std::make_shared<fw::ArcShape>();
    group->Append(arc);
    EXPECT_EQ(group->Count(), 1);
    EXPECT_EQ(group->Item(0), arc);
    EXPECT_THROW(group->Item(1), fw::OutOfBoundsException);
    EXPECT_THROW(group->Item(-1), fw::OutOfBoundsException);
    EXPECT_THROW(group->Append(nullptr), fw::NilObjectException);
}

TEST(Group2D, RefusesToContainItself)
{
    auto outer = std::make_shared<fw::Group2D>();
    auto inner = std::make_shared<fw::Group2D>();
    outer->Append(inner);
    EXPECT_THROW(outer->Append(outer), fw::RuntimeException);
    EXPECT_THROW(inner->Append(outer), fw::RuntimeException);
    EXPECT_EQ(inner->Count(), 0);
}

TEST(Group2D, DrawsItsItemsMovedByItsPosition)
{
    auto arc = std::make_shared<fw::ArcShape>();
    arc->setWidth(20);
    arc->setHeight(20);
    arc->setStartAngle(0);
    arc->setArcAngle(2 * kPi);
    arc->setFillColor(Qt::red);
    arc->setBorderWidth(0);
    auto inner = std::make_shared<fw::Group2D>();
    inner->Append(arc);
    auto outer = std::make_shared<fw::Group2D>();
    outer->Append(inner);
    outer->setX(20);
    outer->setY(-10);

    auto picture = fw::NewPicture(100, 100, 32);
    picture->Graphics().DrawObject(outer, 30, 50);
    EXPECT_EQ(at(picture, 50, 40), QColor(Qt::red));   // 30 + 20, 50 - 10
    EXPECT_TRUE(isTransparent(at(picture, 30, 50)));
}

TEST(VectorPicture, DrawsItsObjectsAroundItsCentre)
{
    auto arc = std::make_shared<fw::ArcShape>();
    arc->setWidth(10);
    arc->setHeight(10);
    arc->setArcAngle(2 * kPi);
    arc->setFillColor(Qt::red);
    arc->setBorderWidth(0);
    auto group = std::make_shared<fw::Group2D>();
    group->Append(arc);
    auto vector = fw::NewPicture(40, 20, 0);
    vector->setObjects(group);

    auto target = fw::NewPicture(100, 100, 32);
    target->Graphics().DrawPicture(vector, 10, 10);   // centre at (30, 20)
    EXPECT_EQ(at(target, 30, 20), QColor(Qt::red));
    EXPECT_TRUE(isTransparent(at(target, 10, 10)));

    // Scaled by two into (50, 50, 80, 40): the centre lands at (90, 70), the circle
    // grows to 20 pixels across.
    target->Graphics().DrawPicture(vector, 50, 50, 80, 40, 0, 0, 40, 20);
    EXPECT_EQ(at(target, 90, 70), QColor(Qt::red));
    EXPECT_EQ(at(target, 98, 70), QColor(Qt::red));
    EXPECT_TRUE(isTransparent(at(target, 75, 70)));

    // A vector picture has no pixels to draw into.
    vector->Graphics().FillRect(0, 0, 10, 10);
    EXPECT_TRUE(vector->image().isNull());
}

} // namespace
