// The main window's life: File > Close asks before quitting, closing the window quits,
// and the window keeps File > Close usable.
#include "main_window_fixture.h"
#include "support/dialogs.h"

#include "app/shell/menu_bar1.h"

#include "framework/application.h"
#include "framework/menu_dispatch.h"
#include "framework/menus.h"
#include "framework/popup_menu.h"

#include <QMainWindow>

namespace {

using LifecycleTest = MainWindowTest;

} // namespace

TEST_F(LifecycleTest, FileCloseAnsweredCancelChangesNothing)
{
    showTrigram(7);
    for (int time = 0; time < 2; ++time) {
        auto seen = testsupport::answerNextDialog("Cancel");
        EXPECT_FALSE(window->menuHandler("FileClose")());
        ASSERT_TRUE(seen->answered);
        EXPECT_EQ(seen->text, "Are you sure you want to quit the program?");
        EXPECT_EQ(seen->buttons, QStringList({"Quit", "Cancel"}));
    }
    EXPECT_FALSE(application->quitRequested());
    EXPECT_FALSE(window->isClosed());
    EXPECT_EQ(control<fw::PopupMenu>("trigramNum")->ListIndex(), 6);
}

TEST_F(LifecycleTest, FileCloseAnsweredQuitQuitsWithCodeZero)
{
    auto seen = testsupport::answerNextDialog("Quit");
    fw::runMenuCommand(window->FileClose(), window);
    ASSERT_TRUE(seen->answered);
    EXPECT_TRUE(application->quitRequested());
    EXPECT_EQ(application->quitCode(), 0);
}

TEST_F(LifecycleTest, TheCloseBoxQuitsWithoutAsking)
{
    window->widget()->close();
    EXPECT_TRUE(window->isClosed());
    EXPECT_TRUE(application->quitRequested());
    EXPECT_EQ(application->quitCode(), 0);
}

TEST_F(LifecycleTest, TheMainWindowEnablesFileClose)
{
    fw::MenuItem* close = window->FileClose();
    ASSERT_NE(close, nullptr);
    EXPECT_FALSE(close->AutoEnable());
    close->setEnabled(false);
    window->Show();
    window->EnableMenuItems();
    EXPECT_TRUE(close->Enabled());
}

TEST_F(LifecycleTest, ComingToTheFrontUpdatesTheMenusAtOnce)
{
    fw::MenuItem* close = window->FileClose();
    ASSERT_NE(close, nullptr);
    window->Show();
    close->setEnabled(false);
    window->Event_Activate();
    EXPECT_TRUE(close->Enabled());
}

TEST_F(LifecycleTest, TheMenuItemAccessorsFindTheSharedItems)
{
    EXPECT_EQ(window->FileClose(), MenuBar1()->_Lookup("FileClose"));
    EXPECT_EQ(window->WindowShowInfo()->Text(), "Show Info");
    EXPECT_EQ(window->FileQuit()->Name(), "FileQuit");
    EXPECT_EQ(window->AppleAboutOruvel()->Text(), "About Oruvel...");
    EXPECT_EQ(window->HelpMenu()->Text(), "Help");
    EXPECT_EQ(window->UntitledMenu0()->Text(), "-");
    EXPECT_EQ(window->UntitledMenu1(), nullptr);
}
