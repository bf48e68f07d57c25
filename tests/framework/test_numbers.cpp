// Numbers: the Double to Int32 conversion, Min, RGB, and numbers read from and
// written to text (Val, Str, CStr, Format).
#include "framework/numbers.h"
#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

const QString degrees = QString::fromUtf8("#,##0.0\\\u00B0");

TEST(ToInt32, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(fw::toInt32(2.5), 3);
    EXPECT_EQ(fw::toInt32(-2.5), -3);
    EXPECT_EQ(fw::toInt32(2.4999), 2);
    EXPECT_EQ(fw::toInt32(-0.4), 0);
    EXPECT_EQ(fw::toInt32(1968.0), 1968);
}

TEST(ToInt32, SaturatesAtTheEdgesOfTheRange)
{
    EXPECT_EQ(fw::toInt32(2147483647.4), int32Max);
    EXPECT_EQ(fw::toInt32(2147483647.5), int32Max);
    EXPECT_EQ(fw::toInt32(2147483648.0), int32Max);
    EXPECT_EQ(fw::toInt32(2147483646.6), int32Max);
    EXPECT_EQ(fw::toInt32(-2147483648.0), int32Min);
    EXPECT_EQ(fw::toInt32(-2147483648.4), int32Min);
    EXPECT_EQ(fw::toInt32(-2147483649.0), int32Min);
    EXPECT_EQ(fw::toInt32(-2147483647.6), int32Min);
    EXPECT_EQ(fw::toInt32(-2147483646.6), -2147483647);
    EXPECT_EQ(fw::toInt32(1e300), int32Max);
    EXPECT_EQ(fw::toInt32(-1e300), int32Min);
}

TEST(ToInt32, NonFiniteValues)
{
    EXPECT_EQ(fw::toInt32(nan), 0);
    EXPECT_EQ(fw::toInt32(-nan), 0);
    EXPECT_EQ(fw::toInt32(inf), int32Max);
    EXPECT_EQ(fw::toInt32(-inf), int32Min);
}

TEST(Min, TakesTheSmallerAndPassesOverNaN)
{
    EXPECT_EQ(fw::Min(0.5, 0.25), 0.25);
    EXPECT_EQ(fw::Min(-3.0, 2.0), -3.0);
    EXPECT_EQ(fw::Min(inf, 0.75), 0.75);
    EXPECT_EQ(fw::Min(nan, 0.75), 0.75);
    EXPECT_EQ(fw::Min(0.75, nan), 0.75);
    EXPECT_TRUE(std::isnan(fw::Min(nan, nan)));
}

TEST(RGB, ClampsEachComponent)
{
    EXPECT_EQ(fw::RGB(128, 128, 128), QColor(128, 128, 128));
    EXPECT_EQ(fw::RGB(-1, 256, 1000), QColor(0, 255, 255));
    EXPECT_EQ(fw::RGB(int32Min, int32Max, 7), QColor(0, 255, 7));
}

TEST(Val, ReadsTheLeadingNumber)
{
    EXPECT_EQ(fw::Val("1968"), 1968.0);
    EXPECT_EQ(fw::Val(" 12"), 12.0);
    EXPECT_EQ(fw::Val("\t-3.5e2x"), -350.0);
    EXPECT_EQ(fw::Val("12abc"), 12.0);
    EXPECT_EQ(fw::Val("+7"), 7.0);
    EXPECT_EQ(fw::Val(".5"), 0.5);
    EXPECT_EQ(fw::Val("-.5"), -0.5);
    EXPECT_EQ(fw::Val("5."), 5.0);
    EXPECT_EQ(fw::Val("1.2.3"), 1.2);
    EXPECT_EQ(fw::Val("2E-1"), 0.2);
    EXPECT_EQ(fw::Val("1e+3 more"), 1000.0);
    EXPECT_EQ(fw::Val("12 34"), 12.0);
}

TEST(Val, AnIncompleteExponentIsNotPartOfTheNumber)
{
    EXPECT_EQ(fw::Val("1e"), 1.0);
    EXPECT_EQ(fw::Val("1e+"), 1.0);
    EXPECT_EQ(fw::Val("1e-x"), 1.0);
    EXPECT_EQ(fw::Val("4E"), 4.0);
    EXPECT_EQ(fw::Val(".e5"), 0.0);
}

TEST(Val, TextWithoutANumberGivesZero)
{
    for (const char* text : {"", "-", "+", ".", "-.", " ", "abc", "nan", "NaN", "inf", "-inf", "infinity",
                             "x12", "\n12", "+-1", "e5"}) {
        EXPECT_EQ(fw::Val(QString::fromUtf8(text)), 0.0) << text;
    }
    EXPECT_EQ(fw::Val(QString::fromUtf8("\u0663\u0664")), 0.0);            // Arabic-Indic digits
    EXPECT_EQ(fw::Val(QString::fromUtf8("\uFF11\uFF12")), 0.0);            // full-width digits
    EXPECT_EQ(fw::Val(QString::fromUtf8("\u00A012")), 0.0);                // no-break space is no blank
}

TEST(Val, OverflowGivesInfinityAndUnderflowZero)
{
    EXPECT_EQ(fw::Val("1e99"), 1e99);
    EXPECT_EQ(fw::Val("-1e99"), -1e99);
    EXPECT_EQ(fw::Val("1e400"), inf);
    EXPECT_EQ(fw::Val("-1e400"), -inf);
    EXPECT_EQ(fw::Val("1e99999999999999999999999999"), inf);
    EXPECT_EQ(fw::Val("1e-400"), 0.0);
    EXPECT_EQ(fw::Val("-1e-99999999999999999999999999"), 0.0);
    EXPECT_EQ(fw::Val("0e99999999999999999999999999"), 0.0);
    // Where the digits sit decides, not the sign of the exponent.
    EXPECT_EQ(fw::Val("0." + QString(400, u'0') + "1e50"), 0.0);
    EXPECT_EQ(fw::Val("0." + QString(300, u'0') + "1e700"), inf);
    EXPECT_GT(fw::Val("1e-320"), 0.0); // a subnormal value is kept
}

TEST(Val, LongRunsOfDigits)
{
    EXPECT_EQ(fw::Val(QString(10000, u'9')), inf);
    EXPECT_EQ(fw::Val("-" + QString(10000, u'9')), -inf);
    EXPECT_EQ(fw::Val("1" + QString(300, u'0')), 1e300);
    EXPECT_EQ(fw::Val("0." + QString(10000, u'0')), 0.0);
    EXPECT_EQ(fw::Val("1" + QString(10000, u'0') + "e-10000"), 1.0);
}

TEST(Val, ConvertedToInt32)
{
    EXPECT_EQ(fw::toInt32(fw::Val("1968")), 1968);
    EXPECT_EQ(fw::toInt32(fw::Val("\t-3.5e2x")), -350);
    EXPECT_EQ(fw::toInt32(fw::Val("2.5")), 3);
    EXPECT_EQ(fw::toInt32(fw::Val("-2.5")), -3);
    EXPECT_EQ(fw::toInt32(fw::Val("1e99")), int32Max);
    EXPECT_EQ(fw::toInt32(fw::Val("-1e99")), int32Min);
    EXPECT_EQ(fw::toInt32(fw::Val("2147483648")), int32Max);
    EXPECT_EQ(fw::toInt32(fw::Val("-2147483649")), int32Min);
    EXPECT_EQ(fw::toInt32(fw::Val(QString(10000, u'9'))), int32Max);
    EXPECT_EQ(fw::toInt32(fw::Val("nan")), 0);
    EXPECT_EQ(fw::toInt32(fw::Val(QString::fromUtf8("\u0663\u0664"))), 0);
}

TEST(Str, Int32AsPlainDecimal)
{
    EXPECT_EQ(fw::Str(std::int32_t{1968}), "1968");
    EXPECT_EQ(fw::Str(std::int32_t{-5}), "-5");
    EXPECT_EQ(fw::Str(std::int32_t{0}), "0");
    EXPECT_EQ(fw::Str(int32Min), "-2147483648");
    EXPECT_EQ(fw::Str(int32Max), "2147483647");
    EXPECT_EQ(fw::CStr(std::int32_t{2}), "2");
    EXPECT_EQ(fw::CStr(int32Min), "-2147483648");
}

TEST(Str, DoubleIntegralWithoutDecimalsOthersWithSevenDigits)
{
    EXPECT_EQ(fw::Str(6.0), "6");
    EXPECT_EQ(fw::Str(-24.0), "-24");
    EXPECT_EQ(fw::Str(-0.0), "0");
    EXPECT_EQ(fw::Str(123456789012.0), "123456789012");
    EXPECT_EQ(fw::Str(0.5), "0.5");
    EXPECT_EQ(fw::Str(-0.25), "-0.25");
    EXPECT_EQ(fw::Str(3.14159265358979), "3.141593");
    EXPECT_EQ(fw::Str(1e99), "1e+99");
    EXPECT_EQ(fw::Str(1e-5), "1e-05");
    EXPECT_EQ(fw::Str(nan), "NaN");
    EXPECT_EQ(fw::Str(inf), "Infinity");
    EXPECT_EQ(fw::Str(-inf), "-Infinity");
    EXPECT_EQ(fw::CStr(0.5), fw::Str(0.5));
    EXPECT_EQ(fw::CStr(6.0), "6");
}

TEST(Format, DegreePattern)
{
    EXPECT_EQ(fw::Format(337.5, degrees), QString::fromUtf8("337.5\u00B0"));
    EXPECT_EQ(fw::Format(22.5, degrees), QString::fromUtf8("22.5\u00B0"));
    EXPECT_EQ(fw::Format(0.0, degrees), QString::fromUtf8("0.0\u00B0"));
    EXPECT_EQ(fw::Format(1234.56, degrees), QString::fromUtf8("1,234.6\u00B0"));
    EXPECT_EQ(fw::Format(-22.5, degrees), QString::fromUtf8("-22.5\u00B0"));
    EXPECT_EQ(fw::Format(1234567.0, degrees), QString::fromUtf8("1,234,567.0\u00B0"));
}

TEST(Format, RoundsHalvesAwayFromZeroWithoutNegativeZero)
{
    EXPECT_EQ(fw::Format(-0.04, "#,##0.0"), "0.0");
    EXPECT_EQ(fw::Format(-0.05, "#,##0.0"), "-0.1");
    EXPECT_EQ(fw::Format(0.05, "0.0"), "0.1");
    EXPECT_EQ(fw::Format(0.25, "0.0"), "0.3");
    EXPECT_EQ(fw::Format(2.5, "0"), "3");
    EXPECT_EQ(fw::Format(-2.5, "0"), "-3");
    EXPECT_EQ(fw::Format(1.005, "0.00"), "1.01");
    EXPECT_EQ(fw::Format(999.96, "#,##0.0"), "1,000.0");
    EXPECT_EQ(fw::Format(9.999, "0.00"), "10.00");
    EXPECT_EQ(fw::Format(-0.0, "0.0"), "0.0");
}

TEST(Format, OptionalAndRequiredDigits)
{
    EXPECT_EQ(fw::Format(5.0, "000"), "005");
    EXPECT_EQ(fw::Format(1234.0, "0"), "1234");
    EXPECT_EQ(fw::Format(1234.0, "#,#"), "1,234");
    EXPECT_EQ(fw::Format(1234.0, "#"), "1234");
    EXPECT_EQ(fw::Format(0.5, "#.00"), ".50");
    EXPECT_EQ(fw::Format(5.0, "0.##"), "5");
    EXPECT_EQ(fw::Format(5.1, "0.0#"), "5.1");
    EXPECT_EQ(fw::Format(5.123, "0.0#"), "5.12");
    EXPECT_EQ(fw::Format(123.0, "#,##0"), "123");
    EXPECT_EQ(fw::Format(-1234567.891, "#,##0.00"), "-1,234,567.89");
}

TEST(Format, LiteralsAndEscapes)
{
    EXPECT_EQ(fw::Format(5.0, "$0.00 each"), "$5.00 each");
    EXPECT_EQ(fw::Format(-5.0, "$0"), "-$5");
    EXPECT_EQ(fw::Format(7.0, "\\#0"), "#7");
    EXPECT_EQ(fw::Format(7.0, "0\\0"), "70");
    EXPECT_EQ(fw::Format(7.0, "0 \\\\"), "7 \\");
    EXPECT_EQ(fw::Format(7.0, "0\\"), "7\\");
    EXPECT_EQ(fw::Format(7.5, "0.0.0"), "7.5.0"); // the second point ends the field
    EXPECT_EQ(fw::Format(7.0, "0 - 0"), "7 - 0"); // one number field only
    EXPECT_EQ(fw::Format(7.0, QString::fromUtf8("\\\U0001F600 0")), QString::fromUtf8("\U0001F600 7"));
    EXPECT_EQ(fw::Format(7.0, "abc"), "abc");
    EXPECT_EQ(fw::Format(7.0, ", ."), ", .");
    EXPECT_EQ(fw::Format(7.5, ""), "7.5");
}

// The digits are the shortest that read back as the value, and above 2^53, where a
// Double holds only whole numbers, its exact digits.
TEST(Format, ShortestDigitsBelowTwoToThe53rdExactDigitsAbove)
{
    const std::pair<double, const char*> cases[] = {
        {0.1 + 0.2, "0.30000000000000004"},
        {5e-324, "0.000"},
        {9007199254740991.0, "9007199254740991.000"},
        {9007199254740992.0, "9007199254740992.000"},
        {1e23, "99999999999999991611392.000"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(fw::Format(value, "0.000#################"), text) << text;
}

TEST(Format, ExtremeValuesDoNotBreakIt)
{
    EXPECT_EQ(fw::Format(nan, degrees), "NaN");
    EXPECT_EQ(fw::Format(inf, degrees), "Infinity");
    EXPECT_EQ(fw::Format(-inf, "0"), "-Infinity");
    EXPECT_EQ(fw::Format(1e300, "0").size(), 301);
    EXPECT_EQ(fw::Format(std::numeric_limits<double>::max(), "#,##0.0").size(), 309 + 102 + 2);
    EXPECT_EQ(fw::Format(std::numeric_limits<double>::denorm_min(), "0.00"), "0.00");
    EXPECT_EQ(fw::Format(0.5, "0." + QString(400, u'0')), "0.5" + QString(399, u'0'));
}

} // namespace
