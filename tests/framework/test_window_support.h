#pragma once

// Windows and an application object that log what the framework raises on them, for
// the window, menu and application tests.

#include "framework/application.h"
#include "framework/classes.h"
#include "framework/control.h"
#include "framework/menus.h"
#include "framework/record.h"
#include "framework/runtime.h"
#include "framework/window.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QEventLoop>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace testwindows {

// What the next window built takes in its build events (set before Window::create).
struct BuildScript {
    QByteArray record;
    fw::MenuBar* menuBar = nullptr;
    std::function<void(fw::Window*)> createControls;
    std::function<void(fw::Window*)> open;
};

inline BuildScript& nextBuild()
{
    static BuildScript script;
    return script;
}

// Handles every window event through its event table and logs it.
class LoggingWindow : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:Layout", "Layout")
    Q_CLASSINFO("Event:CreateControls", "CreateControls")
    Q_CLASSINFO("Event:AddMenuHandlers", "AddMenuHandlers")
    Q_CLASSINFO("Event:Open", "Event_Open")
    Q_CLASSINFO("Event:Close", "Event_Close")
    Q_CLASSINFO("Event:Activate", "Event_Activate")
    Q_CLASSINFO("Event:EnableMenuItems", "Event_EnableMenuItems")
    Q_CLASSINFO("Event:MouseDown", "Event_MouseDown")
    Q_CLASSINFO("Event:MouseUp", "Event_MouseUp")

public:
    LoggingWindow() : script_(std::exchange(nextBuild(), {})) {}

    QStringList log;
    bool mouseDownResult = false;
    QPoint lastMouse;

    Q_INVOKABLE void Layout()
    {
        log << QStringLiteral("Layout");
        if (script_.menuBar)
            setMenuBar(script_.menuBar);
        if (!script_.record.isEmpty())
            fw::_SetProperties(this, script_.record);
    }
    Q_INVOKABLE void CreateControls()
    {
        log << QStringLiteral("CreateControls");
        if (script_.createControls)
            script_.createControls(this);
    }
    Q_INVOKABLE void AddMenuHandlers(fw::Window* window)
    {
        log << (window == this ? QStringLiteral("AddMenuHandlers") : QStringLiteral("AddMenuHandlers(other)"));
    }
    Q_INVOKABLE void Event_Open()
    {
        log << QStringLiteral("Open");
        if (script_.open)
            script_.open(this);
    }
    Q_INVOKABLE void Event_Close()
    {
        log << QStringLiteral("Close");
        ++closeEvents();
    }
    // Close events of every LoggingWindow, also of those already destroyed.
    static int& closeEvents()
    {
        static int count = 0;
        return count;
    }
    Q_INVOKABLE void Event_Activate() { log << QStringLiteral("Activate"); }
    std::function<void()> onEnableMenuItems;
    Q_INVOKABLE void Event_EnableMenuItems()
    {
        log << QStringLiteral("EnableMenuItems");
        if (onEnableMenuItems)
            onEnableMenuItems();
    }
    Q_INVOKABLE bool Event_MouseDown(int x, int y)
    {
        log << QStringLiteral("MouseDown");
        lastMouse = QPoint(x, y);
        return mouseDownResult;
    }
    Q_INVOKABLE void Event_MouseUp(int x, int y)
    {
        log << QStringLiteral("MouseUp");
        lastMouse = QPoint(x, y);
    }

private:
    BuildScript script_;
};

// A second window class, to tell classes apart.
class OtherWindow : public LoggingWindow {
    Q_OBJECT
};

// The plainest control: a bare widget, which lets presses it does not take pass on.
class TestBox : public fw::RectControl {
    Q_OBJECT

public:
    TestBox() : RectControl(new QWidget) {}
};

// A second control class, to tell classes apart.
class OtherBox : public fw::RectControl {
    Q_OBJECT

public:
    OtherBox() : RectControl(new QWidget) {}
};

class LoggingApplication : public fw::Application {
    Q_OBJECT
    Q_CLASSINFO("Event:Open", "Event_Open")

public:
    int opens = 0;
    std::function<void()> onOpen;
    Q_INVOKABLE void Event_Open()
    {
        ++opens;
        if (onOpen)
            onOpen();
    }
};

// Runs a real event loop until it is idle once: deferred deletes posted outside any
// loop happen here, as they do when a handler returns to the program's loop.
inline void returnToEventLoop()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

inline void registerTestClasses()
{
    fw::registerClass(QStringLiteral("LoggingWindow.LoggingWindow"), &LoggingWindow::staticMetaObject);
    fw::registerClass(QStringLiteral("OtherWindow.OtherWindow"), &OtherWindow::staticMetaObject);
}

// Every test starts and ends with no windows and no application object.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerTestClasses();
        releaseAll();
    }
    void TearDown() override { releaseAll(); }

    static void releaseAll()
    {
        nextBuild() = {};
        fw::releaseImplicitWindowList();
        fw::releaseDirtyWindows();
        fw::releaseWindows();
        fw::releaseApplication();
    }
};

// The window record of a fixed plain box whose limits contradict its size.
inline QByteArray plainBoxRecord()
{
    return fw::encodeRecord({
        {"Placement", 0},       {"Width", 301},          {"Height", 323},        {"MinWidth", 284},
        {"MinHeight", 231},     {"MaxWidth", 284},       {"MaxHeight", 231},     {"Frame", 4},
        {"Composite", true},    {"HasBackColor", false}, {"BackColor", fw::color(0xFFFFFF)},
        {"Title", "About Oruvel"}, {"Visible", true},    {"FullScreen", false},  {"MenuBarVisible", true},
        {"CloseButton", true},  {"Resizeable", false},   {"LiveResize", false},  {"MaximizeButton", false},
        {"MinimizeButton", true}, {"BalloonHelp", ""},   {"MacProcID", 0},
    });
}

// A fixed document window with a menu bar, MaxWidth below its width and MaxHeight 0.
inline QByteArray fixedDocumentRecord()
{
    return fw::encodeRecord({
        {"Placement", 2},        {"Width", 274},          {"Height", 480},        {"MinWidth", 250},
        {"MinHeight", 480},      {"MaxWidth", 250},       {"MaxHeight", 0},       {"Frame", 0},
        {"Composite", false},    {"HasBackColor", false}, {"BackColor", fw::color(0xFFFFFF)},
        {"Title", "Info"},       {"Visible", true},       {"FullScreen", false},  {"MenuBarVisible", true},
        {"CloseButton", true},   {"Resizeable", false},   {"LiveResize", false},  {"MaximizeButton", true},
        {"MinimizeButton", true}, {"BalloonHelp", ""},    {"MacProcID", 0},
    });
}

// A resizable document window.
inline QByteArray resizableRecord()
{
    return fw::encodeRecord({
        {"Placement", 0},        {"Width", 300},          {"Height", 300},        {"MinWidth", 64},
        {"MinHeight", 64},       {"MaxWidth", 32000},     {"MaxHeight", 32000},   {"Frame", 0},
        {"Composite", false},    {"HasBackColor", true},  {"BackColor", fw::color(0xE8E8E8)},
        {"Title", "Help"},       {"Visible", true},       {"FullScreen", false},  {"MenuBarVisible", true},
        {"CloseButton", true},   {"Resizeable", true},    {"LiveResize", true},   {"MaximizeButton", true},
        {"MinimizeButton", true}, {"BalloonHelp", ""},    {"MacProcID", 0},
    });
}

// A bar of four menus: File (Close without AutoEnable, Quit), Edit (Undo, a line,
// Cut, Copy, Paste, Clear), Window (Show Info) and Help (Help, About).
inline fw::MenuBar* newTestMenuBar()
{
    auto* bar = new fw::MenuBar;
    auto add = [](fw::MenuItem* parent, fw::MenuItem* item, const char* name, const char* text,
                  const char* shortcut, bool autoEnable) {
        item->setName(QString::fromUtf8(name));
        item->setAutoEnable(autoEnable);
        item->setText(QString::fromUtf8(text));
        item->setKeyboardShortcut(QString::fromUtf8(shortcut));
        parent->Append(item);
        return item;
    };
    fw::MenuItem* file = add(bar, new fw::MenuItem, "FileMenu", "&File", "", true);
    add(file, new fw::MenuItem, "FileClose", "Close", "Cmd+W", false);
    add(file, new fw::QuitMenuItem, "FileQuit", "Quit", "Cmd+Q", true);
    fw::MenuItem* edit = add(bar, new fw::MenuItem, "EditMenu", "&Edit", "", true);
    add(edit, new fw::MenuItem, "EditUndo", "&Undo", "Cmd+Z", true);
    add(edit, new fw::MenuItem, "UntitledMenu0", "-", "", true);
    add(edit, new fw::MenuItem, "EditCut", "Cu&t", "Cmd+X", true);
    add(edit, new fw::MenuItem, "EditCopy", "&Copy", "Cmd+C", true);
    add(edit, new fw::MenuItem, "EditPaste", "&Paste", "Cmd+V", true);
    add(edit, new fw::MenuItem, "EditClear", "Clear", "", true);
    fw::MenuItem* window = add(bar, new fw::MenuItem, "WindowMenu", "Window", "", true);
    add(window, new fw::MenuItem, "WindowShowInfo", "Show Info", "Cmd+I", true);
    fw::MenuItem* help = add(bar, new fw::MenuItem, "HelpMenu", "Help", "", true);
    add(help, new fw::MenuItem, "HelpHelp", "Help", "Cmd+?", true);
    add(help, new fw::AppleMenuItem, "AppleAboutOruvel", "About Oruvel...", "", true);
    return bar;
}

} // namespace testwindows
