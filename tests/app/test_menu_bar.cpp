// The shared menu bar: its four menus and fifteen items, and its one instance.
#include "app/shell/menu_bar1.h"

#include "framework/menus.h"

#include <gtest/gtest.h>

#include <QPointer>

#include <optional>

namespace {

struct Row {
    const char* name;
    const char* className;
    const char* text;
    std::optional<const char*> shortcut; // nullopt: never set
    bool autoEnable;
};

struct Menu {
    Row menu;
    std::vector<Row> items;
};

const std::vector<Menu> kMenus{
    {{"FileMenu", "fw::MenuItem", "&File", "", true},
     {{"FileClose", "fw::MenuItem", "Close", "Cmd+W", false}, {"FileQuit", "fw::QuitMenuItem", "Quit", "Cmd+Q", true}}},
    {{"EditMenu", "fw::MenuItem", "&Edit", "", true},
     {{"EditUndo", "fw::MenuItem", "&Undo", "Cmd+Z", true},
      {"UntitledMenu0", "fw::MenuItem", "-", std::nullopt, true},
      {"EditCut", "fw::MenuItem", "Cu&t", "Cmd+X", true},
      {"EditCopy", "fw::MenuItem", "&Copy", "Cmd+C", true},
      {"EditPaste", "fw::MenuItem", "&Paste", "Cmd+V", true},
      {"EditClear", "fw::MenuItem", "Clear", "", true}}},
    {{"WindowMenu", "fw::MenuItem", "Window", "", true},
     {{"WindowShowInfo", "fw::MenuItem", "Show Info", "Cmd+I", true}}},
    {{"HelpMenu", "fw::MenuItem", "Help", "", true},
     {{"HelpHelp", "fw::MenuItem", "Help", "Cmd+?", true},
      {"AppleAboutOruvel", "fw::AppleMenuItem", "About Oruvel...", "", true}}},
};

void expectRow(const fw::MenuItem* item, const Row& row)
{
    ASSERT_NE(item, nullptr) << row.name;
    EXPECT_EQ(item->Name(), row.name);
    EXPECT_STREQ(item->metaObject()->className(), row.className) << row.name;
    EXPECT_EQ(item->Text(), QString::fromUtf8(row.text)) << row.name;
    EXPECT_EQ(item->KeyboardShortcut(), QString::fromUtf8(row.shortcut.value_or(""))) << row.name;
    EXPECT_EQ(item->AutoEnable(), row.autoEnable) << row.name;
}

} // namespace

TEST(MenuBar1Test, FourMenusAndFifteenItemsInOrder)
{
    class MenuBar1* bar = MenuBar1();
    ASSERT_EQ(bar->Count(), 4);
    for (int m = 0; m < 4; ++m) {
        const fw::MenuItem* menu = bar->Item(m);
        expectRow(menu, kMenus[m].menu);
        ASSERT_EQ(menu->Count(), static_cast<int>(kMenus[m].items.size()));
        for (int i = 0; i < menu->Count(); ++i)
            expectRow(menu->Item(i), kMenus[m].items[i]);
    }
    EXPECT_TRUE(bar->_Lookup("UntitledMenu0")->isSeparator());
}

TEST(MenuBar1Test, OneSharedInstanceBuiltOnce)
{
    class MenuBar1* first = MenuBar1();
    EXPECT_EQ(MenuBar1(), first);
    EXPECT_EQ(first->Count(), 4);
    EXPECT_EQ(first->Child("FileMenu")->Count(), 2);
}

TEST(MenuBar1Test, TheHelpItemAndTheHelpMenuAreToldApartByName)
{
    fw::MenuItem* menu = MenuBar1()->_Lookup("HelpMenu");
    fw::MenuItem* item = MenuBar1()->_Lookup("HelpHelp");
    ASSERT_TRUE(menu && item);
    EXPECT_NE(menu, item);
    EXPECT_EQ(menu->Text(), item->Text());
    EXPECT_EQ(item->parentItem(), menu);
}

TEST(MenuBar1Test, ReleasingAndAskingAgainBuildsAFreshBar)
{
    QPointer<class MenuBar1> old = MenuBar1();
    releaseMenuBar1();
    EXPECT_TRUE(old.isNull());
    class MenuBar1* fresh = MenuBar1();
    EXPECT_EQ(fresh->Count(), 4);
    releaseMenuBar1();
    releaseMenuBar1(); // nothing left to release
}
