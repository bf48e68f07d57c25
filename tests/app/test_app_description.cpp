// The application object's class description, and the class check through which the
// libraries below the application reach it.
#include "app/app.h"
#include "app/menu_commands.h"
#include "app/shell/app_object.h"
#include "app/shell/menu_bar1.h"
#include "app/shell/menu_items.h"
#include "app/shell/pictures.h"
#include "app/startup.h"
#include "windows/about_box.h"
#include "windows/help.h"
#include "windows/info.h"

#include "framework/application.h"
#include "framework/members.h"
#include "framework/menus.h"
#include "framework/runtime.h"

#include "support/class_description.h"

#include <gtest/gtest.h>

using testsupport::op;

TEST(AppDescription, ApplicationsOperationsThenFourOwnByNameAndTheOpenEventInItsTable)
{
    registerProgramClasses();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
    class App* app = App();
    const std::vector<testsupport::Operation> table{
        op<void()>("Event_Open"),
        op<bool()>("_AppleAboutOruvel_Action"),
        op<bool()>("_WindowShowInfo_Action"),
        op<bool()>("_HelpHelp_Action"),
    };
    testsupport::expectOperations(app, testsupport::applicationOperations(), table);
    EXPECT_EQ(testsupport::eventTable(app->metaObject()), QStringList({"Open=Event_Open"}));

    MenuBar1()->_Lookup("EditUndo")->setEnabled(false);
    EXPECT_EQ(fw::callMember(app, u"Event_Open"), QVariant());
    EXPECT_TRUE(MenuBar1()->_Lookup("EditUndo")->Enabled()) << "Open enabled the bar";
    for (const char* action : {"_AppleAboutOruvel_Action", "_WindowShowInfo_Action", "_HelpHelp_Action"})
        EXPECT_EQ(fw::callMember(app, QString::fromLatin1(action)), QVariant(false)) << action;
    EXPECT_NE(fw::_GetImplicitWindow("AboutBox.AboutBox"), nullptr);
    EXPECT_NE(fw::_GetImplicitWindow("Info.Info"), nullptr);
    EXPECT_NE(fw::_GetImplicitWindow("Help.Help"), nullptr);
    shutdown();
}

// The shell cannot name App in C++: it checks the registered class name instead, and
// refuses what App() refuses.
TEST(AppDescription, TheShellReachesOnlyAnAppObject)
{
    registerProgramClasses();
    fw::releaseApplication();
    EXPECT_THROW(AppObject(), fw::NilObjectException);
    (new fw::Application)->registerAsApplication();
    EXPECT_THROW(AppObject(), fw::IllegalCastException);
    EXPECT_THROW(FileClose(), fw::IllegalCastException);
    EXPECT_THROW(ElementConstructive(), fw::IllegalCastException);
    auto* app = new class App;
    app->setMenuBar(MenuBar1());
    app->registerAsApplication();
    EXPECT_EQ(AppObject(), app);
    EXPECT_EQ(FileClose(), MenuBar1()->_Lookup("FileClose"));
    releaseMenuBar1();
}
