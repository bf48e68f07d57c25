#pragma once

// The main window's property records: its own and those of its 71 controls.

#include "main_window/control_records.h"

#include <QByteArray>

#include <vector>

namespace mainwindow {

// The main window's own record, applied in its Layout event.
const QByteArray& windowRecord();
// The 71 controls in creation order, each with its class and record.
const std::vector<ControlLayout>& controlLayouts();

} // namespace mainwindow
