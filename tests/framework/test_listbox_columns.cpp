// Column widths from the ColumnWidths text.
#include "framework/listbox_columns.h"

#include <gtest/gtest.h>

namespace {

using Widths = std::vector<int>;

TEST(ColumnWidths, PixelsPercentagesAndShares)
{
    EXPECT_EQ(fw::columnWidths("74", 1, 72), Widths{74});
    EXPECT_EQ(fw::columnWidths("20,20,20", 3, 58), (Widths{20, 20, 20}));
    EXPECT_EQ(fw::columnWidths("", 2, 233), (Widths{116, 117}));
    EXPECT_EQ(fw::columnWidths("50", 3, 110), (Widths{50, 30, 30}));
    EXPECT_EQ(fw::columnWidths("25%, *", 2, 200), (Widths{50, 150}));
    EXPECT_EQ(fw::columnWidths(" 30 ,x", 2, 100), (Widths{30, 70}));
}

TEST(ColumnWidths, NeverNegative)
{
    EXPECT_EQ(fw::columnWidths("100", 2, 50), (Widths{100, 0}));
    EXPECT_EQ(fw::columnWidths("-5", 1, 50), Widths{50});
    EXPECT_EQ(fw::columnWidths("", 2, -10), (Widths{0, 0}));
    EXPECT_TRUE(fw::columnWidths("10", 0, 50).empty());
    EXPECT_EQ(fw::columnWidths("2147483647,2147483647", 3, 10), (Widths{2147483647, 2147483647, 0}));
}

// Percentages that are no number share the rest like any entry that is not a width.
TEST(ColumnWidths, PercentagesThatAreNoNumberShare)
{
    EXPECT_EQ(fw::columnWidths("nan%,50", 2, 150), (Widths{100, 50}));
    EXPECT_EQ(fw::columnWidths("inf%", 2, 100), (Widths{100, 0}));
    EXPECT_EQ(fw::columnWidths("-inf%", 1, 80), Widths{80});
}

} // namespace
