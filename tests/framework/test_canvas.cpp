// The canvas: backdrop, persistent drawing layer and Paint, in that order.
#include "framework/canvas.h"
#include "framework/exceptions.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/record.h"
#include "framework/shapes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <memory>
#include <numbers>

namespace {

// A canvas of 40 by 30 on a shown host widget, as on a window.
struct ShownCanvas {
    QWidget host;
    fw::Canvas canvas;

    ShownCanvas()
    {
        host.resize(100, 100);
        canvas.setWidth(40);
        canvas.setHeight(30);
        canvas.widget()->setParent(&host);
        canvas.widget()->show();
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
};

std::shared_ptr<fw::Picture> solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return fw::Picture::fromImage(image);
}

TEST(Canvas, DrawingOutsidePaintStaysShown)
{
    fw::Canvas canvas;
    canvas.setWidth(40);
    canvas.setHeight(30);
    fw::Graphics& g = canvas.Graphics();
    EXPECT_EQ(g.Width(), 40);
    EXPECT_EQ(g.Height(), 30);
    g.setForeColor(Qt::red);
    g.FillRect(10, 5, 10, 10);

    QImage shown = canvas.grab();
    ASSERT_EQ(shown.size(), QSize(40, 30));
    EXPECT_EQ(shown.pixelColor(10, 5), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(19, 14), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(20, 14).alpha(), 0);

    canvas.widget()->repaint();
    EXPECT_EQ(canvas.grab().pixelColor(15, 10), QColor(Qt::red));

    g.ClearRect(0, 0, 40, 30);
    EXPECT_EQ(canvas.grab().pixelColor(15, 10).alpha(), 0);
}

TEST(Canvas, TheLayerFollowsTheCanvasSize)
{
    fw::Canvas canvas;
    canvas.setWidth(20);
    canvas.setHeight(20);
    canvas.Graphics().setForeColor(Qt::blue);
    canvas.Graphics().FillRect(0, 0, 20, 20);
    canvas.setWidth(50);
    EXPECT_EQ(canvas.Graphics().Width(), 50);
    QImage shown = canvas.grab();
    ASSERT_EQ(shown.size(), QSize(50, 20));
    EXPECT_EQ(shown.pixelColor(19, 19), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(30, 10).alpha(), 0);

    canvas.setWidth(0);
    canvas.Graphics().FillRect(0, 0, 10, 10); // nothing to draw on, and no crash
    EXPECT_TRUE(canvas.grab().isNull());
}

TEST(Canvas, DrawPictureIntoTheCanvasPlainAndScaled)
{
    fw::Canvas canvas;
    canvas.setWidth(100);
    canvas.setHeight(100);
    fw::Graphics& g = canvas.Graphics();
    // A picture that fits is drawn at its own size, centred: 40 by 20 at (30, 40).
    g.DrawPicture(solid(40, 20, Qt::red), 30, 40);
    // One that does not fit is drawn scaled: 200 by 100 by one half at (0, 75).
    g.DrawPicture(solid(200, 100, Qt::blue), 0, 75, 100, 50, 0, 0, 200, 100);
    const QImage shown = canvas.grab();
    EXPECT_EQ(shown.pixelColor(30, 40), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(69, 59), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(70, 50).alpha(), 0);
    EXPECT_EQ(shown.pixelColor(29, 50).alpha(), 0);
    EXPECT_EQ(shown.pixelColor(0, 75), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(99, 99), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(50, 74).alpha(), 0);
}

TEST(Canvas, BackdropUnderTheLayerUnderPaint)
{
    fw::Canvas canvas;
    canvas.setWidth(30);
    canvas.setHeight(30);
    canvas.setBackdrop(solid(30, 30, Qt::green));
    canvas.Graphics().setForeColor(Qt::red);
    canvas.Graphics().FillRect(0, 0, 20, 30);
    canvas.Paint.install([](fw::Graphics& g) {
        EXPECT_EQ(g.Width(), 30);
        g.setForeColor(Qt::blue);
        g.FillRect(0, 0, 10, 30);
    });
    const QImage shown = canvas.grab();
    EXPECT_EQ(shown.pixelColor(5, 15), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(15, 15), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(25, 15), QColor(Qt::green));

    // Erasing the layer shows the backdrop again, not the window.
    canvas.Graphics().ClearRect(0, 0, 30, 30);
    EXPECT_EQ(canvas.grab().pixelColor(15, 15), QColor(Qt::green));
    canvas.setBackdrop(nullptr);
    EXPECT_EQ(canvas.grab().pixelColor(15, 15).alpha(), 0);
}

TEST(Canvas, VectorBackdropDrawsItsObjectsAroundTheCentre)
{
    fw::Canvas canvas;
    canvas.setWidth(61);
    canvas.setHeight(61);
    auto arc = std::make_shared<fw::ArcShape>();
    arc->setStartAngle(-std::numbers::pi / 2);
    arc->setArcAngle(std::numbers::pi / 4);
    arc->setFillColor(Qt::red);
    arc->setBorderWidth(0);
    auto group = std::make_shared<fw::Group2D>();
    group->Append(arc);
    auto backdrop = fw::NewPicture(61, 61, 0);
    canvas.setBackdrop(backdrop);
    backdrop->setObjects(group); // set after the assignment, as the compass does

    const QImage shown = canvas.grab();
    // The sector starts straight up from the centre (31, 31) and turns right.
    EXPECT_EQ(shown.pixelColor(35, 15), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(27, 15).alpha(), 0);
    EXPECT_EQ(shown.pixelColor(45, 31).alpha(), 0);
    EXPECT_EQ(shown.pixelColor(31, 45).alpha(), 0);
}

TEST(Canvas, AVectorBackdropLeavesTheDrawingToAPaintHandler)
{
    fw::Canvas canvas;
    canvas.setWidth(61);
    canvas.setHeight(61);
    auto arc = std::make_shared<fw::ArcShape>();
    arc->setStartAngle(-std::numbers::pi / 2);
    arc->setArcAngle(std::numbers::pi / 4);
    arc->setFill(50.0);
    arc->setBorderWidth(0);
    auto group = std::make_shared<fw::Group2D>();
    group->Append(arc);
    auto backdrop = fw::NewPicture(61, 61, 0);
    backdrop->setObjects(group);
    canvas.setBackdrop(backdrop);
    canvas.Paint.install([&](fw::Graphics& g) { g.DrawObject(group, 31, 31); });
    // Black at 50 percent: alpha 128 once, 191 if the backdrop drew it as well.
    EXPECT_NEAR(canvas.grab().pixelColor(35, 15).alpha(), 128, 2);
}

TEST(Canvas, PaintDrawsAtTheCentreOverTheBackdrop)
{
    fw::Canvas canvas;
    canvas.setWidth(61);
    canvas.setHeight(61);
    auto arc = std::make_shared<fw::ArcShape>();
    arc->setStartAngle(0);
    arc->setArcAngle(std::numbers::pi / 2);
    arc->setFillColor(Qt::blue);
    canvas.Paint.install([&](fw::Graphics& g) { g.DrawObject(arc, 31, 31); });
    const QImage shown = canvas.grab();
    EXPECT_EQ(shown.pixelColor(40, 40).blue(), 255);
    EXPECT_EQ(shown.pixelColor(20, 20).alpha(), 0);
}

TEST(Canvas, AnExceptionInPaintStaysInsideTheFramework)
{
    std::exception_ptr seen;
    fw::setUnhandledExceptionRoad([&](std::exception_ptr error) { seen = error; });
    fw::Canvas canvas;
    canvas.setWidth(10);
    canvas.setHeight(10);
    canvas.Paint.install([](fw::Graphics& g) { g.DrawObject(nullptr, 0, 0); });
    EXPECT_NO_THROW(canvas.grab());
    fw::setUnhandledExceptionRoad({});
    ASSERT_TRUE(seen);
    EXPECT_THROW(std::rethrow_exception(seen), fw::NilObjectException);
}

TEST(Canvas, AssigningABackdropOrShowingRepaints)
{
    ShownCanvas shown;
    int paints = 0;
    shown.canvas.Paint.install([&](fw::Graphics&) { ++paints; });
    QApplication::processEvents();
    paints = 0;

    shown.canvas.setBackdrop(fw::NewPicture(40, 30, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; }, 2000));

    shown.canvas.setVisible(false);
    QApplication::processEvents();
    paints = 0;
    shown.canvas.setVisible(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; }, 2000));

    paints = 0;
    shown.canvas.Graphics().FillRect(0, 0, 5, 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; }, 2000));
}

TEST(Canvas, KeysFromARecord)
{
    fw::Canvas canvas;
    EXPECT_TRUE(canvas.EraseBackground());
    fw::_SetProperties(&canvas, fw::encodeRecord({{"UseFocusRing", true},
                                                  {"AcceptFocus", true},
                                                  {"AcceptTabs", true},
                                                  {"EraseBackground", false}}));
    EXPECT_TRUE(canvas.UseFocusRing());
    EXPECT_TRUE(canvas.AcceptFocus());
    EXPECT_TRUE(canvas.AcceptTabs());
    EXPECT_FALSE(canvas.EraseBackground());
    EXPECT_EQ(canvas.widget()->focusPolicy(), Qt::StrongFocus);
    canvas.setAcceptFocus(false);
    EXPECT_EQ(canvas.widget()->focusPolicy(), Qt::NoFocus);
}

TEST(Canvas, AcceptTabsKeepsTheFocusOnTab)
{
    ShownCanvas shown;
    auto* other = new QWidget(&shown.host);
    other->setFocusPolicy(Qt::StrongFocus);
    other->setGeometry(50, 50, 10, 10);
    other->show();
    shown.canvas.setAcceptFocus(true);
    shown.host.activateWindow();
    shown.canvas.widget()->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.canvas.widget()->hasFocus(); }, 2000));

    shown.canvas.setAcceptTabs(true);
    QTest::keyClick(shown.canvas.widget(), Qt::Key_Tab);
    EXPECT_TRUE(shown.canvas.widget()->hasFocus());

    shown.canvas.setAcceptTabs(false);
    QTest::keyClick(shown.canvas.widget(), Qt::Key_Tab);
    EXPECT_FALSE(shown.canvas.widget()->hasFocus());
}

} // namespace
