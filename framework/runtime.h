#pragma once

#include <memory>
#include <vector>

class QApplication;

namespace fw {

class Window;

// The framework runtime of a program: made first in main(), it creates the Qt
// application when there is none, registers the framework's own classes and lays the
// unhandled-exception road (to the application object's _UnhandledException, or to
// stderr while there is none), and installs the translations of the user's language
// (the program's and Qt's own). When it ends it destroys whatever windows and
// application object are left, then the Qt application it made.
class Runtime {
public:
    Runtime(int& argc, char** argv);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // The runtime's exit step: the exit status of the process, which is the quit code
    // of the application object (0 when there is none).
    int exitStep();

private:
    std::unique_ptr<QApplication> ownApplication_;
};

// Lays the framework's unhandled-exception road again (the Runtime lays it when it
// starts): for code that laid a road of its own for a while and gives it back.
void layUnhandledExceptionRoad();

// The framework's window lists.
// Every open window, shown or hidden, the front one first.
const std::vector<Window*>& Windows();
// The windows made through Window::create (the single-instance accessors' windows).
const std::vector<Window*>& _mImplicitWindowList();
// Closed windows waiting to be destroyed: a window closed inside a handler goes once
// control returns to the event loop, or at the latest at shutdown.
const std::vector<Window*>& mDirtyWindows();

// The shutdown releases; each empties its list.
// Drops the implicit references; the windows stay open.
void releaseImplicitWindowList();
// Destroys the closed windows now.
void releaseDirtyWindows();
// Destroys the windows still open, without raising their Close events.
void releaseWindows();

} // namespace fw
