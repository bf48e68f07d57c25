// The About, Help and Info windows' class descriptions: Window's operations and then
// their own by name in declared order with their signatures, each of their own called
// by name, their event tables and their control accessors.
#include "url_catcher.h"
#include "windows_fixture.h"

#include "app/shell/menu_bar1.h"
#include "windows/about_box.h"
#include "windows/about_records.h"
#include "windows/help.h"
#include "windows/help_records.h"
#include "windows/info.h"
#include "windows/info_records.h"

#include "framework/classes.h"
#include "framework/control.h"
#include "framework/members.h"
#include "framework/static_text.h"

#include "support/class_description.h"

#include <QVariant>

#include <map>

using testsupport::Call;
using testsupport::callEachByName;
using testsupport::op;
using windowtests::WindowsTest;

namespace {

// A window's layout table as control names and class names.
std::vector<std::pair<QString, QString>> namesAndClasses(const std::vector<mainwindow::ControlLayout>& layouts)
{
    std::vector<std::pair<QString, QString>> controls;
    for (const mainwindow::ControlLayout& layout : layouts)
        controls.emplace_back(QString::fromLatin1(layout.name), QString::fromLatin1(fw::controlClassName(layout.controlClass)));
    return controls;
}

} // namespace

TEST_F(WindowsTest, TheAboutWindowsDescription)
{
    class AboutBox* about = AboutBox();
    const std::vector<testsupport::Operation> table{
        op<void()>("Layout"),
        op<void()>("CreateControls"),
        op<void()>("_CreateControls0"),
        op<bool(int, int)>("daURL_MouseDown"),
        op<void(int, int)>("daURL_MouseUp"),
        op<bool(int, int)>("daURL1_MouseDown"),
        op<void(int, int)>("daURL1_MouseUp"),
        op<void(fw::Window*)>("AddMenuHandlers"),
        op<void(int, int)>("Event_MouseUp"),
        op<bool(int, int)>("Event_MouseDown"),
        op<void()>("Event_Open"),
    };
    testsupport::expectOperations(about, testsupport::windowOperations(), table);
    EXPECT_EQ(testsupport::eventTable(about->metaObject()),
              QStringList({"Layout=Layout", "CreateControls=CreateControls", "AddMenuHandlers=AddMenuHandlers",
                           "Open=Event_Open", "MouseDown=Event_MouseDown", "MouseUp=Event_MouseUp"}));
    testsupport::expectControls(about, QStringLiteral("AboutBox.AboutBox"), namesAndClasses(aboutbox::controlLayouts()));

    windowtests::UrlCatcher browser;
    about->versionDisp()->setText(QString());
    const int called = callEachByName(about, table,
                                      {{"daURL_MouseDown", {{1, 2}, QVariant(true)}},
                                       {"daURL_MouseUp", {{1, 2}, {}}},
                                       {"daURL1_MouseDown", {{1, 2}, QVariant(true)}},
                                       {"daURL1_MouseUp", {{1, 2}, {}}},
                                       {"AddMenuHandlers", {{QVariant::fromValue<fw::Window*>(about)}, {}}},
                                       {"Event_MouseUp", {{1, 2}, {}}},
                                       {"Event_MouseDown", {{1, 2}, QVariant(true)}}});
    EXPECT_EQ(called, 9);
    EXPECT_EQ(browser.opened.size(), 2) << "each link's MouseUp opens its page";
    EXPECT_FALSE(about->Visible()) << "Event_MouseUp hid the window";
    EXPECT_EQ(about->versionDisp()->Text(), windowtests::kTestVersion) << "Event_Open set the version";
}

TEST_F(WindowsTest, TheHelpWindowsDescription)
{
    class Help* help = Help();
    const std::vector<testsupport::Operation> table{
        op<void()>("Layout"),
        op<void()>("CreateControls"),
        op<void()>("_CreateControls0"),
        op<void(fw::Window*)>("AddMenuHandlers"),
        op<void()>("Event_EnableMenuItems"),
        op<void()>("Event_Close"),
        op<bool()>("_FileClose_Action"),
    };
    testsupport::expectOperations(help, testsupport::windowOperations(), table);
    EXPECT_EQ(testsupport::eventTable(help->metaObject()),
              QStringList({"Layout=Layout", "CreateControls=CreateControls", "AddMenuHandlers=AddMenuHandlers",
                           "Close=Event_Close", "EnableMenuItems=Event_EnableMenuItems"}));
    testsupport::expectControls(help, QStringLiteral("Help.Help"), namesAndClasses(help::controlLayouts()));

    MenuBar1()->_Lookup("FileClose")->setEnabled(false);
    const int called = callEachByName(help, table,
                                      {{"AddMenuHandlers", {{QVariant::fromValue<fw::Window*>(help)}, {}}},
                                       {"_FileClose_Action", {{}, QVariant(false)}}});
    EXPECT_EQ(called, 5);
    EXPECT_TRUE(MenuBar1()->_Lookup("FileClose")->Enabled()) << "Event_EnableMenuItems enabled Close";
    EXPECT_TRUE(help->isClosed()) << "_FileClose_Action closed the window";
}

TEST_F(WindowsTest, TheInfoWindowsDescription)
{
    class Info* info = Info();
    std::vector<testsupport::Operation> table{
        op<void()>("Layout"),
        op<void()>("CreateControls"),
        op<void()>("_CreateControls0"),
    };
    table.insert(table.end(), testsupport::menuItemAccessors().begin(), testsupport::menuItemAccessors().end());
    for (const testsupport::Operation& operation :
         {op<void(fw::Window*)>("AddMenuHandlers"), op<void()>("Event_EnableMenuItems"), op<void()>("Event_Close"),
          op<void()>("Event_Open"), op<bool()>("_FileClose_Action")})
        table.push_back(operation);
    testsupport::expectOperations(info, testsupport::windowOperations(), table);
    EXPECT_EQ(testsupport::eventTable(info->metaObject()),
              QStringList({"Layout=Layout", "CreateControls=CreateControls", "AddMenuHandlers=AddMenuHandlers",
                           "Open=Event_Open", "Close=Event_Close", "EnableMenuItems=Event_EnableMenuItems"}));
    testsupport::expectControls(info, QStringLiteral("Info.Info"), namesAndClasses(info::controlLayouts()));

    std::map<QString, Call> calls{{"AddMenuHandlers", {{QVariant::fromValue<fw::Window*>(info)}, {}}},
                                  {"_FileClose_Action", {{}, QVariant(false)}}};
    for (const testsupport::Operation& accessor : testsupport::menuItemAccessors()) {
        QObject* item = MenuBar1()->_Lookup(QString::fromLatin1(accessor.name));
        calls[QString::fromLatin1(accessor.name)] = {{}, QVariant(accessor.signature.result, &item)};
    }
    EXPECT_EQ(callEachByName(info, table, calls), 22);
    EXPECT_TRUE(info->isClosed()) << "_FileClose_Action closed the window";
    EXPECT_EQ(MenuBar1()->_Lookup("WindowShowInfo")->Text(), "Show Info");
}
