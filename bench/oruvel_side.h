#pragma once

#include "launch.h"

namespace bench {

// The program's own start work before its main window, as start-up does it: class
// registration, the file type, the application object and its menu handlers. Once
// per process, on the framework's running runtime.
void startProgram();
// Opens the main window as start-up does, shown. Its first frame follows in the event
// loop.
std::unique_ptr<BenchWindow> openOruvelWindow();

// The secondary windows, each opened and closed by the application's own menu
// commands: About, Info (shown and hidden again) and Help.
enum class Secondary { About, Info, Help };
bool parseSecondary(const char* name, Secondary& window);
void openAndClose(Secondary window);

} // namespace bench
