// Palettes of the same colours share one identity, among the last few asked for.

#include "framework/shared_palette.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QPalette>

TEST(SharedPaletteTest, EqualColoursShareOneIdentityAmongTheLastFew)
{
    const auto coloured = [](QRgb base) {
        QPalette palette;
        palette.setColor(QPalette::Base, QColor(base));
        return palette;
    };
    const QPalette white = coloured(0xFFFFFF);
    const QPalette sameAgain = coloured(0xFFFFFF);
    ASSERT_NE(white.cacheKey(), sameAgain.cacheKey());
    const qint64 shared = fw::sharedPalette(white).cacheKey();
    EXPECT_EQ(fw::sharedPalette(sameAgain).cacheKey(), shared);
    EXPECT_EQ(fw::sharedPalette(sameAgain), sameAgain);

    const QPalette grey = coloured(0xE8E8E8);
    EXPECT_NE(fw::sharedPalette(grey).cacheKey(), shared);
    EXPECT_EQ(fw::sharedPalette(grey).color(QPalette::Base), QColor(0xE8E8E8));

    // Bounded: after many other colours the white one is forgotten, and the next white
    // palette asked for is kept as itself.
    for (QRgb other = 1; other <= 40; ++other)
        fw::sharedPalette(coloured(other));
    EXPECT_EQ(fw::sharedPalette(sameAgain).cacheKey(), sameAgain.cacheKey());
}
