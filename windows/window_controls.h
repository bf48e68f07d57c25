#pragma once

// The steps by which the About, Info and Help windows make their controls from their
// layouts. Each control is made, registered under its name, then found again by that
// name for its record, so that a record always lands on the control the window holds.

#include "main_window/control_records.h"

namespace fw {
class Window;
class RectControl;
} // namespace fw

namespace windowcontrols {

// Creates the control of the layout's class and registers it on the window under the
// layout's name; the window owns it from then on.
void addControl(fw::Window& window, const mainwindow::ControlLayout& layout);

// Applies the layout's record to the window's control of the layout's name.
void applyRecord(fw::Window& window, const mainwindow::ControlLayout& layout);

// Both steps for every layout, in order: for windows whose controls need nothing more.
void createAll(fw::Window& window, const std::vector<mainwindow::ControlLayout>& layouts);

} // namespace windowcontrols
