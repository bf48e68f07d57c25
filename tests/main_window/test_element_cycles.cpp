// The element-cycle pictures: drawn centred and shrunk to fit on hover, cleared on leaving.
#include "main_window_fixture.h"

#include "app/shell/pictures.h"

#include "framework/canvas.h"
#include "framework/picture.h"
#include "framework/static_text.h"

#include <QColor>
#include <QRect>

namespace {

class ElementCyclesTest : public MainWindowTest {
protected:
    fw::Canvas* cycleCanvas() const { return control<fw::Canvas>("CycleCanvas"); }
    fw::StaticText* label(const char* name) const { return control<fw::StaticText>(name); }
};

std::shared_ptr<fw::Picture> solidPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return fw::Picture::fromImage(image);
}

// The canvas holds red exactly inside the rectangle and the window's white elsewhere.
void expectRedExactlyIn(const QImage& shown, const QRect& area)
{
    ASSERT_EQ(shown.size(), QSize(200, 200));
    int wrong = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QColor expected = area.contains(x, y) ? QColor(Qt::red) : QColor(Qt::white);
            if (shown.pixelColor(x, y).rgb() != expected.rgb() && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << shown.pixelColor(x, y).name().toStdString();
        }
    }
    EXPECT_EQ(wrong, 0) << "for the area " << area.x() << "," << area.y() << " " << area.width() << "x"
                        << area.height();
}

} // namespace

TEST_F(ElementCyclesTest, APictureThatFitsIsDrawnAtItsOwnSizeInTheMiddle)
{
    window->drawNScale(solidPicture(200, 200), cycleCanvas());
    expectRedExactlyIn(cycleCanvas()->grab(), QRect(0, 0, 200, 200));
    window->drawNScale(solidPicture(100, 50), cycleCanvas());
    expectRedExactlyIn(cycleCanvas()->grab(), QRect(50, 75, 100, 50));
}

TEST_F(ElementCyclesTest, APictureTooLargeIsShrunkKeepingItsProportions)
{
    window->drawNScale(solidPicture(400, 300), cycleCanvas());
    expectRedExactlyIn(cycleCanvas()->grab(), QRect(0, 25, 200, 150));
    window->drawNScale(solidPicture(400, 800), cycleCanvas());
    expectRedExactlyIn(cycleCanvas()->grab(), QRect(50, 0, 100, 200));
    window->drawNScale(solidPicture(201, 10), cycleCanvas());
    // Scaled by 200/201, not clipped.
    expectRedExactlyIn(cycleCanvas()->grab(), QRect(0, 95, 200, 10));
}

TEST_F(ElementCyclesTest, WithoutAPictureTheCanvasIsFilledWithTheWindowsBackColour)
{
    window->drawNScale(solidPicture(200, 200), cycleCanvas());
    window->drawNScale(nullptr, cycleCanvas());
    expectRedExactlyIn(cycleCanvas()->grab(), QRect());
}

TEST_F(ElementCyclesTest, TheSquareTakesTheWindowsBackColourWhateverItIs)
{
    const QColor teal(0x33, 0x66, 0x99);
    window->setBackColor(teal);
    window->drawNScale(solidPicture(100, 50), cycleCanvas());
    const QImage shown = cycleCanvas()->grab();
    EXPECT_EQ(shown.pixelColor(0, 0).rgb(), teal.rgb());
    EXPECT_EQ(shown.pixelColor(199, 199).rgb(), teal.rgb());
    EXPECT_EQ(shown.pixelColor(100, 100).rgb(), QColor(Qt::red).rgb());
}

TEST_F(ElementCyclesTest, PicturesWithAnEmptySideDrawNothingAndFailNothing)
{
    window->drawNScale(fw::NewPicture(0, 0, 32), cycleCanvas());
    window->drawNScale(fw::NewPicture(0, 300, 32), cycleCanvas());
    window->drawNScale(fw::NewPicture(300, 0, 32), cycleCanvas());
    expectRedExactlyIn(cycleCanvas()->grab(), QRect());
}

TEST_F(ElementCyclesTest, ProducesShowsTheGeneratingCycleUntilTheMouseLeaves)
{
    const QImage empty = cycleCanvas()->grab();
    for (const char* hovered : {"StaticText14", "produces"}) {
        label(hovered)->MouseEnter();
        const QImage shown = cycleCanvas()->grab();
        EXPECT_TRUE(hasInk(shown)) << hovered;
        EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white)) << "on the window's white";
        label(hovered)->MouseExit();
        EXPECT_EQ(cycleCanvas()->grab(), empty) << hovered;
    }
}

TEST_F(ElementCyclesTest, ControlsLeavesItsPictureUntilWeakensReplacesIt)
{
    const QImage empty = cycleCanvas()->grab();
    label("StaticText35")->MouseEnter();
    const QImage controlling = cycleCanvas()->grab();
    EXPECT_TRUE(hasInk(controlling));
    label("StaticText35")->MouseExit();
    EXPECT_EQ(cycleCanvas()->grab(), controlling);

    label("StaticText36")->MouseEnter();
    const QImage weakening = cycleCanvas()->grab();
    EXPECT_TRUE(hasInk(weakening));
    EXPECT_NE(weakening, controlling);
    label("StaticText36")->MouseExit();
    EXPECT_EQ(cycleCanvas()->grab(), empty);
}

TEST_F(ElementCyclesTest, TheValuesOfControlsAndWeakensReachNoHandler)
{
    const QImage before = cycleCanvas()->grab();
    for (const char* value : {"Controls", "weakens"}) {
        EXPECT_FALSE(label(value)->MouseEnter.isHandled()) << value;
        EXPECT_FALSE(label(value)->MouseExit.isHandled()) << value;
        label(value)->MouseEnter();
    }
    EXPECT_EQ(cycleCanvas()->grab(), before);
    EXPECT_FALSE(label("StaticText35")->MouseExit.isHandled());
}

TEST_F(ElementCyclesTest, ThePictureIsReadOnceAndThenKept)
{
    label("StaticText14")->MouseEnter();
    const auto first = ElementConstructive();
    ASSERT_NE(first, nullptr);
    label("StaticText14")->MouseExit();
    label("produces")->MouseEnter();
    EXPECT_EQ(ElementConstructive(), first);
    EXPECT_EQ(first->Width(), 200);
}
