// The application's own menu commands: About, Show Info / Hide Info and Help, bound at
// start-up and answered by App whichever window is in front.
#include "app/app.h"
#include "app/menu_commands.h"
#include "app/shell/menu_bar1.h"
#include "app/startup.h"
#include "main_window/oruvel.h"
#include "windows/about_box.h"
#include "windows/help.h"
#include "windows/info.h"

#include "framework/classes.h"
#include "framework/menu_dispatch.h"
#include "framework/menus.h"
#include "framework/runtime.h"
#include "framework/static_text.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <string>

namespace {

// The program as start-up leaves it before the event loop: the application object
// with its bar and commands, and the main window open. Shutdown clears it afterwards.
class MenuCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerProgramClasses();
        _NewAppInstance();
        _ApplicationAddMenuHandlers();
        _MakeDefaultView();
    }
    void TearDown() override { shutdown(); }

    static fw::MenuItem* item(const char* name) { return MenuBar1()->_Lookup(QString::fromLatin1(name)); }
    static QString showInfoCaption() { return item("WindowShowInfo")->Text(); }
    // Chooses the item as the user does while the window is in front.
    static void choose(const char* name, fw::Window* front) { fw::runMenuCommand(item(name), front); }

    template <typename T>
    static int openWindowsOf()
    {
        return static_cast<int>(std::count_if(fw::Windows().begin(), fw::Windows().end(),
                                              [](fw::Window* window) { return qobject_cast<T*>(window); }));
    }
};

// The menus of the bar that the window shows, by their captions; none without a bar.
QStringList barCaptions(fw::Window* window)
{
    QStringList captions;
    if (auto* bar = window->widget()->findChild<QMenuBar*>()) {
        for (QAction* action : bar->actions())
            captions << action->text();
    }
    return captions;
}

QAction* actionCaptioned(const QList<QAction*>& actions, const QString& caption)
{
    for (QAction* action : actions) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

// Opens a menu of the window's bar with a click, as the user does; nullptr when the
// window shows no such menu.
QMenu* openMenu(fw::Window* window, const QString& caption)
{
    auto* bar = window->widget()->findChild<QMenuBar*>();
    QAction* title = bar ? actionCaptioned(bar->actions(), caption) : nullptr;
    if (!title || !title->menu())
        return nullptr;
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(title).center());
    QMenu* menu = title->menu();
    return QTest::qWaitFor([menu] { return menu->isVisible(); }) ? menu : nullptr;
}

// The item of an open menu, or nullptr.
QAction* itemOf(QMenu* menu, const QString& caption)
{
    return menu ? actionCaptioned(menu->actions(), caption) : nullptr;
}

void clickItem(QMenu* menu, QAction* item)
{
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
}

int positionOf(const QString& className)
{
    const auto& classes = fw::registeredClasses();
    const auto found = std::find_if(classes.begin(), classes.end(),
                                    [&](const fw::ClassInfo& info) { return info.name == className; });
    return found == classes.end() ? -1 : static_cast<int>(found - classes.begin());
}

TEST(MenuCommandsAtStartUp, AreBoundBetweenTheApplicationObjectAndTheMainWindow)
{
    std::vector<std::string> names;
    for (const ProgramStep& step : mainSteps())
        names.emplace_back(step.name);
    const auto bind = std::find(names.begin(), names.end(), "_ApplicationAddMenuHandlers");
    ASSERT_NE(bind, names.end());
    ASSERT_NE(bind, names.begin());
    EXPECT_EQ(*(bind - 1), "_NewAppInstance");
    ASSERT_NE(bind + 1, names.end());
    EXPECT_EQ(*(bind + 1), "_MakeDefaultView");
}

TEST(MenuCommandsAtStartUp, TheThreeWindowClassesAreRegisteredAfterTheMainWindow)
{
    registerProgramClasses();
    const int main = positionOf("Oruvel.Oruvel");
    ASSERT_GE(main, 0);
    EXPECT_EQ(positionOf("AboutBox.AboutBox"), main + 1);
    EXPECT_EQ(positionOf("Info.Info"), main + 2);
    EXPECT_EQ(positionOf("Help.Help"), main + 3);
}

TEST_F(MenuCommands, OnlyTheThreeApplicationItemsAreBoundOnTheApplication)
{
    for (const char* name : {"AppleAboutOruvel", "WindowShowInfo", "HelpHelp"})
        EXPECT_TRUE(App()->menuHandler(QString::fromLatin1(name))) << name;
    for (const char* name : {"FileClose", "FileQuit", "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
        EXPECT_FALSE(App()->menuHandler(QString::fromLatin1(name))) << name;
}

TEST_F(MenuCommands, EveryCommandReturnsFalse)
{
    EXPECT_FALSE(App()->menuHandler("AppleAboutOruvel")());
    EXPECT_FALSE(App()->menuHandler("WindowShowInfo")());
    EXPECT_FALSE(App()->menuHandler("WindowShowInfo")());
    EXPECT_FALSE(App()->menuHandler("HelpHelp")());
    EXPECT_FALSE(App()->_AppleAboutOruvel_Action());
    EXPECT_FALSE(App()->_WindowShowInfo_Action());
    EXPECT_FALSE(App()->_HelpHelp_Action());
}

TEST_F(MenuCommands, ShowInfoAndHideInfoToggleTheWindowByTheCaption)
{
    EXPECT_EQ(showInfoCaption(), "Show Info");
    choose("WindowShowInfo", Oruvel());
    EXPECT_EQ(showInfoCaption(), "Hide Info");
    ASSERT_EQ(openWindowsOf<class Info>(), 1);
    QPointer<class Info> info = Info();
    EXPECT_TRUE(info->widget()->isVisible());

    choose("WindowShowInfo", info);
    EXPECT_EQ(showInfoCaption(), "Show Info");
    EXPECT_TRUE(info->isClosed());
    EXPECT_EQ(openWindowsOf<class Info>(), 0);

    choose("WindowShowInfo", Oruvel());
    EXPECT_EQ(showInfoCaption(), "Hide Info");
    EXPECT_EQ(openWindowsOf<class Info>(), 1);
}

TEST_F(MenuCommands, AfterTheCloseBoxTheNextChoiceOpensANewInfoWindow)
{
    choose("WindowShowInfo", Oruvel());
    QPointer<class Info> first = Info();
    first->widget()->close();
    EXPECT_EQ(showInfoCaption(), "Show Info");
    fw::releaseDirtyWindows();
    EXPECT_TRUE(first.isNull());

    choose("WindowShowInfo", Oruvel());
    EXPECT_EQ(showInfoCaption(), "Hide Info");
    EXPECT_EQ(openWindowsOf<class Info>(), 1);
}

TEST_F(MenuCommands, AfterFileCloseTheNextChoiceOpensANewInfoWindow)
{
    choose("WindowShowInfo", Oruvel());
    class Info* info = Info();
    fw::runMenuUpdatePass(info); // Info in front enables Close
    choose("FileClose", info);
    EXPECT_TRUE(info->isClosed());
    EXPECT_FALSE(Oruvel()->isClosed());
    EXPECT_EQ(showInfoCaption(), "Show Info");

    choose("WindowShowInfo", Oruvel());
    EXPECT_EQ(showInfoCaption(), "Hide Info");
    EXPECT_EQ(openWindowsOf<class Info>(), 1);
}

TEST_F(MenuCommands, AboutShowsOneWindowHoweverOftenItIsChosen)
{
    choose("AppleAboutOruvel", Oruvel());
    choose("AppleAboutOruvel", Oruvel());
    EXPECT_EQ(openWindowsOf<class AboutBox>(), 1);
    EXPECT_TRUE(AboutBox()->widget()->isVisible());
}

TEST_F(MenuCommands, AboutShowsTheSameWindowAgainAfterAClickHidIt)
{
    choose("AppleAboutOruvel", Oruvel());
    class AboutBox* about = AboutBox();
    ASSERT_FALSE(App()->ShortVersion().isEmpty());
    EXPECT_EQ(about->versionDisp()->Text(), App()->ShortVersion());
    QTest::mouseClick(about->content(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 300));
    ASSERT_FALSE(about->Visible());

    choose("AppleAboutOruvel", Oruvel());
    EXPECT_EQ(AboutBox(), about);
    EXPECT_TRUE(about->widget()->isVisible());
    EXPECT_EQ(about->versionDisp()->Text(), App()->ShortVersion());
    EXPECT_EQ(openWindowsOf<class AboutBox>(), 1);
}

TEST_F(MenuCommands, HelpMakesOneWindowVisibleHoweverOftenItIsChosen)
{
    choose("HelpHelp", Oruvel());
    class Help* help = Help();
    help->setVisible(false);
    choose("HelpHelp", Oruvel());
    EXPECT_EQ(Help(), help);
    EXPECT_TRUE(help->widget()->isVisible());
    EXPECT_EQ(openWindowsOf<class Help>(), 1);
}

// No window takes these items, so each command reaches App from any front window.
TEST_F(MenuCommands, WorkWhicheverWindowIsInFront)
{
    choose("AppleAboutOruvel", Oruvel());
    choose("HelpHelp", Oruvel());
    for (fw::Window* front : std::vector<fw::Window*>{AboutBox(), Help(), Oruvel()}) {
        AboutBox()->setVisible(false);
        choose("AppleAboutOruvel", front);
        EXPECT_TRUE(AboutBox()->Visible());

        Help()->setVisible(false);
        choose("HelpHelp", front);
        EXPECT_TRUE(Help()->Visible());

        choose("WindowShowInfo", front);
        EXPECT_EQ(openWindowsOf<class Info>(), 1);
        choose("WindowShowInfo", Info());
        EXPECT_EQ(openWindowsOf<class Info>(), 0);
    }

    // The Info window shows the bar itself; About and Help still reach App from it.
    choose("WindowShowInfo", Oruvel());
    AboutBox()->setVisible(false);
    Help()->setVisible(false);
    choose("AppleAboutOruvel", Info());
    choose("HelpHelp", Info());
    EXPECT_TRUE(AboutBox()->Visible());
    EXPECT_TRUE(Help()->Visible());
    EXPECT_EQ(openWindowsOf<class AboutBox>(), 1);
    EXPECT_EQ(openWindowsOf<class Help>(), 1);
}

// The Help window sets no bar of its own: it shows the application's, through which
// the user reaches About and closes Help.
TEST_F(MenuCommands, HelpInFrontShowsTheApplicationsBar)
{
    choose("HelpHelp", Oruvel());
    QPointer<class Help> help = Help();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help->widget()));
    QStringList menus;
    for (int i = 0; i < MenuBar1()->Count(); ++i)
        menus << MenuBar1()->Item(i)->Text();
    EXPECT_EQ(barCaptions(help), menus);
    EXPECT_EQ(menus.size(), 4);

    QMenu* helpMenu = openMenu(help, "Help");
    QAction* about = itemOf(helpMenu, "About Oruvel...");
    ASSERT_NE(about, nullptr);
    clickItem(helpMenu, about);
    EXPECT_EQ(openWindowsOf<class AboutBox>(), 1);
    EXPECT_TRUE(AboutBox()->widget()->isVisible());
    EXPECT_TRUE(barCaptions(AboutBox()).isEmpty()); // a plain box shows no bar

    help->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help->widget()));
    QMenu* file = openMenu(help, "&File");
    QAction* close = itemOf(file, "Close");
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isEnabled());
    clickItem(file, close);
    ASSERT_FALSE(help.isNull());
    EXPECT_TRUE(help->isClosed());
    EXPECT_FALSE(Oruvel()->isClosed());
}

// Every bar views the one model: the Window menu reads the same in each.
TEST_F(MenuCommands, TheShowInfoCaptionIsTheSameInEveryBar)
{
    choose("HelpHelp", Oruvel());
    for (const char* caption : {"Hide Info", "Show Info"}) {
        choose("WindowShowInfo", Oruvel());
        ASSERT_EQ(showInfoCaption(), caption);
        std::vector<fw::Window*> windows{Oruvel(), Help()};
        if (openWindowsOf<class Info>() == 1)
            windows.push_back(Info());
        for (fw::Window* window : windows) {
            auto* bar = window->widget()->findChild<QMenuBar*>();
            QAction* menu = bar ? actionCaptioned(bar->actions(), "Window") : nullptr;
            ASSERT_TRUE(menu && menu->menu()) << window->metaObject()->className();
            EXPECT_NE(itemOf(menu->menu(), caption), nullptr) << window->metaObject()->className();
        }
    }
}

// Ctrl+I from the main window opens the Info window; from the Info window it closes it.
TEST_F(MenuCommands, TheShortcutTogglesTheInfoWindow)
{
    Oruvel()->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Oruvel()->widget()));
    QTest::keyClick(Oruvel()->widget(), Qt::Key_I, Qt::ControlModifier);
    ASSERT_EQ(openWindowsOf<class Info>(), 1);
    class Info* info = Info();
    ASSERT_TRUE(QTest::qWaitForWindowActive(info->widget()));
    QTest::keyClick(info->widget(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(info->isClosed());
    EXPECT_EQ(showInfoCaption(), "Show Info");
}

} // namespace
