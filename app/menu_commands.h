#pragma once

// The application's own menu commands: About, Show Info / Hide Info and Help. They are
// answered by App whichever window is in front (no window takes these items); the
// handlers themselves are members of App and live in menu_commands.cpp.

// Start-up: binds App's three menu handlers to their items by name.
void _ApplicationAddMenuHandlers();
