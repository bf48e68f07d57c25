#pragma once

// The About window's property records: its own and those of its seven controls.

#include "main_window/control_records.h"

#include <QByteArray>

#include <vector>

namespace aboutbox {

using mainwindow::ControlLayout;

// The window's own record, applied in its Layout event.
const QByteArray& windowRecord();
// The window's controls in creation order, each with its class and record.
const std::vector<ControlLayout>& controlLayouts();

} // namespace aboutbox
