// Where the Info window opens: beside the main window, when its middle would lie left
// of the first screen's width.
#include "windows/info_placement.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using infoplacement::besideMainWindow;
using infoplacement::middleBesideMainWindow;

TEST(InfoPlacement, BesideAMainWindowAt20On1024PixelsItMovesTo663)
{
    EXPECT_DOUBLE_EQ(middleBesideMainWindow(20, 640, 274), 800.0);
    const auto place = besideMainWindow(20, 44, 640, 274, 1024.0);
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(*place, QPoint(663, 44));
}

TEST(InfoPlacement, OnAScreenExactly800WideTheMiddleReachesTheEdgeAndItStays)
{
    EXPECT_FALSE(besideMainWindow(20, 44, 640, 274, 800.0).has_value());
    EXPECT_TRUE(besideMainWindow(19, 44, 640, 274, 800.0).has_value());
}

// Only the first screen counts, even when a second one to its right has room.
TEST(InfoPlacement, AMainWindowPastTheFirstScreenLeavesItWhereItWasPlaced)
{
    EXPECT_FALSE(besideMainWindow(1100, 0, 640, 274, 1024.0).has_value());
}

// The left edge and the height are not checked, and Top is copied as it is.
TEST(InfoPlacement, OnlyTheMiddleIsTested)
{
    const auto place = besideMainWindow(-900, -50, 640, 274, 1024.0);
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(*place, QPoint(-257, -50));
}

TEST(InfoPlacement, AnOddWidthPutsTheMiddleOnAHalfPixel)
{
    EXPECT_DOUBLE_EQ(middleBesideMainWindow(20, 640, 275), 800.5);
    EXPECT_FALSE(besideMainWindow(20, 0, 640, 275, 800.5).has_value());
    EXPECT_TRUE(besideMainWindow(20, 0, 640, 275, 801.0).has_value());
}

TEST(InfoPlacement, ExtremePositionsNeitherOverflowNorWrap)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_FALSE(besideMainWindow(kMax, 0, kMax, 274, 1024.0).has_value());
    const auto place = besideMainWindow(kMax, 0, kMax, 274, std::numeric_limits<double>::infinity());
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(place->x(), kMax);
    EXPECT_FALSE(besideMainWindow(20, 0, 640, 274, std::numeric_limits<double>::quiet_NaN()).has_value());
}

} // namespace
