#pragma once

// How windows enter and leave the framework's lists (runtime.h reads them).

namespace fw {

class Window;

namespace windowlists {

// A window built through Window::create: open, in front, and implicit.
void opened(Window* window);
// The window came to the front.
void broughtToFront(Window* window);
// The window closed: it leaves the open lists and waits among the dirty ones.
void closed(Window* window);
// The window object is being destroyed: it leaves every list.
void destroyed(Window* window);

} // namespace windowlists
} // namespace fw
