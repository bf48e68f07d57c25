// The gua calculator of the Gua page: the formula, the calculation from the page's
// fields, and the checks that keep the chosen day inside its month.
#include "oruvel.h"

#include "app/shell/web_addresses.h"

#include "framework/dialogs.h"
#include "framework/edit_field.h"
#include "framework/numbers.h"
#include "framework/popup_menu.h"
#include "framework/system.h"
#include "framework/text.h"

#include <limits>

namespace {

// The sum of the decimal digits of a number's text; a minus sign adds nothing.
std::int32_t digitSum(std::int32_t number)
{
    const QString s = fw::Str(number);
    std::int32_t sum = 0;
    for (qsizetype i = 1; i <= fw::Len(s); ++i)
        sum = fw::toInt32(static_cast<double>(sum) + fw::Val(fw::Mid(s, i, 1)));
    return sum;
}

// The year of the Chinese solar calendar, which begins on 5 February.
std::int32_t solarYear(std::int32_t year, int month, int day)
{
    const bool beforeNewYear = month == 1 || (month == 2 && day < 5);
    if (beforeNewYear && year > std::numeric_limits<std::int32_t>::min())
        return year - 1;
    return year;
}

} // namespace

// The digit sum is folded until one digit is left, as the traditional method does:
// for a sum of 29 (the year 2999) two passes would leave 11 and give no trigram.
std::int32_t Oruvel::GuaCalc(std::int32_t year, const QString& sex)
{
    std::int32_t sum = digitSum(year);
    while (fw::Len(fw::Str(sum)) > 1)
        sum = digitSum(sum);

    const bool male = fw::StrEquals(sex, QStringLiteral("M"));
    std::int32_t g = male ? 11 - sum : sum + 4;
    const QString s = fw::Str(g);
    if (fw::Len(s) >= 2)
        g = fw::toInt32(fw::Val(fw::Left(s, 1)) + fw::Val(fw::Right(s, 1)));
    if (g == 5)
        g = fw::StrEquals(sex, QStringLiteral("F")) ? 8 : 2;
    return g;
}

void Oruvel::ProcessGua()
{
    fw::Date birth;
    birth.setYear(fw::toInt32(fw::Val(control<fw::EditField>("birthYear")->Text())));
    birth.setMonth(control<fw::PopupMenu>("month")->ListIndex() + 1);
    birth.setDay(control<fw::PopupMenu>("day")->ListIndex() + 1);

    const std::int32_t g = GuaCalc(solarYear(birth.Year(), birth.Month(), birth.Day()),
                                   control<fw::PopupMenu>("Sex")->Text());
    control<fw::PopupMenu>("trigramNum")->setListIndex(g - 1);
    control<fw::EditField>("MingGua")->setText(fw::CStr(g));
}

void Oruvel::CalculateGua_Action()
{
    ProcessGua();
}

void Oruvel::Sex_Change()
{
    ProcessGua();
}

namespace {

constexpr int k28th = 27;
constexpr int k30th = 29;

bool isFebruaryPast29(const QString& month, const QString& day)
{
    return fw::StrEquals(month, QStringLiteral("February")) && fw::Val(day) > 29;
}

bool isThirtyDayMonthPast30(const QString& month, const QString& day)
{
    return fw::InStr(QStringLiteral("September.April.June.November"), month) > 0 && fw::Val(day) > 30;
}

} // namespace

// The day is reset first, so the corrected day's gua is shown before the message.
void Oruvel::day_Change()
{
    const QString month = control<fw::PopupMenu>("month")->Text();
    const QString day = control<fw::PopupMenu>("day")->Text();
    if (isFebruaryPast29(month, day)) {
        control<fw::PopupMenu>("day")->setListIndex(k28th);
        fw::MsgBox(QStringLiteral("February usually has 28 days and can have 29 in leap year. Day reset to 28th."));
    } else if (isThirtyDayMonthPast30(month, day)) {
        control<fw::PopupMenu>("day")->setListIndex(k30th);
        fw::MsgBox(QStringLiteral("Month selected cannot have 31 days. Day reset to 30th"));
    } else {
        ProcessGua();
    }
}

// The message comes first; the day's reset then calculates through day_Change.
void Oruvel::month_Change()
{
    const QString month = control<fw::PopupMenu>("month")->Text();
    const QString day = control<fw::PopupMenu>("day")->Text();
    if (isFebruaryPast29(month, day)) {
        fw::MsgBox(QStringLiteral("February usually has 28 days and can have 29 in leap year. Day reset to 28th"));
        control<fw::PopupMenu>("day")->setListIndex(k28th);
    } else if (isThirtyDayMonthPast30(month, day)) {
        fw::MsgBox(QStringLiteral("Month selected cannot have 31 days. Day reset to 30th"));
        control<fw::PopupMenu>("day")->setListIndex(k30th);
    } else {
        ProcessGua();
    }
}

// Selects the last two digits, so that typing replaces them.
void Oruvel::birthYear_GotFocus()
{
    auto* year = control<fw::EditField>("birthYear");
    year->setSelStart(2);
    year->setSelLength(2);
}

void Oruvel::birthYear_LostFocus()
{
    ProcessGua();
}

// The click belongs to the handler, not to the text: the matching MouseUp follows.
bool Oruvel::EditField1_MouseDown(int /*x*/, int /*y*/)
{
    return true;
}

void Oruvel::EditField1_MouseUp(int /*x*/, int /*y*/)
{
    fw::ShowURL(QString::fromLatin1(WebAddresses::kConsultancyPage));
}
