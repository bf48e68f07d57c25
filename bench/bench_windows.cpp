#include "bench_windows.h"

#include "floor_window.h"

#include "app/startup.h"
#include "main_window/oruvel.h"
#include "trigrams/trigrams.h"

#include "framework/listbox.h"
#include "framework/runtime.h"
#include "framework/tab_panel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

namespace {

// Notes the first paint of a main window anywhere in the application.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher() { QCoreApplication::instance()->installEventFilter(this); }
    ~FirstPaintWatcher() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QMainWindow*>(watched))
            painted_ = true;
        return false;
    }

private:
    bool painted_ = false;
};

// Runs open, then the event loop until the window's first frame is painted: the
// whole paint pass has run when the loop turn that painted it returns.
template <typename Open>
auto untilFirstFrame(Open open)
{
    FirstPaintWatcher watcher;
    auto window = open();
    QElapsedTimer waited;
    waited.start();
    while (!watcher.painted()) {
        if (waited.elapsed() > 10000) {
            std::fputs("no frame was painted within 10 s\n", stderr);
            std::exit(2);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
    return window;
}

class OruvelWindow : public BenchWindow {
public:
    OruvelWindow()
    {
        _MakeDefaultView();
        window_ = ::Oruvel();
    }
    ~OruvelWindow() override
    {
        fw::releaseImplicitWindowList();
        fw::releaseDirtyWindows();
        fw::releaseWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void selectRow(int row) override { window_->control<fw::Listbox>(QStringLiteral("TriBox"))->setListIndex(row); }
    void showInfoPage(int page) override
    {
        window_->control<fw::TabPanel>(QStringLiteral("InfoPanel"))->setValue(page);
    }

private:
    class Oruvel* window_ = nullptr;
};

class FloorSide : public BenchWindow {
public:
    FloorSide() { window_.show(); }
    void selectRow(int row) override { window_.selectRow(row); }
    void showInfoPage(int page) override { window_.showInfoPage(page); }

private:
    FloorWindow window_;
};

} // namespace

const char* sideName(Side side)
{
    return side == Side::Oruvel ? "oruvel" : "floor";
}

void startProgram(Side side)
{
    if (side == Side::Floor) {
        // The floor shows the same trigram texts; it takes them from the same table.
        trigrams::createTable();
        trigrams::InitTrigrams();
        return;
    }
    registerProgramClasses();
    // Start-up's steps up to the main window, which each benchmark opens itself.
    for (const ProgramStep& step : mainSteps()) {
        if (std::strcmp(step.name, "_MakeDefaultView") == 0)
            break;
        step.run();
    }
}

std::unique_ptr<BenchWindow> openWindow(Side side)
{
    return untilFirstFrame([side]() -> std::unique_ptr<BenchWindow> {
        if (side == Side::Oruvel)
            return std::make_unique<OruvelWindow>();
        return std::make_unique<FloorSide>();
    });
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace bench
