#pragma once

// A plain window that the control tests fill, and helpers to drive its controls.

#include "framework/control.h"
#include "framework/events.h"
#include "framework/runtime.h"
#include "framework/window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QRect>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace testcontrols {

// Readable lists in failure messages.
inline std::string joined(const QStringList& list)
{
    return list.join(QStringLiteral(" | ")).toStdString();
}

// The next ControlsWindow built runs this in its CreateControls event.
inline std::function<void(fw::Window*)>& nextControls()
{
    static std::function<void(fw::Window*)> create;
    return create;
}

class ControlsWindow : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:Layout", "Layout")
    Q_CLASSINFO("Event:CreateControls", "CreateControls")

public:
    ControlsWindow() : create_(std::exchange(nextControls(), {})) {}

    Q_INVOKABLE void Layout()
    {
        setWidth(640);
        setHeight(480);
        setTitle(QStringLiteral("Controls"));
    }
    Q_INVOKABLE void CreateControls()
    {
        if (create_)
            create_(this);
    }

private:
    std::function<void(fw::Window*)> create_;
};

// Adds a new control of class C to the window at a place in window coordinates.
template <typename C>
C* place(fw::Window* window, const QString& name, QRect area)
{
    auto* control = new C;
    window->_AddControl(name, control);
    control->setLeft(area.left());
    control->setTop(area.top());
    control->setWidth(area.width());
    control->setHeight(area.height());
    return control;
}

// Catches what escapes a handler on the unhandled-exception road, and lays the road
// back to stderr when it goes.
class UnhandledCatcher {
public:
    UnhandledCatcher()
    {
        fw::setUnhandledExceptionRoad([this](std::exception_ptr error) {
            ++count;
            last = fw::describeException(error);
        });
    }
    ~UnhandledCatcher() { fw::setUnhandledExceptionRoad({}); }
    UnhandledCatcher(const UnhandledCatcher&) = delete;
    UnhandledCatcher& operator=(const UnhandledCatcher&) = delete;

    int count = 0;
    QString last;
};

// Builds a window of controls, shows it and makes it the active window; every
// window goes when the test ends.
class ControlsTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        nextControls() = {};
        fw::releaseImplicitWindowList();
        fw::releaseDirtyWindows();
        fw::releaseWindows();
    }

    fw::Window* build(std::function<void(fw::Window*)> create)
    {
        nextControls() = std::move(create);
        auto* window = fw::Window::create<ControlsWindow>();
        window->Show();
        QWidget* top = window->widget();
        top->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(top));
        return window;
    }
};

} // namespace testcontrols
