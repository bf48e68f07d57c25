// The application object: registration, Quit and the event loop, the short version,
// and the unhandled-exception road from a handler that Qt calls to the user and back
// to a quit.
#include "test_window_support.h"

#include "framework/dialogs.h"
#include "framework/exceptions.h"
#include "framework/system.h"

#include "support/dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

#include <memory>

using namespace testwindows;

namespace {

// Other tests lay roads of their own for a while: these start on the framework's.
class ApplicationTest : public FrameworkTest {
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        fw::layUnhandledExceptionRoad();
    }
};

// A window whose Close handler throws.
class ThrowingClose : public LoggingWindow {
    Q_OBJECT

public:
    Q_INVOKABLE void Event_Close() { throw fw::OutOfBoundsException("close failed"); }
};

// A window whose MouseDown handler throws.
class ThrowingMouseDown : public LoggingWindow {
    Q_OBJECT

public:
    Q_INVOKABLE bool Event_MouseDown(int, int) { throw fw::IllegalCastException("not a window"); }
};

LoggingApplication* newApplication()
{
    auto* app = new LoggingApplication;
    app->registerAsApplication();
    return app;
}

// Restores Qt's application version when a test ends.
class VersionGuard {
public:
    ~VersionGuard() { QCoreApplication::setApplicationVersion(saved_); }

private:
    QString saved_ = QCoreApplication::applicationVersion();
};

// Names the Qt application for a test and restores the name when it ends.
class NameGuard {
public:
    explicit NameGuard(const QString& name) { QCoreApplication::setApplicationName(name); }
    ~NameGuard() { QCoreApplication::setApplicationName(saved_); }

private:
    QString saved_ = QCoreApplication::applicationName();
};

} // namespace

TEST_F(ApplicationTest, TheFrameworkHoldsTheOneRegisteredApplication)
{
    EXPECT_EQ(fw::Application::current(), nullptr);
    QPointer<LoggingApplication> first = newApplication();
    EXPECT_EQ(fw::Application::current(), first);
    EXPECT_NE(first->ResourceFork(), nullptr);

    LoggingApplication* second = newApplication();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(fw::Application::current(), second);

    delete second;
    EXPECT_EQ(fw::Application::current(), nullptr);
}

TEST_F(ApplicationTest, TheShortVersionIsQtsApplicationVersionUntilSet)
{
    VersionGuard guard;
    QCoreApplication::setApplicationVersion("2.0");
    LoggingApplication* app = newApplication();
    EXPECT_EQ(app->ShortVersion(), "2.0");
    app->setShortVersion("");
    EXPECT_EQ(app->ShortVersion(), "");
    app->setShortVersion("2.1");
    EXPECT_EQ(app->ShortVersion(), "2.1");
}

TEST_F(ApplicationTest, TheEventLoopRaisesOpenAndRunsUntilQuit)
{
    LoggingApplication* app = newApplication();
    bool loopRan = false;
    QTimer::singleShot(0, [&] {
        loopRan = true;
        app->Quit(3);
    });
    EXPECT_EQ(app->runEventLoop(), 3);
    EXPECT_TRUE(loopRan);
    EXPECT_EQ(app->opens, 1);
    EXPECT_TRUE(app->quitRequested());
    EXPECT_EQ(app->quitCode(), 3);
}

TEST_F(ApplicationTest, AQuitBeforeTheLoopMakesItReturnAtOnce)
{
    LoggingApplication* app = newApplication();
    app->Quit(0);
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });
    EXPECT_EQ(app->runEventLoop(), 0);
    EXPECT_EQ(app->opens, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(loopRan); // the timer ran only now, outside runEventLoop
}

TEST_F(ApplicationTest, AQuitDuringOpenEndsBeforeTheLoopRuns)
{
    LoggingApplication* app = newApplication();
    app->onOpen = [app] { app->Quit(5); };
    EXPECT_EQ(app->runEventLoop(), 5);
    EXPECT_EQ(app->opens, 1);
}

TEST_F(ApplicationTest, AQuitWhileAModalDialogIsOpenEndsTheDialogAndTheLoop)
{
    LoggingApplication* app = newApplication();
    bool dialogReturned = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(20, [app] { app->Quit(0); });
        fw::MsgBox("Waiting");
        dialogReturned = true;
    });
    EXPECT_EQ(app->runEventLoop(), 0);
    EXPECT_TRUE(dialogReturned);
}

TEST_F(ApplicationTest, AnExceptionInAHandlerQtCallsGoesToUnhandledExceptionAndQuits)
{
    const NameGuard name("Oruvel"); // the dialog names the program by the application's name
    LoggingApplication* app = newApplication();
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    app->setMenuBar(bar.get());
    nextBuild().menuBar = bar.get();
    auto* window = fw::Window::create<LoggingWindow>();
    window->_AddMenuHandler("WindowShowInfo", []() -> bool { throw fw::NilObjectException("no Info window"); });

    auto seen = testsupport::answerNextDialog("OK");
    QAction* showInfo = nullptr;
    for (QAction* action : window->widget()->actions()) {
        if (action->text() == "Show Info")
            showInfo = action;
    }
    ASSERT_NE(showInfo, nullptr);
    showInfo->trigger(); // returns normally: the exception never crosses Qt
    EXPECT_TRUE(seen->answered);
    EXPECT_EQ(seen->title, "Oruvel");
    EXPECT_EQ(seen->text, "An unexpected error occurred and Oruvel must close.");
    EXPECT_TRUE(seen->informativeText.contains("NilObjectException"));
    EXPECT_TRUE(seen->informativeText.contains("no Info window"));
    EXPECT_TRUE(app->quitRequested());
    EXPECT_EQ(app->quitCode(), 1);
}

TEST_F(ApplicationTest, AWindowWhoseCloseHandlerThrowsStillClosesAndTheErrorIsReported)
{
    LoggingApplication* app = newApplication();
    auto* window = fw::Window::create<ThrowingClose>();
    auto seen = testsupport::answerNextDialog("OK");
    window->widget()->close(); // the close box
    EXPECT_TRUE(seen->answered);
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(window->widget()->isVisible());
    EXPECT_EQ(app->quitCode(), 1);
}

TEST_F(ApplicationTest, WithoutAnApplicationAnEscapedExceptionIsWrittenToStderr)
{
    auto* throwing = fw::Window::create<ThrowingMouseDown>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(throwing->widget()));
    testing::internal::CaptureStderr();
    QTest::mousePress(throwing->content(), Qt::LeftButton, {}, QPoint(5, 5));
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_NE(written.find("IllegalCastException: not a window"), std::string::npos) << written;
    EXPECT_FALSE(throwing->isClosed());
}

TEST_F(ApplicationTest, TheRuntimeIsMadeOnlyOnce)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    EXPECT_THROW(fw::Runtime(argc, argv), fw::RuntimeException);
}

#include "test_application.moc"
