// PopupMenu and TabPanel: Change for a different value only, by code and by the user.

#include "test_controls_support.h"

#include "framework/popup_menu.h"
#include "framework/static_text.h"
#include "framework/tab_panel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QTabBar>
#include <QTabWidget>

using namespace testcontrols;

namespace {

class ChoiceTest : public ControlsTest {};

QComboBox* comboOf(fw::PopupMenu* menu)
{
    return static_cast<QComboBox*>(menu->widget());
}

QTabWidget* tabsOf(fw::TabPanel* panel)
{
    return static_cast<QTabWidget*>(panel->widget());
}

} // namespace

TEST(PopupMenu, RowsComeFromInitialValueAndListIndexSelectsOne)
{
    fw::PopupMenu menu;
    EXPECT_EQ(menu.ListIndex(), -1);
    EXPECT_EQ(menu.Text(), "");
    menu.setInitialValue("January\rFebruary\rMarch");
    EXPECT_EQ(menu.ListCount(), 3);
    EXPECT_EQ(menu.ListIndex(), -1);
    EXPECT_EQ(comboOf(&menu)->currentIndex(), -1);
    menu.setListIndex(1);
    EXPECT_EQ(menu.Text(), "February");
    EXPECT_EQ(comboOf(&menu)->currentText(), "February");
    EXPECT_EQ(menu.List(2), "March");
    EXPECT_THROW(menu.List(3), fw::OutOfBoundsException);
    EXPECT_THROW(menu.List(-1), fw::OutOfBoundsException);

    // New rows keep the selection while its row is still there, else none.
    menu.setInitialValue("M\rF");
    EXPECT_EQ(menu.ListIndex(), 1);
    menu.setInitialValue("Only");
    EXPECT_EQ(menu.ListIndex(), -1);
    EXPECT_EQ(comboOf(&menu)->currentIndex(), -1);
    menu.setInitialValue("");
    EXPECT_EQ(menu.ListCount(), 0);
}

TEST(PopupMenu, ListIndexByCodeRaisesChangeOnceBeforeReturningAndOnlyForADifferentValue)
{
    fw::PopupMenu menu;
    menu.setInitialValue("1\r2\r3\r4");
    QStringList seen;
    menu.Change.install([&] { seen << QString::number(menu.ListIndex()); });

    menu.setListIndex(2);
    EXPECT_EQ(joined(seen), "2");
    menu.setListIndex(2);
    EXPECT_EQ(joined(seen), "2");
    menu.setListIndex(-1);
    EXPECT_EQ(joined(seen), "2 | -1");
    EXPECT_EQ(comboOf(&menu)->currentIndex(), -1);

    // Outside -1 to ListCount - 1: the exception, and nothing changes.
    EXPECT_THROW(menu.setListIndex(4), fw::OutOfBoundsException);
    EXPECT_THROW(menu.setListIndex(-2), fw::OutOfBoundsException);
    EXPECT_EQ(menu.ListIndex(), -1);
    EXPECT_EQ(joined(seen), "2 | -1");
}

TEST(PopupMenu, AHandlerThatResetsTheValueRunsTheNestedChangeOnce)
{
    fw::PopupMenu day;
    day.setInitialValue("28\r29\r30\r31");
    QStringList seen;
    day.Change.install([&] {
        seen << day.Text();
        if (day.ListIndex() == 3)
            day.setListIndex(2);
    });
    day.setListIndex(3);
    EXPECT_EQ(joined(seen), "31 | 30");
    EXPECT_EQ(day.ListIndex(), 2);
    EXPECT_EQ(comboOf(&day)->currentIndex(), 2);
}

TEST_F(ChoiceTest, TheUsersChoiceRaisesChangeOnceAndMirroringEnds)
{
    fw::PopupMenu* number = nullptr;
    fw::PopupMenu* mirror = nullptr;
    build([&](fw::Window* w) {
        number = place<fw::PopupMenu>(w, "Number", QRect(10, 10, 60, 20));
        mirror = place<fw::PopupMenu>(w, "Mirror", QRect(10, 40, 60, 20));
        number->setInitialValue("1\r2\r3");
        mirror->setInitialValue("1\r2\r3");
        number->setListIndex(0);
        mirror->setListIndex(0);
    });
    QStringList log;
    number->Change.install([&] {
        log << "number " + number->Text();
        mirror->setListIndex(number->ListIndex());
    });
    mirror->Change.install([&] {
        log << "mirror " + mirror->Text();
        number->setListIndex(mirror->ListIndex());
    });

    QTest::keyClick(comboOf(number), Qt::Key_Down);
    EXPECT_EQ(joined(log), "number 2 | mirror 2");
    EXPECT_EQ(mirror->ListIndex(), 1);

    // The user picks a row in the popped-up list.
    log.clear();
    QComboBox* combo = comboOf(mirror);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(joined(log), "mirror 3 | number 3");
    EXPECT_FALSE(list->window()->isVisible());
}

TEST_F(ChoiceTest, AnExceptionInAChangeRaisedByTheUserGoesToTheUnhandledRoad)
{
    UnhandledCatcher catcher;
    fw::PopupMenu* menu = nullptr;
    build([&](fw::Window* w) {
        menu = place<fw::PopupMenu>(w, "Menu", QRect(10, 10, 60, 20));
        menu->setInitialValue("a\rb");
    });
    menu->Change.install([] { throw fw::NilObjectException("nil trigram"); });
    QTest::keyClick(comboOf(menu), Qt::Key_Down);
    EXPECT_EQ(catcher.count, 1);
    EXPECT_EQ(catcher.last, "NilObjectException: nil trigram");
    EXPECT_EQ(menu->ListIndex(), 0);
    EXPECT_THROW(menu->setListIndex(1), fw::NilObjectException);
    EXPECT_EQ(catcher.count, 1);
}

TEST(TabPanel, PagesComeFromTabDefinitionAndValueRaisesChangeOnlyWhenDifferent)
{
    fw::TabPanel panel;
    panel.setTabDefinition("Trigram\rGua");
    ASSERT_EQ(tabsOf(&panel)->count(), 2);
    EXPECT_EQ(tabsOf(&panel)->tabText(1), "Gua");
    int changes = 0;
    int valueSeen = -1;
    panel.Change.install([&] {
        ++changes;
        valueSeen = panel.Value();
    });

    panel.setValue(0);
    EXPECT_EQ(changes, 0);
    panel.setValue(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(valueSeen, 1);
    EXPECT_EQ(tabsOf(&panel)->currentIndex(), 1);
    EXPECT_TRUE(panel.showsPage(2));
    EXPECT_FALSE(panel.showsPage(1));
    EXPECT_THROW(panel.setValue(2), fw::OutOfBoundsException);
    EXPECT_THROW(panel.setValue(-1), fw::OutOfBoundsException);
    EXPECT_EQ(panel.Value(), 1);
    EXPECT_EQ(changes, 1);

    // Fewer pages move the front page to the last one left, without Change.
    panel.setTabDefinition("Only");
    EXPECT_EQ(panel.Value(), 0);
    EXPECT_EQ(changes, 1);
}

TEST(TabPanel, FacingPlacesTheTabsAndSmallTabsMakesThemSmaller)
{
    fw::TabPanel panel;
    panel.setTabDefinition("A\rB");
    panel.setTextSize(12);
    EXPECT_EQ(tabsOf(&panel)->tabPosition(), QTabWidget::North);
    panel.setFacing(1);
    EXPECT_EQ(tabsOf(&panel)->tabPosition(), QTabWidget::South);
    EXPECT_THROW(panel.setFacing(4), fw::OutOfBoundsException);
    EXPECT_EQ(panel.Facing(), 1);

    const int normal = QFontInfo(tabsOf(&panel)->tabBar()->font()).pixelSize();
    panel.setSmallTabs(true);
    EXPECT_LT(QFontInfo(tabsOf(&panel)->tabBar()->font()).pixelSize(), normal);
}

TEST_F(ChoiceTest, ClickingATabRaisesChangeOnceAndShowsThatPagesControls)
{
    fw::TabPanel* panel = nullptr;
    fw::StaticText* onGua = nullptr;
    build([&](fw::Window* w) {
        panel = place<fw::TabPanel>(w, "Panel", QRect(20, 17, 600, 198));
        panel->setTabDefinition("Trigram\rGua");
        onGua = place<fw::StaticText>(w, "OnGua", QRect(60, 80, 100, 20));
        onGua->setInitialParent("Panel");
        onGua->setTabPanelIndex(2);
    });
    QStringList log;
    panel->Change.install([&] { log << QString::number(panel->Value()) + (onGua->isShown() ? " shown" : " hidden"); });

    QTabBar* bar = tabsOf(panel)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(joined(log), "1 shown");
    EXPECT_TRUE(onGua->widget()->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(joined(log), "1 shown");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(joined(log), "1 shown | 0 hidden");
    EXPECT_FALSE(onGua->widget()->isVisible());
}
