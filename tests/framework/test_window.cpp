// Windows: the build order, window records applied to the Qt top-level, the content
// area, placement, visibility, closing and destruction, the single-instance lookup,
// the window's own mouse events, activation, and the controls on a window.
#include "test_window_support.h"

#include "framework/exceptions.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <memory>

using namespace testwindows;

namespace {

class WindowTest : public FrameworkTest {};

bool contains(const std::vector<fw::Window*>& list, fw::Window* window)
{
    return std::find(list.begin(), list.end(), window) != list.end();
}

template <typename W = LoggingWindow>
W* createShown()
{
    W* window = fw::Window::create<W>();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window->widget()));
    return window;
}

TestBox* addBox(fw::Window* window, const QString& name, QRect area)
{
    auto* rectangle = new TestBox;
    window->_AddControl(name, rectangle);
    rectangle->setLeft(area.left());
    rectangle->setTop(area.top());
    rectangle->setWidth(area.width());
    rectangle->setHeight(area.height());
    return rectangle;
}

// Presses and releases the left button through the window, as the platform would:
// Qt delivers the press to the widget under the point.
void pressAndRelease(fw::Window* window, QPoint pressAt, QPoint releaseAt)
{
    QWindow* handle = window->widget()->windowHandle();
    const QPoint offset = window->content()->mapTo(window->widget(), QPoint(0, 0));
    QTest::mousePress(handle, Qt::LeftButton, {}, pressAt + offset);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, releaseAt + offset);
}

} // namespace

// ---------------------------------------------------------------- building

TEST_F(WindowTest, BuildEventsRunInOrderAndTheWindowShowsOnlyAfterOpen)
{
    bool shownDuringControls = true;
    bool shownDuringOpen = true;
    bool listedDuringOpen = false;
    nextBuild().createControls = [&](fw::Window* w) { shownDuringControls = w->widget()->isVisible(); };
    nextBuild().open = [&](fw::Window* w) {
        shownDuringOpen = w->widget()->isVisible();
        listedDuringOpen = contains(fw::Windows(), w);
    };
    auto* window = fw::Window::create<LoggingWindow>();

    EXPECT_EQ(window->log.mid(0, 4),
              QStringList({"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    EXPECT_FALSE(shownDuringControls);
    EXPECT_FALSE(shownDuringOpen);
    EXPECT_TRUE(listedDuringOpen);
    EXPECT_TRUE(window->widget()->isVisible());
    EXPECT_EQ(fw::Windows().front(), window);
    EXPECT_TRUE(contains(fw::_mImplicitWindowList(), window));
}

TEST_F(WindowTest, AWindowRecordedInvisibleIsBuiltHiddenButOpen)
{
    nextBuild().open = [](fw::Window* w) { w->setVisible(false); };
    auto* window = fw::Window::create<LoggingWindow>();
    EXPECT_FALSE(window->widget()->isVisible());
    EXPECT_FALSE(window->isClosed());
    EXPECT_EQ(fw::_GetImplicitWindow("LoggingWindow.LoggingWindow"), window);
}

TEST_F(WindowTest, AnExceptionInABuildEventReachesTheCallerAndTheWindowIsGone)
{
    nextBuild().createControls = [](fw::Window*) { throw fw::NilObjectException("no control"); };
    EXPECT_THROW(fw::Window::create<LoggingWindow>(), fw::NilObjectException);
    EXPECT_TRUE(fw::Windows().empty());
    EXPECT_EQ(fw::_GetImplicitWindow("LoggingWindow.LoggingWindow"), nullptr);
    ASSERT_EQ(fw::mDirtyWindows().size(), 1u);
    EXPECT_FALSE(fw::mDirtyWindows().front()->widget()->isVisible());
    returnToEventLoop();
    EXPECT_TRUE(fw::mDirtyWindows().empty());
}

TEST_F(WindowTest, AWindowClosedDuringItsBuildStopsBuildingAndNeverShows)
{
    nextBuild().createControls = [](fw::Window* w) { w->Close(); };
    QPointer<LoggingWindow> window = fw::Window::create<LoggingWindow>();
    EXPECT_EQ(window->log, QStringList({"Layout", "CreateControls", "Close"}));
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(window->widget()->isVisible());
    EXPECT_TRUE(fw::Windows().empty());
    returnToEventLoop();
    EXPECT_TRUE(window.isNull());
}

// ---------------------------------------------------------------- window records

TEST_F(WindowTest, AFixedPlainBoxKeepsItsRecordedSizeAgainstContradictoryLimits)
{
    nextBuild().record = plainBoxRecord();
    auto* window = createShown();

    EXPECT_EQ(window->Width(), 301);
    EXPECT_EQ(window->Height(), 323);
    EXPECT_EQ(window->MinWidth(), 284);
    EXPECT_EQ(window->MaxHeight(), 231);
    EXPECT_EQ(window->Title(), "About Oruvel");
    EXPECT_EQ(window->widget()->windowTitle(), "About Oruvel");
    EXPECT_TRUE(window->widget()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->widget()->minimumSize(), QSize(301, 323));
    EXPECT_EQ(window->widget()->maximumSize(), QSize(301, 323));
    EXPECT_EQ(window->content()->size(), QSize(301, 323));
    EXPECT_FALSE(window->HasBackColor());
    EXPECT_EQ(window->BackColor(), QColor(255, 255, 255));
}

TEST_F(WindowTest, AFixedWindowWithABarShowsTheBarAboveExactlyItsRecordedContent)
{
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    nextBuild().menuBar = bar.get();
    nextBuild().record = fixedDocumentRecord();
    auto* window = createShown();

    QMenuBar* menuBar = window->widget()->menuBar();
    ASSERT_TRUE(menuBar->isVisible());
    EXPECT_EQ(window->Width(), 274);
    EXPECT_EQ(window->Height(), 480);
    EXPECT_EQ(window->content()->size(), QSize(274, 480));
    EXPECT_GT(menuBar->height(), 0);
    EXPECT_EQ(window->content()->geometry().top(), menuBar->geometry().bottom() + 1);
    EXPECT_EQ(window->widget()->size(), QSize(274, 480 + menuBar->height()));
    EXPECT_EQ(window->widget()->minimumSize(), window->widget()->maximumSize());

    const Qt::WindowFlags flags = window->widget()->windowFlags();
    EXPECT_FALSE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, MenuBarVisibleFalseLeavesTheWholeWindowToTheContent)
{
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    nextBuild().menuBar = bar.get();
    nextBuild().record = fixedDocumentRecord();
    auto* window = createShown();
    window->setMenuBarVisible(false);
    QTest::qWait(1);
    EXPECT_EQ(window->widget()->size(), QSize(274, 480));
    EXPECT_EQ(window->content()->size(), QSize(274, 480));
    EXPECT_EQ(window->MenuBar(), bar.get());
}

TEST_F(WindowTest, AResizableWindowTakesItsLimitsAndLockedControlsFollowItsSize)
{
    TestBox* field = nullptr;
    TestBox* corner = nullptr;
    TestBox* unlocked = nullptr;
    nextBuild().record = resizableRecord();
    nextBuild().createControls = [&](fw::Window* w) {
        field = addBox(w, "Field", QRect(1, 1, 298, 255));
        field->setLockLeft(true);
        field->setLockTop(true);
        field->setLockRight(true);
        field->setLockBottom(true);
        corner = addBox(w, "Corner", QRect(10, 270, 20, 20));
        corner->setLockRight(true);
        corner->setLockBottom(true);
        unlocked = addBox(w, "Still", QRect(40, 270, 20, 20));
    };
    auto* window = createShown();
    EXPECT_EQ(window->widget()->minimumSize(), QSize(64, 64));
    EXPECT_EQ(window->widget()->maximumSize(), QSize(32000, 32000));
    EXPECT_TRUE(window->widget()->windowFlags() & Qt::WindowMaximizeButtonHint);

    window->widget()->resize(400, 350);
    QTRY_COMPARE(window->content()->size(), QSize(400, 350));
    EXPECT_EQ(window->Width(), 400);
    EXPECT_EQ(window->Height(), 350);
    EXPECT_EQ(QRect(field->Left(), field->Top(), field->Width(), field->Height()), QRect(1, 1, 398, 305));
    EXPECT_EQ(field->widget()->geometry(), QRect(1, 1, 398, 305));
    EXPECT_EQ(QPoint(corner->Left(), corner->Top()), QPoint(110, 320));
    EXPECT_EQ(QRect(unlocked->Left(), unlocked->Top(), unlocked->Width(), unlocked->Height()),
              QRect(40, 270, 20, 20));

    // Set by code, the size moves the controls the same way.
    window->setWidth(300);
    window->setHeight(300);
    QTRY_COMPARE(window->content()->size(), QSize(300, 300));
    EXPECT_EQ(QRect(field->Left(), field->Top(), field->Width(), field->Height()), QRect(1, 1, 298, 255));
}

TEST_F(WindowTest, ZeroMaximumsMeanNoLimitAndLimitsGiveWayToTheRecordedSize)
{
    auto* window = fw::Window::create<LoggingWindow>();
    window->setResizeable(true);
    window->setWidth(500);
    window->setHeight(400);
    window->setMaxWidth(0);
    window->setMaxHeight(0);
    window->setMinWidth(600);
    EXPECT_EQ(window->widget()->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_EQ(window->widget()->minimumWidth(), 500);
    window->setMaxWidth(250);
    EXPECT_EQ(window->widget()->maximumWidth(), 500);
    EXPECT_EQ(window->Width(), 500);
}

TEST_F(WindowTest, TheBackColorIsPaintedOnlyWhileHasBackColorIsTrue)
{
    nextBuild().record = resizableRecord();
    auto* window = createShown();
    window->setBackColor(QColor(200, 0, 0));
    EXPECT_EQ(window->content()->grab().toImage().pixelColor(20, 20), QColor(200, 0, 0));
    window->setHasBackColor(false);
    EXPECT_NE(window->content()->grab().toImage().pixelColor(20, 20), QColor(200, 0, 0));
    EXPECT_EQ(window->BackColor(), QColor(200, 0, 0));
}

TEST_F(WindowTest, WindowButtonsFollowTheirKeys)
{
    auto* window = fw::Window::create<LoggingWindow>();
    window->setCloseButton(false);
    window->setMinimizeButton(false);
    window->setMaximizeButton(true);
    window->setResizeable(true);
    const Qt::WindowFlags flags = window->widget()->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->widget()->isVisible());
}

// ---------------------------------------------------------------- position and visibility

TEST_F(WindowTest, LeftAndTopAreTheScreenPositionOfTheWindowBelowItsTitleBar)
{
    auto* window = createShown();
    window->setLeft(120);
    window->setTop(90);
    QTRY_COMPARE(window->widget()->geometry().topLeft(), QPoint(120, 90));
    EXPECT_EQ(window->Left(), 120);
    EXPECT_EQ(window->Top(), 90);
    EXPECT_EQ(window->content()->mapToGlobal(QPoint(0, 0)), QPoint(120, 90));
}

TEST_F(WindowTest, PlacementTwoCentresTheWindowOnTheFirstScreenUnlessCodePlacedIt)
{
    nextBuild().record = fixedDocumentRecord();
    auto* centred = createShown();
    const QPoint screenCentre = QGuiApplication::screens().first()->availableGeometry().center();
    EXPECT_LE((centred->widget()->geometry().center() - screenCentre).manhattanLength(), 2);

    nextBuild().record = fixedDocumentRecord();
    nextBuild().open = [](fw::Window* w) {
        w->setLeft(7);
        w->setTop(9);
    };
    auto* placed = createShown<OtherWindow>();
    EXPECT_EQ(placed->widget()->geometry().topLeft(), QPoint(7, 9));
}

TEST_F(WindowTest, VisibleHidesAndShowsWithoutClosing)
{
    auto* window = createShown();
    window->setVisible(false);
    EXPECT_FALSE(window->widget()->isVisible());
    EXPECT_FALSE(window->Visible());
    EXPECT_FALSE(window->isClosed());
    EXPECT_TRUE(contains(fw::Windows(), window));
    window->setVisible(true);
    EXPECT_TRUE(window->widget()->isVisible());
    window->setVisible(false);
    window->Show();
    EXPECT_TRUE(window->widget()->isVisible());
    EXPECT_TRUE(window->Visible());
    EXPECT_FALSE(window->log.contains("Close"));
}

// ---------------------------------------------------------------- lookup and closing

TEST_F(WindowTest, GetImplicitWindowFindsTheOpenWindowOfThatClassShownOrHidden)
{
    auto* logging = fw::Window::create<LoggingWindow>();
    auto* other = fw::Window::create<OtherWindow>();
    EXPECT_EQ(fw::_GetImplicitWindow("LoggingWindow.LoggingWindow"), logging);
    EXPECT_EQ(fw::_GetImplicitWindow("OtherWindow.OtherWindow"), other);
    EXPECT_EQ(fw::_GetImplicitWindow("NoSuchClass"), nullptr);

    logging->setVisible(false);
    EXPECT_EQ(fw::_GetImplicitWindow("LoggingWindow.LoggingWindow"), logging);
    logging->Close();
    EXPECT_EQ(fw::_GetImplicitWindow("LoggingWindow.LoggingWindow"), nullptr);
    EXPECT_EQ(fw::_GetImplicitWindow("OtherWindow.OtherWindow"), other);

    auto* again = fw::Window::create<LoggingWindow>();
    EXPECT_EQ(fw::_GetImplicitWindow("LoggingWindow.LoggingWindow"), again);
}

TEST_F(WindowTest, CloseRaisesCloseOnceAndTheWindowGoesWhenControlReturnsToTheLoop)
{
    QPointer<LoggingWindow> window = createShown();
    QPointer<QMainWindow> widget = window->widget();
    window->Close();
    window->Close();
    EXPECT_EQ(window->log.count("Close"), 1);
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(widget->isVisible());
    EXPECT_FALSE(contains(fw::Windows(), window));
    EXPECT_FALSE(contains(fw::_mImplicitWindowList(), window));
    EXPECT_TRUE(contains(fw::mDirtyWindows(), window));
    EXPECT_FALSE(window.isNull());

    returnToEventLoop();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(widget.isNull());
    EXPECT_TRUE(fw::mDirtyWindows().empty());
}

TEST_F(WindowTest, AWindowClosedByAHandlerOutlivesANestedLoopInThatHandler)
{
    QPointer<LoggingWindow> window = createShown();
    bool aliveAfterNestedLoop = false;
    QTimer::singleShot(0, [&] {
        window->Close();
        QEventLoop nested;
        QTimer::singleShot(0, &nested, &QEventLoop::quit);
        nested.exec();
        aliveAfterNestedLoop = !window.isNull();
    });
    returnToEventLoop();
    returnToEventLoop();
    EXPECT_TRUE(aliveAfterNestedLoop);
    EXPECT_TRUE(window.isNull());
}

TEST_F(WindowTest, TheCloseBoxClosesTheWindowLikeClose)
{
    QPointer<LoggingWindow> window = createShown();
    window->widget()->close();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window->log.count("Close"), 1);
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(window->widget()->isVisible());
}

TEST_F(WindowTest, ShutdownReleasesDestroyClosedAndOpenWindowsWithoutCloseEvents)
{
    QPointer<LoggingWindow> closed = createShown();
    QPointer<LoggingWindow> open = createShown<OtherWindow>();
    closed->Close();
    const int closeEvents = LoggingWindow::closeEvents();

    fw::releaseImplicitWindowList();
    EXPECT_TRUE(fw::_mImplicitWindowList().empty());
    EXPECT_FALSE(open.isNull());
    fw::releaseDirtyWindows();
    EXPECT_TRUE(closed.isNull());
    EXPECT_FALSE(open.isNull());
    fw::releaseWindows();
    EXPECT_TRUE(open.isNull());
    EXPECT_TRUE(fw::Windows().empty());
    EXPECT_EQ(LoggingWindow::closeEvents(), closeEvents);
}

// ---------------------------------------------------------------- mouse and activation

TEST_F(WindowTest, APressNoControlTakesIsTheWindowsAndMouseUpFollowsOnlyATrueMouseDown)
{
    TestBox* taker = nullptr;
    nextBuild().record = resizableRecord();
    nextBuild().createControls = [&](fw::Window* w) {
        addBox(w, "Passive", QRect(100, 100, 50, 50));
        taker = addBox(w, "Taker", QRect(200, 100, 50, 50));
        taker->MouseDown.install([](int, int) { return true; });
    };
    auto* window = createShown();

    pressAndRelease(window, QPoint(40, 50), QPoint(40, 50));
    EXPECT_EQ(window->log.count("MouseDown"), 1);
    EXPECT_EQ(window->log.count("MouseUp"), 0);
    EXPECT_EQ(window->lastMouse, QPoint(40, 50));

    window->mouseDownResult = true;
    pressAndRelease(window, QPoint(60, 70), QPoint(61, 72));
    EXPECT_EQ(window->log.count("MouseUp"), 1);
    EXPECT_EQ(window->lastMouse, QPoint(61, 72));

    // A control that does not take the press passes it on in content coordinates.
    pressAndRelease(window, QPoint(110, 120), QPoint(110, 120));
    EXPECT_EQ(window->log.count("MouseDown"), 3);
    EXPECT_EQ(window->lastMouse, QPoint(110, 120));

    // One that takes it keeps it from the window.
    pressAndRelease(window, QPoint(210, 120), QPoint(210, 120));
    EXPECT_EQ(window->log.count("MouseDown"), 3);
    EXPECT_EQ(window->log.count("MouseUp"), 2);
}

TEST_F(WindowTest, BecomingTheActiveWindowRaisesActivateThenAMenuUpdate)
{
    auto* first = createShown();
    auto* second = createShown<OtherWindow>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(second->widget()));
    EXPECT_EQ(fw::Windows().front(), second);

    first->log.clear();
    first->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first->widget()));
    const qsizetype activate = first->log.indexOf("Activate");
    ASSERT_GE(activate, 0);
    EXPECT_GT(first->log.indexOf("EnableMenuItems", activate), activate);
    EXPECT_EQ(fw::Windows().front(), first);
}

// ---------------------------------------------------------------- controls

TEST_F(WindowTest, ControlsStackInCreationOrderAndAreFoundByName)
{
    TestBox* back = nullptr;
    TestBox* front = nullptr;
    nextBuild().createControls = [&](fw::Window* w) {
        back = addBox(w, "Back", QRect(10, 10, 100, 100));
        front = addBox(w, "Front", QRect(50, 50, 100, 100));
    };
    auto* window = createShown();

    EXPECT_EQ(back->window(), window);
    EXPECT_EQ(front->widget()->parentWidget(), window->content());
    EXPECT_TRUE(front->widget()->isVisible());
    QWidget* atOverlap = window->content()->childAt(QPoint(70, 70));
    ASSERT_NE(atOverlap, nullptr);
    EXPECT_TRUE(atOverlap == front->widget() || front->widget()->isAncestorOf(atOverlap));
    EXPECT_EQ(front->widget()->geometry(), QRect(50, 50, 100, 100));

    EXPECT_EQ(window->findControl("front"), front);
    EXPECT_EQ(window->control<TestBox>("Back"), back);
    EXPECT_THROW(window->control<OtherBox>("Back"), fw::IllegalCastException);
    EXPECT_THROW(window->control<TestBox>("Missing"), fw::NilObjectException);
    auto sameName = std::make_unique<TestBox>();
    EXPECT_THROW(window->_AddControl("Back", sameName.get()), fw::RuntimeException);
    EXPECT_EQ(sameName->window(), nullptr);
    EXPECT_THROW(window->_AddControl("Nil", nullptr), fw::NilObjectException);
    EXPECT_EQ(window->controls().size(), 2u);
}

TEST_F(WindowTest, WindowCastChecksTheClass)
{
    fw::Window* window = fw::Window::create<OtherWindow>();
    EXPECT_EQ(fw::windowCast<LoggingWindow>(window), window);
    auto* logging = fw::Window::create<LoggingWindow>();
    EXPECT_THROW(fw::windowCast<OtherWindow>(logging), fw::IllegalCastException);
    EXPECT_THROW(fw::windowCast<LoggingWindow>(nullptr), fw::NilObjectException);
}
