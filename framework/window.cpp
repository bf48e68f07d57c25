#include "window.h"

#include "application.h"
#include "classes.h"
#include "control.h"
#include "members.h"
#include "menu_dispatch.h"
#include "menu_view.h"
#include "menus.h"
#include "runtime.h"
#include "text.h"
#include "window_lists.h"
#include "window_widget.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <map>
#include <utility>

namespace fw {

namespace {

// Runs a function when the scope ends, also when an exception leaves it.
template <typename F>
class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F f_;
};

QString handlerKey(const QString& itemName)
{
    // Item names compare without regard to case, as the framework's strings do.
    return itemName.toCaseFolded();
}

int boundedSize(int value)
{
    return std::clamp(value, 0, QWIDGETSIZE_MAX);
}

// The most that a window's size keys take; a window is not made larger than this.
constexpr int kMaxWindowSize = 32000;

void checkWindowSize(int value, const char* what)
{
    checkRange(value, 0, kMaxWindowSize, what);
}

} // namespace

struct Window::Private {
    std::unique_ptr<WindowWidget> widget;
    ContentWidget* content = nullptr;
    std::unique_ptr<MenuView> menuView;
    QPointer<fw::MenuBar> menuBar;
    std::map<QString, MenuHandler> menuHandlers;

    int placement = 0;
    QSize size{300, 300};
    int minWidth = 64;
    int minHeight = 64;
    int maxWidth = 32000;
    int maxHeight = 32000;
    int frame = 0;
    bool composite = false;
    bool hasBackColor = false;
    QColor backColor = Qt::white;
    bool visible = true;
    bool tabOrderDeferred = false;
    bool fullScreen = false;
    bool menuBarVisible = true;
    bool closeButton = true;
    bool resizeable = true;
    bool liveResize = true;
    bool maximizeButton = true;
    bool minimizeButton = true;
    QString balloonHelp;
    int macProcID = 0;

    enum class State { New, Building, Open, Closing, Closed, Destroying };
    State state = State::New;
    // Placed by code (Left, Top) or by Placement at the first show.
    bool placed = false;
    // The content size that the controls' positions stand for.
    QSize laidOutSize{300, 300};
    // Inside a record, the Qt window is sized once at its end.
    int recordDepth = 0;
    bool sizePending = false;
};

Window::Window() : d(std::make_unique<Private>())
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw RuntimeException("a window needs the framework runtime (a QApplication) to exist first");
    d->widget = std::make_unique<WindowWidget>(this);
    d->content = new ContentWidget(this);
    d->widget->setCentralWidget(d->content);
    d->widget->setWindowTitle(QStringLiteral("Untitled"));
    d->content->setBackground(d->hasBackColor, d->backColor);
    applyFlags();
    applySize();
}

Window::~Window()
{
    d->state = Private::State::Destroying;
    windowlists::destroyed(this);
    d->menuView.reset();
    // Later controls first: a control may stand inside an earlier one.
    while (!controls_.empty()) {
        RectControl* control = controls_.back();
        controls_.pop_back();
        delete control;
    }
    d->widget.reset();
}

// ---------------------------------------------------------------- building and closing

void Window::build()
{
    d->state = Private::State::Building;
    windowlists::opened(this);
    // A build event may close the window: the build then stops there.
    const auto stillBuilding = [this] { return d->state == Private::State::Building; };
    try {
        raiseOwnEvent<void()>(*this, "Layout");
        if (stillBuilding())
            raiseOwnEvent<void()>(*this, "CreateControls");
        if (stillBuilding())
            raiseOwnEvent<void(Window*)>(*this, "AddMenuHandlers", this);
        if (!stillBuilding())
            return;
        d->state = Private::State::Open;
        applyDeferredTabOrder();
        applyMenuView();
        raiseOwnEvent<void()>(*this, "Open");
    } catch (...) {
        // A window that fails to build is gone, as if closed, without a Close event.
        if (d->state != Private::State::Closed) {
            d->state = Private::State::Closed;
            d->visible = false;
            d->widget->hide();
            windowlists::closed(this);
            deleteLater();
        }
        throw;
    }
    if (d->state == Private::State::Open && d->visible)
        showNow();
}

void Window::Close()
{
    if (d->state != Private::State::Open && d->state != Private::State::Building)
        return;
    d->state = Private::State::Closing;
    // The window closes even when its Close handler throws.
    ScopeExit finish([this] {
        d->state = Private::State::Closed;
        d->visible = false;
        windowlists::closed(this);
        d->widget->hide();
        // Destroyed once control returns to the event loop that runs now (not a
        // nested one), or by releaseDirtyWindows at shutdown.
        deleteLater();
    });
    raiseOwnEvent<void()>(*this, "Close");
}

bool Window::isClosed() const
{
    return d->state == Private::State::Closing || d->state == Private::State::Closed
        || d->state == Private::State::Destroying;
}

void Window::Show()
{
    if (isClosed())
        return;
    d->visible = true;
    if (d->state == Private::State::Open)
        showNow();
}

void Window::showNow()
{
    applyMenuView();
    placeOnFirstShow();
    QMainWindow* w = d->widget.get();
    if (d->fullScreen)
        w->showFullScreen();
    else if (w->isMinimized())
        w->showNormal();
    else
        w->show();
    w->raise();
    w->activateWindow();
    windowlists::broughtToFront(this);
}

void Window::placeOnFirstShow()
{
    if (d->placed)
        return;
    d->placed = true;
    // 2: centred on the first screen; any other value leaves it to the platform.
    if (d->placement != 2)
        return;
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return;
    QRect frame = d->widget->geometry();
    frame.moveCenter(screens.first()->availableGeometry().center());
    d->widget->setGeometry(frame);
}

// The menus follow the window that comes to the front in one update pass: the one that
// its Activate handler asks for, or else the framework's own.
void Window::activated()
{
    if (d->state != Private::State::Open)
        return;
    windowlists::broughtToFront(this);
    applyMenuView();
    const std::uint64_t passesBefore = menuUpdatePassCount();
    raiseOwnEvent<void()>(*this, "Activate");
    if (menuUpdatePassCount() == passesBefore)
        runMenuUpdatePass(this);
}

void Window::EnableMenuItems()
{
    runMenuUpdatePass(frontWindow());
}

// ---------------------------------------------------------------- Qt widget state

void Window::applyFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    if (d->frame == 4) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
        if (d->closeButton)
            flags |= Qt::WindowCloseButtonHint;
        if (d->minimizeButton)
            flags |= Qt::WindowMinimizeButtonHint;
        // A window of fixed size has nothing to maximise to.
        if (d->maximizeButton && d->resizeable)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    d->content->setPlainBorder(d->frame == 4);
    QMainWindow* w = d->widget.get();
    if (w->windowFlags() == flags)
        return;
    const bool shown = w->isVisible();
    w->setWindowFlags(flags); // hides a shown window
    if (shown)
        w->show();
}

void Window::recordStarted()
{
    ++d->recordDepth;
}

void Window::recordEnded()
{
    if (--d->recordDepth == 0 && std::exchange(d->sizePending, false))
        applySize();
}

void Window::applySize()
{
    if (d->recordDepth > 0) {
        d->sizePending = true;
        return;
    }
    const int width = boundedSize(d->size.width());
    const int height = boundedSize(d->size.height());
    int bar = 0;
    // A bar that the platform shows outside the window (a global menu) takes no room.
    if (d->menuView && d->menuView->bar() && !d->menuView->bar()->isNativeMenuBar()) {
        QMenuBar* menuBar = d->menuView->bar();
        menuBar->ensurePolished();
        bar = menuBar->heightForWidth(width);
        if (bar < 0)
            bar = menuBar->sizeHint().height();
    }
    QMainWindow* w = d->widget.get();
    if (!d->resizeable) {
        // Fixed at the recorded size whatever limits the record carries.
        w->setFixedSize(width, boundedSize(height + bar));
        return;
    }
    // Limits that contradict the recorded size give way to it; 0 means no maximum.
    const int minWidth = std::clamp(d->minWidth, 0, width);
    const int minHeight = std::clamp(d->minHeight, 0, height);
    const int maxWidth = d->maxWidth > 0 ? std::max(d->maxWidth, width) : QWIDGETSIZE_MAX;
    const int maxHeight = d->maxHeight > 0 ? std::max(d->maxHeight, height) : QWIDGETSIZE_MAX;
    w->setMinimumSize(minWidth, boundedSize(minHeight + bar));
    w->setMaximumSize(boundedSize(maxWidth), boundedSize(maxHeight + bar));
    w->resize(width, boundedSize(height + bar));
}

void Window::applyMenuView()
{
    if (d->state == Private::State::Destroying)
        return;
    fw::MenuBar* model = d->menuBar;
    if (!model) {
        // A window without a bar of its own shows the application's, as if the one bar
        // of the screen stood above it.
        if (Application* app = Application::current())
            model = app->MenuBar();
    }
    // A plain box shows no bar; it still answers the bar's shortcuts.
    const bool showBar = model && d->menuBarVisible && d->frame != 4;
    if (d->menuView && d->menuView->model() == model && d->menuView->showsBar() == showBar)
        return;
    d->menuView.reset();
    if (model)
        d->menuView = std::make_unique<MenuView>(this, d->widget.get(), model, showBar);
    applySize();
}

void Window::contentResized(const QSize& size)
{
    if (d->state == Private::State::Destroying)
        return;
    const QSize delta = size - d->laidOutSize;
    d->laidOutSize = size;
    d->size = size;
    if (delta.isNull())
        return;
    for (RectControl* control : controls_)
        control->followWindowResize(size);
}

// ---------------------------------------------------------------- controls and menus

void Window::_AddControl(const QString& name, RectControl* control)
{
    nonNil(control, "control");
    if (control->window_)
        throw RuntimeException("control " + name.toStdString() + " is already on a window");
    if (findControl(name))
        throw RuntimeException("this window already has a control named " + name.toStdString());
    control->setName(name);
    control->window_ = this;
    controls_.push_back(control);
    names_.added(control);
    if (QWidget* w = control->widget()) {
        control->attaching_ = true;
        w->setParent(d->content);
        control->attaching_ = false;
        w->raise(); // later controls stand above earlier ones
    }
    control->layOutAt(d->laidOutSize);
    control->attached();
    control->placementChanged();
}

bool Window::defersTabOrder()
{
    if (d->state != Private::State::Building)
        return false;
    d->tabOrderDeferred = true;
    return true;
}

// One control's order is the whole window's: the last control sets it for all.
void Window::applyDeferredTabOrder()
{
    if (!std::exchange(d->tabOrderDeferred, false))
        return;
    for (RectControl* control : controls_) {
        QWidget* w = control->widget();
        if (w && w->parentWidget()) {
            control->applyTabOrder();
            return;
        }
    }
}

RectControl* Window::findControl(const QString& name) const
{
    return names_.find(name);
}

// A parent named by a control's InitialParent may be another control now.
void Window::controlRenamed(const QString& oldName, const QString& newName)
{
    names_.renamed(oldName, newName, controls_);
    for (RectControl* control : controls_)
        control->updateShown();
}

// A control deleted while its window stays leaves the window's list and names. The
// window's own teardown has taken each control off the list before deleting it.
void Window::controlGone(RectControl* control)
{
    if (d->state == Private::State::Destroying)
        return;
    const auto found = std::find(controls_.begin(), controls_.end(), control);
    if (found == controls_.end())
        return;
    controls_.erase(found);
    names_.removed(control, controls_);
    for (RectControl* other : controls_)
        other->updateShown();
}

void Window::_AddMenuHandler(const QString& itemName, MenuHandler handler)
{
    d->menuHandlers[handlerKey(itemName)] = std::move(handler);
}

MenuHandler Window::menuHandler(const QString& itemName) const
{
    const auto found = d->menuHandlers.find(handlerKey(itemName));
    return found == d->menuHandlers.end() ? MenuHandler() : found->second;
}

fw::MenuBar* Window::MenuBar() const
{
    return d->menuBar;
}

void Window::setMenuBar(fw::MenuBar* bar)
{
    d->menuBar = bar;
    applyMenuView();
}

QMainWindow* Window::widget() const
{
    return d->widget.get();
}

QWidget* Window::content() const
{
    return d->content;
}

// ---------------------------------------------------------------- properties

int Window::Placement() const
{
    return d->placement;
}

void Window::setPlacement(int placement)
{
    d->placement = placement;
}

int Window::Width() const
{
    return d->size.width();
}

void Window::setWidth(int width)
{
    checkWindowSize(width, "Window.Width");
    d->size.setWidth(width);
    if (controls_.empty())
        d->laidOutSize = d->size;
    applySize();
}

int Window::Height() const
{
    return d->size.height();
}

void Window::setHeight(int height)
{
    checkWindowSize(height, "Window.Height");
    d->size.setHeight(height);
    if (controls_.empty())
        d->laidOutSize = d->size;
    applySize();
}

int Window::MinWidth() const
{
    return d->minWidth;
}

void Window::setMinWidth(int width)
{
    checkWindowSize(width, "Window.MinWidth");
    d->minWidth = width;
    applySize();
}

int Window::MinHeight() const
{
    return d->minHeight;
}

void Window::setMinHeight(int height)
{
    checkWindowSize(height, "Window.MinHeight");
    d->minHeight = height;
    applySize();
}

int Window::MaxWidth() const
{
    return d->maxWidth;
}

void Window::setMaxWidth(int width)
{
    checkWindowSize(width, "Window.MaxWidth");
    d->maxWidth = width;
    applySize();
}

int Window::MaxHeight() const
{
    return d->maxHeight;
}

void Window::setMaxHeight(int height)
{
    checkWindowSize(height, "Window.MaxHeight");
    d->maxHeight = height;
    applySize();
}

int Window::Frame() const
{
    return d->frame;
}

void Window::setFrame(int frame)
{
    d->frame = frame;
    applyFlags();
    applyMenuView();
}

bool Window::Composite() const
{
    return d->composite;
}

// Qt composes every window's drawing already: the value is kept only.
void Window::setComposite(bool composite)
{
    d->composite = composite;
}

bool Window::HasBackColor() const
{
    return d->hasBackColor;
}

void Window::setHasBackColor(bool has)
{
    d->hasBackColor = has;
    d->content->setBackground(d->hasBackColor, d->backColor);
}

QColor Window::BackColor() const
{
    return d->backColor;
}

void Window::setBackColor(const QColor& color)
{
    d->backColor = color;
    d->content->setBackground(d->hasBackColor, d->backColor);
}

QString Window::Title() const
{
    return d->widget->windowTitle();
}

void Window::setTitle(const QString& title)
{
    d->widget->setWindowTitle(title);
}

bool Window::Visible() const
{
    return d->visible;
}

// Hides or shows the window without closing it; during the build the window only
// remembers the value and is shown, if Visible, once Open has run.
void Window::setVisible(bool visible)
{
    if (isClosed())
        return;
    d->visible = visible;
    if (d->state != Private::State::Open)
        return;
    if (visible)
        showNow();
    else
        d->widget->hide();
}

bool Window::FullScreen() const
{
    return d->fullScreen;
}

void Window::setFullScreen(bool fullScreen)
{
    d->fullScreen = fullScreen;
    QMainWindow* w = d->widget.get();
    if (!w->isVisible())
        return;
    if (fullScreen)
        w->showFullScreen();
    else
        w->showNormal();
}

bool Window::MenuBarVisible() const
{
    return d->menuBarVisible;
}

void Window::setMenuBarVisible(bool visible)
{
    d->menuBarVisible = visible;
    applyMenuView();
}

bool Window::CloseButton() const
{
    return d->closeButton;
}

void Window::setCloseButton(bool has)
{
    d->closeButton = has;
    applyFlags();
}

bool Window::Resizeable() const
{
    return d->resizeable;
}

void Window::setResizeable(bool resizeable)
{
    d->resizeable = resizeable;
    applyFlags();
    applySize();
}

bool Window::LiveResize() const
{
    return d->liveResize;
}

// Qt always lays a window out live while the user drags its edge: the value is kept only.
void Window::setLiveResize(bool live)
{
    d->liveResize = live;
}

bool Window::MaximizeButton() const
{
    return d->maximizeButton;
}

void Window::setMaximizeButton(bool has)
{
    d->maximizeButton = has;
    applyFlags();
}

bool Window::MinimizeButton() const
{
    return d->minimizeButton;
}

void Window::setMinimizeButton(bool has)
{
    d->minimizeButton = has;
    applyFlags();
}

QString Window::BalloonHelp() const
{
    return d->balloonHelp;
}

void Window::setBalloonHelp(const QString& help)
{
    d->balloonHelp = help;
    d->content->setToolTip(help);
}

int Window::MacProcID() const
{
    return d->macProcID;
}

// A classic Mac window definition id: nothing on this platform answers to it.
void Window::setMacProcID(int id)
{
    d->macProcID = id;
}

int Window::Left() const
{
    return d->widget->geometry().x();
}

void Window::setLeft(int left)
{
    checkRange(left, -kMaxCoordinate, kMaxCoordinate, "Window.Left");
    d->placed = true;
    QRect area = d->widget->geometry();
    area.moveLeft(left);
    d->widget->setGeometry(area);
}

int Window::Top() const
{
    return d->widget->geometry().y();
}

void Window::setTop(int top)
{
    checkRange(top, -kMaxCoordinate, kMaxCoordinate, "Window.Top");
    d->placed = true;
    QRect area = d->widget->geometry();
    area.moveTop(top);
    d->widget->setGeometry(area);
}

// ---------------------------------------------------------------- lookup

Window* _GetImplicitWindow(const QString& className)
{
    const ClassInfo* info = findClass(className);
    if (!info || !info->meta)
        return nullptr;
    for (Window* window : _mImplicitWindowList()) {
        if (window->metaObject() == info->meta && !window->isClosed())
            return window;
    }
    return nullptr;
}

} // namespace fw
