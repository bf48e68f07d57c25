#pragma once

// The framework's menu machinery shared by the windows' views, the menu bar and the
// application: which window is in front, the update pass and command dispatch.

#include <cstdint>

namespace fw {

class MenuItem;
class Window;

// The window in front: the shown open window most recently brought forward, or nullptr.
Window* frontWindow();

// The update pass: every item of the bars concerned (the front window's and the
// application's) is enabled when its AutoEnable is true and disabled otherwise; then
// the front window's EnableMenuItems runs, so that it enables what it serves. A pass
// requested while one runs is ignored. Exceptions pass to the caller.
void runMenuUpdatePass(Window* front);
// How many update passes have run: a caller learns whether a pass ran meanwhile.
std::uint64_t menuUpdatePassCount();

// Carries out a chosen item: the window's handler for the item's name; if there is
// none or it returns false, the application's; if neither takes it, the framework's
// own action (a QuitMenuItem quits, the Edit items act on the focused text widget).
// A disabled item does nothing. Exceptions pass to the caller.
void runMenuCommand(MenuItem* item, Window* window);

} // namespace fw
