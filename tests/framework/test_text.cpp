// Texts: characters are code points, positions are 1-based, nothing is normalised,
// and searching and equality ignore case.
#include "framework/text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr qsizetype huge = std::numeric_limits<qsizetype>::max();
constexpr qsizetype hugeNegative = std::numeric_limits<qsizetype>::min();

// "Li" and a space, then U+F9EA, a CJK compatibility ideograph that normalisation would replace.
const QString li = QString::fromUtf8("Li \xEF\xA7\xAA");
const QString liChar = QString::fromUtf8("\xEF\xA7\xAA");
// "a", U+1F600 (two UTF-16 units), "b".
const QString emoji = QString::fromUtf8("a\U0001F600b");
const QString grin = QString::fromUtf8("\U0001F600");

TEST(TextBytes, CompatibilityIdeographSurvivesByteForByte)
{
    EXPECT_EQ(liChar.toUtf8(), QByteArray("\xEF\xA7\xAA"));
    EXPECT_EQ(liChar.at(0).unicode(), 0xF9EA);
    // What the functions hand back is the same code point, not its canonical form U+96E2.
    EXPECT_EQ(fw::Right(li, 1).toUtf8(), QByteArray("\xEF\xA7\xAA"));
    EXPECT_EQ(fw::Mid(li, 4).toUtf8(), QByteArray("\xEF\xA7\xAA"));
    EXPECT_EQ(fw::Mid(li, 1, 4).toUtf8(), li.toUtf8());
    EXPECT_FALSE(fw::StrEquals(liChar, QString::fromUtf8("\xE9\x9B\xA2"))); // U+96E2
}

TEST(Len, CountsCodePoints)
{
    EXPECT_EQ(fw::Len(""), 0);
    EXPECT_EQ(fw::Len("1968"), 4);
    EXPECT_EQ(fw::Len(li), 4);
    EXPECT_EQ(fw::Len(emoji), 3);
    EXPECT_EQ(fw::Len(grin + grin), 2);
    // A lone surrogate cannot come from UTF-8 but still counts as one character.
    EXPECT_EQ(fw::Len(QString(QChar(0xD83D)) + "x"), 2);
}

TEST(LeftRight, CountCharacters)
{
    EXPECT_EQ(fw::Left("1968", 1), "1");
    EXPECT_EQ(fw::Right("1968", 1), "8");
    EXPECT_EQ(fw::Left("14", 2), "14");
    EXPECT_EQ(fw::Left(emoji, 2), "a" + grin);
    EXPECT_EQ(fw::Right(emoji, 2), grin + "b");
    EXPECT_EQ(fw::Left(li, 3), "Li ");
    EXPECT_EQ(fw::Right(li, 3), "i " + liChar);
}

TEST(LeftRight, OutOfRangeCounts)
{
    for (const qsizetype n : {qsizetype{0}, qsizetype{-1}, hugeNegative}) {
        EXPECT_EQ(fw::Left("abc", n), "");
        EXPECT_EQ(fw::Right("abc", n), "");
    }
    EXPECT_EQ(fw::Left("abc", 4), "abc");
    EXPECT_EQ(fw::Right("abc", huge), "abc");
    EXPECT_EQ(fw::Left(emoji, huge), emoji);
    EXPECT_EQ(fw::Right(emoji, 3), emoji);
    EXPECT_EQ(fw::Left("", 1), "");
    EXPECT_EQ(fw::Right("", 1), "");
}

TEST(Mid, CountsCharactersFromOne)
{
    EXPECT_EQ(fw::Mid("1968", 1, 1), "1");
    EXPECT_EQ(fw::Mid("1968", 3, 1), "6");
    EXPECT_EQ(fw::Mid("1968", 2, 2), "96");
    EXPECT_EQ(fw::Mid(emoji, 2, 1), grin);
    EXPECT_EQ(fw::Mid(emoji, 3, 1), "b");
    EXPECT_EQ(fw::Mid(emoji, 2), grin + "b");
    EXPECT_EQ(fw::Mid(li, 4, 1), liChar);
    EXPECT_EQ(fw::Mid(li, 2), "i " + liChar);
}

TEST(Mid, OutOfRangeArguments)
{
    EXPECT_EQ(fw::Mid("abc", 0, 2), "ab");        // a start below 1 counts as 1
    EXPECT_EQ(fw::Mid("abc", hugeNegative, 1), "a");
    EXPECT_EQ(fw::Mid("abc", -5), "abc");
    EXPECT_EQ(fw::Mid("abc", 4, 1), "");
    EXPECT_EQ(fw::Mid("abc", huge, huge), "");
    EXPECT_EQ(fw::Mid("abc", huge), "");
    EXPECT_EQ(fw::Mid("abc", 2, 0), "");
    EXPECT_EQ(fw::Mid("abc", 2, -1), "");
    EXPECT_EQ(fw::Mid("abc", 2, hugeNegative), "");
    EXPECT_EQ(fw::Mid("abc", 2, huge), "bc");
    EXPECT_EQ(fw::Mid("", 1, 1), "");
    EXPECT_EQ(fw::Mid("", 1), "");
}

TEST(InStr, FindsTheFirstOccurrenceByCharacter)
{
    const QString months = "September.April.June.November";
    EXPECT_EQ(fw::InStr(months, "September"), 1);
    EXPECT_EQ(fw::InStr(months, "April"), 11);
    EXPECT_EQ(fw::InStr(months, "June"), 17);
    EXPECT_EQ(fw::InStr(months, "November"), 22);
    for (const char* month : {"January", "February", "March", "May", "July", "August", "October", "December"})
        EXPECT_EQ(fw::InStr(months, month), 0) << month;
    EXPECT_EQ(fw::InStr(emoji, "b"), 3);
    EXPECT_EQ(fw::InStr(emoji, grin), 2);
    EXPECT_EQ(fw::InStr(li, liChar), 4);
    EXPECT_EQ(fw::InStr(grin + grin + "x", "x"), 3);
}

TEST(InStr, IgnoresCase)
{
    EXPECT_EQ(fw::InStr("September.April", "april"), 11);
    EXPECT_EQ(fw::InStr("abc", "B"), 2);
    EXPECT_EQ(fw::InStr(QString::fromUtf8("x\u00C9t\u00C9"), QString::fromUtf8("\u00E9T")), 2);
    EXPECT_EQ(fw::InStr("abc", "abcd"), 0);
}

TEST(InStr, StartPosition)
{
    EXPECT_EQ(fw::InStr(1, "abab", "b"), 2);
    EXPECT_EQ(fw::InStr(3, "abab", "b"), 4);
    EXPECT_EQ(fw::InStr(5, "abab", "b"), 0);
    EXPECT_EQ(fw::InStr(0, "abab", "a"), 1);         // a start below 1 counts as 1
    EXPECT_EQ(fw::InStr(hugeNegative, "abab", "a"), 1);
    EXPECT_EQ(fw::InStr(huge, "abab", "a"), 0);
    EXPECT_EQ(fw::InStr(3, emoji, "b"), 3);
    EXPECT_EQ(fw::InStr(3, emoji, grin), 0);
}

TEST(InStr, EmptyTexts)
{
    EXPECT_EQ(fw::InStr("abc", ""), 1);
    EXPECT_EQ(fw::InStr(3, "abc", ""), 3);
    EXPECT_EQ(fw::InStr(4, "abc", ""), 0);
    EXPECT_EQ(fw::InStr("", ""), 0);
    EXPECT_EQ(fw::InStr("", "a"), 0);
}

TEST(InStr, NeverMatchesHalfACharacter)
{
    // The low half of U+1F600 alone is not a character of the text.
    EXPECT_EQ(fw::InStr(emoji, QString(grin.at(1))), 0);
    EXPECT_EQ(fw::InStr(emoji + QString(grin.at(1)), QString(grin.at(1))), 4);
}

TEST(StrEquals, IgnoresCaseOnly)
{
    EXPECT_TRUE(fw::StrEquals("February", "February"));
    EXPECT_TRUE(fw::StrEquals("february", "FEBRUARY"));
    EXPECT_TRUE(fw::StrEquals("M", "m"));
    EXPECT_TRUE(fw::StrEquals("", ""));
    EXPECT_TRUE(fw::StrEquals(li, QString::fromUtf8("lI \xEF\xA7\xAA")));
    EXPECT_FALSE(fw::StrEquals("M", "F"));
    EXPECT_FALSE(fw::StrEquals("Feb", "February"));
    EXPECT_FALSE(fw::StrEquals("M", ""));
    // No normalisation: a precomposed and a decomposed e-acute differ.
    EXPECT_FALSE(fw::StrEquals(QString::fromUtf8("\u00E9"), QString::fromUtf8("e\u0301")));
}

} // namespace
