// The two compass sectors: the bearing conversions and the drawings rebuilt for each trigram.
#include "main_window_fixture.h"

#include "framework/canvas.h"
#include "framework/popup_menu.h"
#include "framework/picture.h"
#include "framework/shapes.h"

#include <QColor>
#include <QPainter>

namespace {

class CompassTest : public MainWindowTest {
protected:
    std::shared_ptr<fw::ArcShape> sector(const std::shared_ptr<fw::Group2D>& group)
    {
        EXPECT_NE(group, nullptr);
        if (!group)
            return nullptr;
        EXPECT_EQ(group->Count(), 1);
        return std::dynamic_pointer_cast<fw::ArcShape>(group->Item(0));
    }
};

struct Bearing {
    int number;
    float initialAngle;
    double western;
    double luoShu;
};

// Radians to six decimals.
const Bearing kBearings[] = {
    {1, 337.5f, 4.319690, 7.461283}, {2, 202.5f, 1.963495, 5.105088},  {3, 67.5f, -0.392699, 2.748894},
    {4, 112.5f, 0.392699, 3.534292}, {6, 292.5f, 3.534292, 6.675884},  {7, 247.5f, 2.748894, 5.890486},
    {8, 22.5f, -1.178097, 1.963495}, {9, 157.5f, 1.178097, 4.319690},
};

// Grey where the 20 percent sector lies over white, white elsewhere; what the canvas
// leaves transparent counts as white.
bool shaded(const QImage& image, int x, int y)
{
    QImage onWhite(image.size(), QImage::Format_ARGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, image);
    const QColor c = onWhite.pixelColor(x, y);
    return c.red() < 240 && c.red() > 100;
}

} // namespace

TEST_F(CompassTest, BearingsBecomeStartAnglesInRadians)
{
    for (const Bearing& b : kBearings) {
        EXPECT_NEAR(window->cvtAngle(b.initialAngle), b.western, 5e-7) << b.number;
        EXPECT_NEAR(window->cvtFSAngle(b.initialAngle), b.luoShu, 5e-7) << b.number;
    }
    EXPECT_DOUBLE_EQ(window->cvtAngle(0.0f), -90 * 3.14159265358979 / 180);
    EXPECT_DOUBLE_EQ(window->cvtFSAngle(337.5f), 427.5 * 3.14159265358979 / 180) << "never reduced";
}

TEST_F(CompassTest, TheDifferenceIsKeptInSinglePrecisionAndTimesTheProgramsPi)
{
    // 0.1 is not exact in a Single: the difference rounds to the Single nearest to it.
    const double west = static_cast<float>(static_cast<double>(0.1f) - 90) * 3.14159265358979 / 180;
    const double south = static_cast<float>(static_cast<double>(0.1f) + 90) * 3.14159265358979 / 180;
    EXPECT_EQ(window->cvtAngle(0.1f), west);
    EXPECT_EQ(window->cvtFSAngle(0.1f), south);
    EXPECT_NE(window->cvtAngle(0.1f), (static_cast<double>(0.1f) - 90) * 3.14159265358979 / 180);
    EXPECT_EQ(window->cvtAngle(90.0f), 0.0);
    EXPECT_EQ(window->cvtFSAngle(90.0f), 3.14159265358979) << "not the double nearest to pi";
}

TEST_F(CompassTest, EachTrigramGetsItsSectorOnBothCompasses)
{
    for (const Bearing& b : kBearings) {
        showTrigram(b.number);
        auto luoShu = sector(window->grp);
        auto western = sector(window->grp1);
        ASSERT_TRUE(luoShu && western) << b.number;
        EXPECT_NEAR(luoShu->StartAngle(), b.luoShu, 5e-7) << b.number;
        EXPECT_NEAR(western->StartAngle(), b.western, 5e-7) << b.number;
        for (const auto& shape : {luoShu, western}) {
            EXPECT_EQ(shape->ArcAngle(), 0.7853981633974475);
            EXPECT_EQ(shape->BorderWidth(), 1.0);
            EXPECT_EQ(shape->Fill(), 20.0);
            EXPECT_EQ(shape->BorderColor(), QColor(128, 128, 128));
        }
        auto* canvas1 = control<fw::Canvas>("canvas1");
        ASSERT_NE(canvas1->Backdrop(), nullptr);
        EXPECT_EQ(canvas1->Backdrop()->Objects(), window->grp);
        EXPECT_EQ(canvas1->Backdrop()->Depth(), 0);
        EXPECT_EQ(canvas1->Backdrop()->Width(), 61);
        EXPECT_EQ(control<fw::Canvas>("Canvas2")->Backdrop()->Objects(), window->grp1);
    }
}

TEST_F(CompassTest, EveryShowingMakesNewDrawingsAndTheCentreKeepsTheLastOnes)
{
    showTrigram(3);
    const auto first = window->grp;
    window->GetValues();
    EXPECT_NE(window->grp, first) << "nothing is cached";
    const auto before = window->grp1;
    showTrigram(5);
    EXPECT_EQ(window->grp1, before);
}

TEST_F(CompassTest, TheEmptyRecordDrawsFromNorth)
{
    control<fw::PopupMenu>("trigramNum")->setListIndex(-1);
    EXPECT_NEAR(sector(window->grp1)->StartAngle(), -1.570796, 5e-7);
    EXPECT_NEAR(sector(window->grp)->StartAngle(), 1.570796, 5e-7);
}

TEST_F(CompassTest, NorthIsUpOnTheWesternCompassAndDownOnTheLuoShu)
{
    showTrigram(1); // Kan, north
    const QImage western = control<fw::Canvas>("Canvas2")->grab();
    const QImage luoShu = control<fw::Canvas>("canvas1")->grab();
    ASSERT_EQ(western.size(), QSize(61, 61));
    EXPECT_TRUE(shaded(western, 30, 12));
    EXPECT_FALSE(shaded(western, 30, 48));
    EXPECT_TRUE(shaded(luoShu, 30, 48));
    EXPECT_FALSE(shaded(luoShu, 30, 12));

    showTrigram(3); // Zhen, east
    EXPECT_TRUE(shaded(control<fw::Canvas>("Canvas2")->grab(), 48, 30));
    EXPECT_TRUE(shaded(control<fw::Canvas>("canvas1")->grab(), 12, 30));
}

TEST_F(CompassTest, EachSectorIsDrawnOnceAtItsTwentyPercentFill)
{
    showTrigram(1); // Kan, north: up on the Western compass, down on the Luo Shu
    const struct {
        const char* canvas;
        QPoint inside;
    } kCompasses[] = {{"Canvas2", {30, 12}}, {"canvas1", {30, 48}}};
    for (const auto& compass : kCompasses) {
        QImage onWhite(61, 61, QImage::Format_ARGB32);
        onWhite.fill(Qt::white);
        QPainter(&onWhite).drawImage(0, 0, control<fw::Canvas>(compass.canvas)->grab());
        // Black at 20 percent over white is 204; drawn twice it would be 163.
        EXPECT_NEAR(onWhite.pixelColor(compass.inside).red(), 204, 3) << compass.canvas;
    }
}
