// Start-up and shutdown: the whole program run on the test's runtime, its exception
// road, and the order in which the globals are released.
#include "app/app.h"
#include "app/shell/file_types.h"
#include "app/shell/menu_bar1.h"
#include "app/shell/pictures.h"
#include "app/startup.h"
#include "main_window/oruvel.h"
#include "support/dialogs.h"
#include "trigrams/trigrams.h"

#include "framework/application.h"
#include "framework/events.h"
#include "framework/exceptions.h"
#include "framework/menu_dispatch.h"
#include "framework/menus.h"
#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/window.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTimer>

#include <array>
#include <string>

namespace {

// What shutdown releases, in its order, each true once released.
std::vector<bool> released(const QPointer<class MenuBar1>& bar)
{
    using namespace trigrams;
    const bool recordsGone = !kan && !kun && !zhen && !xun && !taiji && !qian && !dui && !gen && !li;
    return {
        !Pictures::elementConstructive().isCached(),
        !Pictures::elementReductive().isCached(),
        !Pictures::controlDestruction().isCached(),
        !Pictures::oruvIconAbout().isCached(),
        fw::_mImplicitWindowList().empty(),
        fw::mDirtyWindows().empty(),
        fw::Windows().empty(),
        FileTypes::pText == nullptr,
        bar.isNull(),
        recordsGone,
        !tri.exists(),
    };
}

std::vector<bool> firstReleased(std::size_t count)
{
    std::vector<bool> expected(11, false);
    for (std::size_t i = 0; i < count; ++i)
        expected[i] = true;
    return expected;
}

int exitStatus()
{
    return fw::nonNil(fw::Application::current(), "application")->quitCode();
}

void throwNilObject()
{
    throw fw::NilObjectException("nil object: a test's step");
}

bool laterStepRan = false;

} // namespace

TEST(StartupTest, TheProgramOpensTheMainWindowAndQuitsFromFileCloseWithStatusZero)
{
    QPointer<class MenuBar1> bar;
    QString title;
    std::shared_ptr<testsupport::DialogSeen> seen;
    QTimer::singleShot(0, [&] {
        fw::guardedCall([&] {
            bar = MenuBar1();
            title = Oruvel()->Title();
            EXPECT_EQ(App()->MenuBar(), bar.data());
            EXPECT_EQ(App()->ShortVersion(), ORUVEL_SHORT_VERSION);
            EXPECT_NE(FileTypes::pText, nullptr);
            seen = testsupport::answerNextDialog("Quit");
            Oruvel()->EnableMenuItems();
            fw::runMenuCommand(bar->_Lookup("FileClose"), Oruvel());
        });
    });
    runProgram();
    EXPECT_EQ(title, "Oruvel");
    ASSERT_TRUE(seen && seen->answered);
    EXPECT_EQ(exitStatus(), 0);
    EXPECT_EQ(released(bar), firstReleased(11));
}

TEST(StartupTest, AnExceptionInAStartUpStepIsReportedAndShutdownStillRuns)
{
    laterStepRan = false;
    auto seen = testsupport::answerNextDialog("OK");
    runProgram({{"_InitFileTypes", &_InitFileTypes},
                {"_NewAppInstance", &_NewAppInstance},
                {"failing", &throwNilObject},
                {"_MakeDefaultView", [] { laterStepRan = true; }}});
    EXPECT_FALSE(laterStepRan);
    ASSERT_TRUE(seen->answered);
    EXPECT_TRUE(seen->informativeText.contains("a test's step")) << seen->informativeText.toStdString();
    EXPECT_NE(exitStatus(), 0);
    EXPECT_EQ(released(nullptr), firstReleased(11));
}

TEST(StartupTest, AnExceptionInAHandlerEndsTheLoopAndShutdownRunsInOrder)
{
    QPointer<class MenuBar1> bar;
    QTimer::singleShot(0, [&bar] {
        bar = MenuBar1();
        fw::guardedCall([] { throwNilObject(); });
    });
    auto seen = testsupport::answerNextDialog("OK");
    runProgram();
    ASSERT_TRUE(seen->answered);
    EXPECT_NE(exitStatus(), 0);
    EXPECT_EQ(released(bar), firstReleased(11));
}

TEST(StartupTest, ShutdownReleasesTheGlobalsOneByOneInItsOrder)
{
    registerProgramClasses();
    _InitFileTypes();
    _NewAppInstance();
    QPointer<class MenuBar1> bar = MenuBar1();
    Oruvel();
    fw::Window::create<fw::Window>()->Close(); // waits among the dirty windows
    for (auto* picture : {&ElementConstructive, &ElementReductive, &ControlDestruction, &OruvIconAbout})
        ASSERT_NE((*picture)(), nullptr);
    ASSERT_EQ(released(bar), firstReleased(0));

    const char* const order[] = {"ElementConstructive", "ElementReductive", "ControlDestruction",
                                 "OruvIconAbout", "_mImplicitWindowList", "mDirtyWindows", "Windows",
                                 "FileTypes.pText", "MenuBar1", "trigrams", "tri"};
    ASSERT_EQ(shutdownSteps().size(), std::size(order));
    for (std::size_t i = 0; i < shutdownSteps().size(); ++i) {
        EXPECT_STREQ(shutdownSteps()[i].name, order[i]);
        shutdownSteps()[i].run();
        EXPECT_EQ(released(bar), firstReleased(i + 1)) << "after " << order[i];
    }
}

TEST(AppTest, TheAccessorCastsTheRegisteredApplicationObject)
{
    (new fw::Application)->registerAsApplication();
    EXPECT_THROW(App(), fw::IllegalCastException);
    auto* app = new class App;
    app->registerAsApplication();
    EXPECT_EQ(App(), app);
}

TEST(AppTest, OpenEnablesTheMenuBar)
{
    auto* app = new class App;
    app->registerAsApplication();
    EXPECT_THROW(app->Event_Open(), fw::NilObjectException) << "no menu bar yet";
    app->setMenuBar(MenuBar1());
    fw::MenuItem* undo = MenuBar1()->_Lookup("EditUndo");
    undo->setEnabled(false);
    app->Event_Open();
    EXPECT_TRUE(undo->Enabled());
    EXPECT_FALSE(MenuBar1()->_Lookup("FileClose")->Enabled()) << "no window in front enables Close";
    releaseMenuBar1();
}
