// The gua calculator: the formula, the birth data of the Gua page as a person enters
// them, the day checks.
#include "main_window_fixture.h"
#include "dialog_spy.h"
#include "support/dialogs.h"
#include "support/user.h"
#include "url_spy.h"

#include "app/shell/web_addresses.h"

#include "framework/edit_field.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/tab_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QTest>
#include <QTextEdit>

#include <cstdint>
#include <limits>

namespace {

using namespace testsupport;

class GuaTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        user::showPage(control<fw::TabPanel>("TabPanel2"), 1);
    }

    void choose(const char* menu, int row) { user::choose(control<fw::PopupMenu>(menu), row); }

    // Enters a birth date without tripping the day checks on the way, then calculates.
    void enterBirth(int day, int month, const QString& year, const QString& sex)
    {
        choose("day", 0);
        choose("month", month - 1);
        choose("day", day - 1);
        user::typeInto(control<fw::EditField>("birthYear"), year);
        choose("Sex", sex == QLatin1String("M") ? 0 : 1);
        user::click(control<fw::PushButton>("CalculateGua"));
    }

    QString gua() const { return control<fw::EditField>("MingGua")->Text(); }
    int selectedNumber() const { return control<fw::PopupMenu>("trigramNum")->ListIndex() + 1; }
    QString dayText() const { return control<fw::PopupMenu>("day")->Text(); }
};

// The method as it stands in the books, with integers: two digit sums, then a fold of
// the result. It leaves 0 for a male whose year's digits add up to 29.
int twoPassGua(int year, bool male)
{
    const auto digits = [](int n) {
        int sum = 0;
        for (; n > 0; n /= 10)
            sum += n % 10;
        return sum;
    };
    const int sum = digits(digits(year));
    int g = male ? 11 - sum : sum + 4;
    if (g >= 10)
        g = g / 10 + g % 10;
    if (g == 5)
        g = male ? 2 : 8;
    return g;
}

} // namespace

TEST_F(GuaTest, TheDefaultBirthDataGiveTwoForAManAndOneForAWoman)
{
    enterBirth(14, 6, "1968", "M");
    EXPECT_EQ(gua(), "2");
    EXPECT_EQ(selectedNumber(), 2);
    enterBirth(14, 6, "1968", "F");
    EXPECT_EQ(gua(), "1");
    EXPECT_EQ(selectedNumber(), 1);
}

TEST_F(GuaTest, TheSolarYearBeginsOnTheFifthOfFebruary)
{
    enterBirth(4, 2, "1969", "M");
    EXPECT_EQ(gua(), "2") << "4 February 1969 counts to 1968";
    enterBirth(5, 2, "1969", "M");
    EXPECT_EQ(gua(), "4");
    enterBirth(31, 1, "2000", "F");
    EXPECT_EQ(gua(), "8") << "1999: sums 28 and 10, 14 folds to 5, which becomes 8";
    enterBirth(31, 1, "2000", "M");
    EXPECT_EQ(gua(), "1");
    enterBirth(29, 2, "1968", "M");
    EXPECT_EQ(gua(), "2") << "29 February is after the new year, in every year";
}

TEST_F(GuaTest, FurtherExamples)
{
    enterBirth(20, 6, "1990", "M");
    EXPECT_EQ(gua(), "1");
    enterBirth(20, 6, "1990", "F");
    EXPECT_EQ(gua(), "8");
    enterBirth(6, 2, "2000", "M");
    EXPECT_EQ(gua(), "9");
    enterBirth(6, 2, "2000", "F");
    EXPECT_EQ(gua(), "6");
    enterBirth(14, 6, "68", "M");
    EXPECT_EQ(gua(), "6") << "a two-digit year is the year 68";
    EXPECT_EQ(selectedNumber(), 6);
}

TEST_F(GuaTest, AYearWhoseDigitsAddUpToTwentyNineGivesNineForAManAndSixForAWoman)
{
    enterBirth(14, 6, "2999", "M");
    EXPECT_EQ(gua(), "9");
    EXPECT_EQ(selectedNumber(), 9);
    enterBirth(14, 6, "2999", "F");
    EXPECT_EQ(gua(), "6");
    EXPECT_EQ(window->GuaCalc(3989, "M"), 9);
    EXPECT_EQ(window->GuaCalc(9929, "M"), 9);
}

TEST_F(GuaTest, EveryOtherFourDigitYearGivesWhatTheTwoPassMethodGives)
{
    for (int year = 1000; year <= 9999; ++year) {
        const bool sumIs29 = year / 1000 + year / 100 % 10 + year / 10 % 10 + year % 10 == 29;
        if (!sumIs29) {
            ASSERT_EQ(window->GuaCalc(year, "M"), twoPassGua(year, true)) << year;
        }
        ASSERT_EQ(window->GuaCalc(year, "F"), twoPassGua(year, false)) << year;
    }
}

TEST_F(GuaTest, EveryYearAndSexGiveATrigramNumber)
{
    const std::int32_t extremes[] = {std::numeric_limits<std::int32_t>::min(), -1000000, -1, 0,
                                     std::numeric_limits<std::int32_t>::max()};
    for (const QString sex : {"M", "F", "m", "", "X"}) {
        for (std::int32_t year : extremes) {
            const std::int32_t g = window->GuaCalc(year, sex);
            EXPECT_TRUE(g >= 1 && g <= 9) << year << " " << sex.toStdString() << " gave " << g;
        }
        for (std::int32_t year = -3000; year <= 12000; ++year) {
            const std::int32_t g = window->GuaCalc(year, sex);
            ASSERT_TRUE(g >= 1 && g <= 9) << year << " " << sex.toStdString() << " gave " << g;
        }
    }
    EXPECT_EQ(window->GuaCalc(1968, "X"), 1) << "any other sex text takes the female formula";
    EXPECT_EQ(window->GuaCalc(1000, "X"), 2) << "and 5 then becomes 2";
    EXPECT_EQ(window->GuaCalc(1000, "F"), 8);
}

TEST_F(GuaTest, WhateverTheYearFieldHoldsTheCalculationShowsATrigram)
{
    for (const QString year :
         {"", "    ", "abcd", "-5", "1e99", "-1e99", "-1e9", "9999", "0", "12.5", "+7", "\u0663"}) {
        for (const int month : {1, 6}) {
            enterBirth(14, month, year, "M");
            const int shown = gua().toInt();
            EXPECT_TRUE(shown >= 1 && shown <= 9) << "year field \"" << year.toStdString() << "\"";
            EXPECT_EQ(selectedNumber(), shown);
        }
    }
}

TEST_F(GuaTest, TheYearFieldTakesAtMostFourCharactersAlsoWhenPasted)
{
    auto* year = control<fw::EditField>("birthYear");
    user::typeInto(year, "20245");
    EXPECT_EQ(year->Text(), "2024");
    QGuiApplication::clipboard()->setText("1e99999");
    user::typeInto(year, "");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(year->Text(), "1e99");
    user::click(control<fw::PushButton>("CalculateGua"));
    EXPECT_EQ(gua(), "1") << "1e99 saturates to 2147483647: digit sum 46, 10, 1; 11 - 1 = 10, 1";
}

TEST_F(GuaTest, TheYearFieldSelectsItsLastTwoDigitsWhenItTakesTheFocus)
{
    auto* year = control<fw::EditField>("birthYear");
    user::click(year, year->lineEdit());
    EXPECT_EQ(year->SelStart(), 2);
    EXPECT_EQ(year->SelLength(), 2);
}

TEST_F(GuaTest, TheYearIsCalculatedWhenTheFieldLosesTheFocusNotWhileTyping)
{
    user::typeInto(control<fw::EditField>("birthYear"), "1990");
    EXPECT_EQ(gua(), "2") << "typing calculates nothing";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(gua(), "1");
}

TEST_F(GuaTest, ChangingTheSexRecalculates)
{
    choose("Sex", 1);
    EXPECT_EQ(gua(), "1");
}

TEST_F(GuaTest, TextTypedIntoTheGuaFieldStaysUntilTheNextCalculation)
{
    user::typeInto(control<fw::EditField>("MingGua"), "42");
    user::showPage(control<fw::TabPanel>("InfoPanel"), 2);
    showTrigram(7); // by code: no person can browse while this page is in front
    EXPECT_EQ(gua(), "42");
    user::click(control<fw::PushButton>("CalculateGua"));
    EXPECT_EQ(gua(), "2");
}

TEST_F(GuaTest, ThirtyFirstOfAprilIsResetBeforeTheMessage)
{
    choose("month", 3);
    DialogSpy spy([this] { return dayText(); });
    auto seen = answerNextDialog("OK");
    choose("day", 30);
    ASSERT_TRUE(seen->answered);
    ASSERT_EQ(spy.texts.size(), 1);
    EXPECT_EQ(spy.texts[0], "Month selected cannot have 31 days. Day reset to 30th");
    EXPECT_EQ(spy.snapshots[0], "30") << "the day was already reset when the message showed";
    EXPECT_EQ(dayText(), "30");
}

TEST_F(GuaTest, ThirtiethOfFebruaryChosenAsADayIsResetBeforeTheMessageWithItsFullStop)
{
    choose("month", 1);
    DialogSpy spy([this] { return dayText() + "/" + gua(); });
    auto seen = answerNextDialog("OK");
    choose("day", 29);
    ASSERT_TRUE(seen->answered);
    ASSERT_EQ(spy.texts.size(), 1);
    EXPECT_EQ(spy.texts[0], "February usually has 28 days and can have 29 in leap year. Day reset to 28th.");
    EXPECT_EQ(spy.snapshots[0], "28/2") << "the gua of 28 February 1968 is shown before the message";
    EXPECT_EQ(dayText(), "28");
}

TEST_F(GuaTest, FebruaryChosenOnTheThirtiethShowsTheMessageFirstThenResetsTheDay)
{
    choose("day", 29);
    user::typeInto(control<fw::EditField>("MingGua"), "");
    DialogSpy spy([this] { return dayText() + "/" + gua(); });
    auto seen = answerNextDialog("OK");
    choose("month", 1);
    ASSERT_TRUE(seen->answered);
    ASSERT_EQ(spy.texts.size(), 1);
    EXPECT_EQ(spy.texts[0], "February usually has 28 days and can have 29 in leap year. Day reset to 28th");
    EXPECT_EQ(spy.snapshots[0], "30/") << "no day reset and no calculation before the message";
    EXPECT_EQ(dayText(), "28");
    EXPECT_EQ(gua(), "2") << "then the gua of 28 February";
}

TEST_F(GuaTest, AThirtyDayMonthChosenOnTheThirtyFirstShowsTheMessageFirst)
{
    for (const int thirtyDayMonth : {3, 5, 8, 10}) { // April, June, September, November
        choose("month", 2); // March
        choose("day", 30);
        DialogSpy spy([this] { return dayText(); });
        auto seen = answerNextDialog("OK");
        choose("month", thirtyDayMonth);
        ASSERT_TRUE(seen->answered);
        ASSERT_EQ(spy.texts.size(), 1);
        EXPECT_EQ(spy.texts[0], "Month selected cannot have 31 days. Day reset to 30th");
        EXPECT_EQ(spy.snapshots[0], "31");
        EXPECT_EQ(dayText(), "30");
    }
}

TEST_F(GuaTest, DaysThatTheMonthHasPassWithoutAMessage)
{
    DialogSpy spy;
    choose("month", 1);
    choose("day", 28); // 29 February
    choose("month", 0);
    choose("day", 30); // 31 January
    choose("month", 11);
    choose("month", 6);
    EXPECT_TRUE(spy.texts.isEmpty());
    EXPECT_EQ(dayText(), "31");
}

TEST_F(GuaTest, TheTrigramIsSelectedBeforeTheGuaFieldIsWritten)
{
    auto* combo = qobject_cast<QComboBox*>(control<fw::PopupMenu>("trigramNum")->widget());
    ASSERT_NE(combo, nullptr);
    QStringList guaWhenSelected;
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [&] { guaWhenSelected << gua(); });
    user::typeInto(control<fw::EditField>("MingGua"), "");
    choose("Sex", 1); // 1968, "F": 1
    ASSERT_EQ(guaWhenSelected.size(), 1);
    EXPECT_EQ(guaWhenSelected[0], "") << "the gua field is written after the selector";
    EXPECT_EQ(gua(), "1");
}

TEST_F(GuaTest, PressingAndReleasingTheMouseInTheExplanationOpensTheConsultancysPageOnce)
{
    auto* explanation = control<fw::EditField>("EditField1");
    QTextEdit* editor = explanation->textEdit();
    ASSERT_NE(editor, nullptr);
    const QString text = explanation->Text();
    UrlSpy spy;
    user::click(explanation, editor->viewport(), QPoint(40, 60));
    ASSERT_EQ(spy.opened.size(), 1);
    EXPECT_EQ(spy.opened[0], QUrl(QString::fromLatin1(WebAddresses::kConsultancyPage)));
    EXPECT_EQ(spy.opened[0].path(), "/Reduvazidez_Idod_Ezir.html");
    EXPECT_EQ(explanation->Text(), text);
    EXPECT_EQ(explanation->SelLength(), 0) << "the click does not reach the text";
}
