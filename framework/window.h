#pragma once

#include "control.h"
#include "control_names.h"
#include "events.h"
#include "exceptions.h"
#include "record.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class QMainWindow;
class QSize;

namespace fw {

class MenuBar;

// A window of the program: a Qt top-level widget with a content area of exactly the
// recorded size and, when it shows a menu bar, the bar above it. Program windows derive
// from it and handle the build and window events (Layout, CreateControls,
// AddMenuHandlers, Open, Close, Activate, EnableMenuItems, MouseDown, MouseUp) that
// their class's event table lists (members.h), and no others: a window class overrides
// nothing of Window's. Its operations below are found and called by name, in their
// declared order, ahead of a derived class's own.
class Window : public QObject, public EventSource, public RecordReceiver {
    Q_OBJECT
    Q_PROPERTY(int Placement READ Placement WRITE setPlacement)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int MinWidth READ MinWidth WRITE setMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE setMinHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE setMaxWidth)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE setMaxHeight)
    Q_PROPERTY(int Frame READ Frame WRITE setFrame)
    Q_PROPERTY(bool Composite READ Composite WRITE setComposite)
    Q_PROPERTY(bool HasBackColor READ HasBackColor WRITE setHasBackColor)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QString Title READ Title WRITE setTitle)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool FullScreen READ FullScreen WRITE setFullScreen)
    Q_PROPERTY(bool MenuBarVisible READ MenuBarVisible WRITE setMenuBarVisible)
    Q_PROPERTY(bool CloseButton READ CloseButton WRITE setCloseButton)
    Q_PROPERTY(bool Resizeable READ Resizeable WRITE setResizeable)
    Q_PROPERTY(bool LiveResize READ LiveResize WRITE setLiveResize)
    Q_PROPERTY(bool MaximizeButton READ MaximizeButton WRITE setMaximizeButton)
    Q_PROPERTY(bool MinimizeButton READ MinimizeButton WRITE setMinimizeButton)
    Q_PROPERTY(QString BalloonHelp READ BalloonHelp WRITE setBalloonHelp)
    Q_PROPERTY(int MacProcID READ MacProcID WRITE setMacProcID)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)

public:
    Window();
    ~Window() override;

    // Builds a new window: raises Layout, CreateControls, AddMenuHandlers and Open in
    // that order, registers the window in the framework's lists and shows it when its
    // Visible is true. An exception from a build event passes to the caller.
    template <typename W>
    static W* create()
    {
        auto* window = new W;
        window->build();
        return window;
    }

    // --- operations, by name in this order ---
    Q_INVOKABLE void Show();  // makes it visible and brings it to the front
    Q_INVOKABLE void Close(); // closes it: raises Close; the window object goes once the running handler returns
    // Asks for a menu update pass now (enables AutoEnable items, raises EnableMenuItems).
    Q_INVOKABLE void EnableMenuItems();
    // Registers a control under a name; the window owns it from then on and stacks it
    // above the controls added before.
    Q_INVOKABLE void _AddControl(const QString& name, fw::RectControl* control);
    // Binds a menu item, by name, to a handler that serves while this window is in front.
    Q_INVOKABLE void _AddMenuHandler(const QString& itemName, fw::MenuHandler handler);

    // --- properties ---
    // What the keys do here:
    // - Width, Height: the content area's size (the menu bar, when shown, stands above
    //   it). A window that is not Resizeable is fixed at that size whatever its limits
    //   say; a resizable one takes MinWidth..MaxWidth and MinHeight..MaxHeight, where a
    //   maximum of 0 means no limit and limits that exclude the size give way to it.
    //   The six size keys take 0 to 32000, Left and Top the controls' coordinate range;
    //   other values raise OutOfBoundsException.
    // - Frame: 4 is a plain box without a title bar and with a thin border; every other
    //   value is a document window.
    // - MenuBarVisible: a document window shows its MenuBar above the content, or the
    //   application's when it has none of its own; a plain box never shows a bar. A
    //   window without a shown bar still answers the bar's shortcuts.
    // - Placement: 2 centres the window on the first screen when it first shows, unless
    //   code has set Left or Top; every other value leaves it to the platform.
    // - CloseButton, MinimizeButton, MaximizeButton: the title bar's buttons (a window
    //   that is not Resizeable has no maximise button).
    // - HasBackColor: the content is painted in BackColor; BackColor is kept either way.
    // - BalloonHelp: the content area's tooltip.
    // - Visible: shows or hides without closing; FullScreen: shown full screen.
    // - LiveResize, Composite, MacProcID: kept only: Qt always lays out live while the
    //   user resizes and composes every window, and nothing here answers to a Mac
    //   window definition id.
    int Placement() const;
    void setPlacement(int placement);
    int Width() const;
    void setWidth(int width);
    int Height() const;
    void setHeight(int height);
    int MinWidth() const;
    void setMinWidth(int width);
    int MinHeight() const;
    void setMinHeight(int height);
    int MaxWidth() const;
    void setMaxWidth(int width);
    int MaxHeight() const;
    void setMaxHeight(int height);
    int Frame() const;
    void setFrame(int frame);
    bool Composite() const;
    void setComposite(bool composite);
    bool HasBackColor() const;
    void setHasBackColor(bool has);
    QColor BackColor() const;
    void setBackColor(const QColor& color);
    QString Title() const;
    void setTitle(const QString& title);
    bool Visible() const;
    void setVisible(bool visible);
    bool FullScreen() const;
    void setFullScreen(bool fullScreen);
    bool MenuBarVisible() const;
    void setMenuBarVisible(bool visible);
    bool CloseButton() const;
    void setCloseButton(bool has);
    bool Resizeable() const;
    void setResizeable(bool resizeable);
    bool LiveResize() const;
    void setLiveResize(bool live);
    bool MaximizeButton() const;
    void setMaximizeButton(bool has);
    bool MinimizeButton() const;
    void setMinimizeButton(bool has);
    QString BalloonHelp() const;
    void setBalloonHelp(const QString& help);
    int MacProcID() const;
    void setMacProcID(int id);
    // Screen position of the window's top-left corner (below the title bar).
    int Left() const;
    void setLeft(int left);
    int Top() const;
    void setTop(int top);

    fw::MenuBar* MenuBar() const;
    void setMenuBar(fw::MenuBar* bar);

    bool isClosed() const;

    // The control of that name, or nullptr.
    RectControl* findControl(const QString& name) const;
    // The control of that name as class T: NilObjectException when there is none,
    // IllegalCastException when it is of another class.
    template <typename T>
    T* control(const QString& name) const
    {
        RectControl* found = findControl(name);
        if (!found)
            throw NilObjectException("no control named " + name.toStdString());
        T* typed = qobject_cast<T*>(found);
        if (!typed)
            throw IllegalCastException("control " + name.toStdString() + " is not a " + T::staticMetaObject.className());
        return typed;
    }
    const std::vector<RectControl*>& controls() const { return controls_; }

    // The handler bound to the item name, or an empty function.
    MenuHandler menuHandler(const QString& itemName) const;

    // A record's size keys size the Qt window once, when the record ends.
    void recordStarted() override;
    void recordEnded() override;

    // The Qt top-level widget and its content area.
    QMainWindow* widget() const;
    QWidget* content() const;

private:
    friend class WindowWidget;
    friend class ContentWidget;
    friend class Control;
    friend class RectControl;
    void build();
    void showNow();
    void placeOnFirstShow();
    void applyFlags();
    void applySize();
    void applyMenuView();
    // From the Qt widgets: the window became the active one; the content area's size changed.
    void activated();
    void contentResized(const QSize& size);
    // From the controls: one of them took another name; one of them is going away.
    void controlRenamed(const QString& oldName, const QString& newName);
    void controlGone(RectControl* control);
    // While the window builds, the controls' focus order is set once, when it opens.
    bool defersTabOrder();
    void applyDeferredTabOrder();

    struct Private;
    std::unique_ptr<Private> d;
    std::vector<RectControl*> controls_;
    ControlNames names_;
};

// The open window (shown or hidden) registered under that class name, or nullptr.
Window* _GetImplicitWindow(const QString& className);

// Casts with the framework's checked cast: IllegalCastException for another class,
// NilObjectException for nil.
template <typename T>
T* windowCast(Window* window)
{
    nonNil(window, "window");
    T* typed = qobject_cast<T*>(window);
    if (!typed)
        throw IllegalCastException(std::string("window is not a ") + T::staticMetaObject.className());
    return typed;
}

} // namespace fw
