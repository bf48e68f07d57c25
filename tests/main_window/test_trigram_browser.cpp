// The trigram browser: the opening state, the display of one record, and the number
// selector, arrows, list and tabs kept in step as a person uses them.
#include "main_window_fixture.h"
#include "support/user.h"

#include "framework/canvas.h"
#include "framework/edit_field.h"
#include "framework/listbox.h"
#include "framework/little_arrows.h"
#include "framework/popup_menu.h"
#include "framework/record.h"
#include "framework/static_text.h"
#include "framework/tab_panel.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

namespace {

using namespace testsupport;

class TrigramBrowserTest : public MainWindowTest {
protected:
    int selector() const { return control<fw::PopupMenu>("trigramNum")->ListIndex(); }
    int listRow() const { return control<fw::Listbox>("TriBox")->ListIndex(); }
    QString text(const char* label) const { return control<fw::StaticText>(label)->Text(); }
    void clickArrow(bool up)
    {
        auto* arrows = control<fw::LittleArrows>("LittleArrows1");
        user::click(arrows, up ? arrows->upButton() : arrows->downButton());
    }
    // Picks the number in the selector; the page that shows it is the Trigram page.
    void pick(int number) { user::choose(control<fw::PopupMenu>("trigramNum"), number - 1); }
    void showPage(const char* panel, int page) { user::showPage(control<fw::TabPanel>(panel), page); }
};

} // namespace

TEST_F(TrigramBrowserTest, TheWindowOpensOnTheGuaTrigramOfTheDefaultBirthData)
{
    EXPECT_EQ(control<fw::PopupMenu>("trigramNum")->Text(), "2");
    EXPECT_EQ(listRow(), 1);
    EXPECT_EQ(control<fw::Listbox>("TriBox")->Cell(1, 0), "Kun");
    EXPECT_EQ(control<fw::EditField>("MingGua")->Text(), "2");
    EXPECT_EQ(text("TriNameDisp"), QString::fromUtf8(u8"Kun \u5764"));
    EXPECT_EQ(text("TriTriDisp"), QString::fromUtf8(u8"\u2637"));
    EXPECT_EQ(control<fw::TabPanel>("TabPanel2")->Value(), 0);
    EXPECT_EQ(control<fw::TabPanel>("InfoPanel")->Value(), 0);
    auto* square = control<fw::Listbox>("baguaBox");
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(square->CellAlignment(row, column), fw::Listbox::kAlignCentre) << row << "," << column;
    }
}

TEST_F(TrigramBrowserTest, ARecordFillsEveryValueLabel)
{
    pick(9);
    EXPECT_EQ(text("TriNameDisp"), QString::fromUtf8(u8"Li \uF9EA")) << "the compatibility ideograph stays";
    EXPECT_EQ(text("TriTriDisp"), QString::fromUtf8(u8"\u2632"));
    EXPECT_EQ(text("FamilyMember"), "Middle Daughter");
    EXPECT_EQ(text("Element"), "Fire");
    EXPECT_EQ(text("trigramColor"), "Red, orange, purple");
    EXPECT_EQ(text("Polarity"), "Yin");
    EXPECT_EQ(text("Form"), "Triangular, pointed");
    EXPECT_EQ(text("produces"), "Earth");
    EXPECT_EQ(text("Controls"), "Metal");
    EXPECT_EQ(text("weakens"), "Wood");
    EXPECT_EQ(text("Season"), "Summer");
    EXPECT_EQ(text("Senses"), "Sight");
    EXPECT_EQ(text("PartsOfBody"), "Eyes, heart");
    EXPECT_EQ(text("Animal"), "Red Phoenix");
    EXPECT_EQ(text("Nature"), "Fire");
    EXPECT_EQ(text("Group"), "East (E)");
    EXPECT_EQ(text("Direction"), "South (S)");
    EXPECT_EQ(text("TimeOfDay"), "Noon");
    EXPECT_EQ(text("InitialAngle"), QString::fromUtf8(u8"157.5\u00B0"));
    EXPECT_EQ(text("FinalAngle"), QString::fromUtf8(u8"202.5\u00B0"));
    EXPECT_EQ(text("Note"), "");
    pick(1);
    EXPECT_EQ(text("InitialAngle"), QString::fromUtf8(u8"337.5\u00B0"));
    EXPECT_EQ(text("FinalAngle"), QString::fromUtf8(u8"22.5\u00B0"));
}

TEST_F(TrigramBrowserTest, TheCentreShowsItsNoteAndHidesBothCompassesUntilATrigramFollows)
{
    pick(5);
    EXPECT_EQ(text("TriNameDisp"), "No Trigram");
    EXPECT_EQ(text("TriTriDisp"), QString::fromUtf8(u8"\u262F"));
    EXPECT_EQ(text("Note"), "Tai Chi - not a trigram.");
    EXPECT_EQ(text("trigramColor"), "");
    EXPECT_EQ(text("InitialAngle"), "N/A");
    EXPECT_EQ(text("FinalAngle"), "N/A");
    EXPECT_FALSE(control<fw::Canvas>("canvas1")->Visible());
    EXPECT_FALSE(control<fw::Canvas>("Canvas2")->Visible());
    pick(3);
    EXPECT_EQ(text("Note"), "");
    EXPECT_TRUE(control<fw::Canvas>("canvas1")->Visible());
    EXPECT_TRUE(control<fw::Canvas>("Canvas2")->Visible());
}

TEST_F(TrigramBrowserTest, TheColoursLabelTakesTheColourOfTheElement)
{
    const std::uint32_t colours[] = {0x00009B, 0xD68413, 0x00C000, 0x00C000, 0xD68413,
                                     0x999999, 0x999999, 0xD68413, 0xFF2E00};
    for (int number = 1; number <= 9; ++number) {
        pick(number);
        EXPECT_EQ(control<fw::StaticText>("trigramColor")->TextColor(), fw::color(colours[number - 1])) << number;
        EXPECT_EQ(control<fw::StaticText>("Element")->TextColor(), fw::color(0x000000)) << number;
        EXPECT_EQ(control<fw::StaticText>("Direction")->TextColor(), fw::color(0x000000)) << number;
    }
}

TEST_F(TrigramBrowserTest, TheArrowsStepAndWrapAround)
{
    pick(8);
    clickArrow(true);
    EXPECT_EQ(selector(), 8);
    clickArrow(true);
    EXPECT_EQ(selector(), 0) << "up from 9 is 1";
    EXPECT_EQ(text("TriNameDisp"), QString::fromUtf8(u8"Kan \u574E"));
    clickArrow(false);
    EXPECT_EQ(selector(), 8) << "down from 1 is 9";
    clickArrow(false);
    EXPECT_EQ(selector(), 7);
    EXPECT_EQ(listRow(), 7);
}

TEST_F(TrigramBrowserTest, WithNoSelectionUpSelectsTheFirstAndDownTheLastEntry)
{
    control<fw::PopupMenu>("trigramNum")->setListIndex(-1);
    clickArrow(true);
    EXPECT_EQ(selector(), 0);
    control<fw::PopupMenu>("trigramNum")->setListIndex(-1);
    clickArrow(false);
    EXPECT_EQ(selector(), 8);
    EXPECT_EQ(text("Direction"), "South (S)");
}

TEST_F(TrigramBrowserTest, SelectorAndListMirrorEachOther)
{
    pick(4);
    EXPECT_EQ(listRow(), 3);
    user::clickRow(control<fw::Listbox>("TriBox"), 6);
    EXPECT_EQ(selector(), 6);
    EXPECT_EQ(listRow(), 6);
    EXPECT_EQ(text("Element"), "Metal (soft)");
}

TEST_F(TrigramBrowserTest, ClickingTheEmptyFifthRowSelectsTheCentre)
{
    auto* list = control<fw::Listbox>("TriBox");
    user::clickRow(list, 4);
    EXPECT_EQ(selector(), 4);
    EXPECT_EQ(listRow(), 4);
    EXPECT_EQ(text("TriNameDisp"), "No Trigram");
    // What the handlers answer the list, which a person does not see.
    EXPECT_FALSE(list->CellClick(2, 0, 3, 3)) << "the list goes on with the click";
    EXPECT_EQ(selector(), 2);
    list->CellGotFocus(7, 0);
    EXPECT_EQ(selector(), 7);
}

TEST_F(TrigramBrowserTest, TheHeadingAndTheKeysLeaveTheRowsAlone)
{
    auto* list = control<fw::Listbox>("TriBox");
    user::clickRow(list, 2);
    user::clickHeading(list);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(selector(), 3) << "the key went on to the list";
    EXPECT_TRUE(list->HeaderPressed(0));
    EXPECT_FALSE(list->KeyDown(QString(QChar(31))));
    const char* rows[] = {"Kan", "Kun", "Zhen", "Xun", "", "Qian", "Dui", "Gen", "Li"};
    for (int row = 0; row < 9; ++row)
        EXPECT_EQ(list->Cell(row, 0), rows[row]);
    EXPECT_EQ(list->Heading(0), "Trigrams");
}

TEST_F(TrigramBrowserTest, ClearingTheListShowsTheEmptyRecord)
{
    control<fw::Listbox>("TriBox")->setListIndex(-1);
    EXPECT_EQ(selector(), -1);
    for (const char* label : {"TriNameDisp", "TriTriDisp", "Element", "trigramColor", "Direction", "TimeOfDay", "Note"})
        EXPECT_EQ(text(label), "") << label;
    EXPECT_EQ(control<fw::StaticText>("trigramColor")->TextColor(), fw::color(0x000000));
    EXPECT_EQ(text("InitialAngle"), QString::fromUtf8(u8"0.0\u00B0"));
    EXPECT_EQ(text("FinalAngle"), QString::fromUtf8(u8"0.0\u00B0"));
    EXPECT_TRUE(control<fw::Canvas>("canvas1")->Visible());
    EXPECT_TRUE(control<fw::Canvas>("Canvas2")->Visible());
}

TEST_F(TrigramBrowserTest, TurningTheUpperTabsReturnsToThePersonsGuaTrigram)
{
    pick(6);
    showPage("TabPanel2", 1);
    EXPECT_EQ(selector(), 1) << "the Gua page presses Calculate";
    // By code, as no person can while the Gua page is in front: then only the Trigram
    // page's own calculation brings the gua trigram back.
    showTrigram(7);
    showPage("TabPanel2", 0);
    EXPECT_EQ(selector(), 1);
    EXPECT_EQ(listRow(), 1);
    EXPECT_EQ(text("TriNameDisp"), QString::fromUtf8(u8"Kun \u5764"));
}

TEST_F(TrigramBrowserTest, TheHiddenLabelsStayHidden)
{
    for (int number = 1; number <= 9; ++number) {
        pick(number);
        for (const char* hidden : {"Animal", "StaticText24", "StaticText18", "Senses"}) {
            EXPECT_FALSE(control<fw::StaticText>(hidden)->Visible()) << hidden << " with " << number;
            EXPECT_FALSE(control<fw::StaticText>(hidden)->isShown()) << hidden << " with " << number;
        }
    }
}
