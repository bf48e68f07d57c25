#pragma once

// The record targets' names for what they apply records to: the window, then the ten
// control classes in ControlClass order. Each names a seed folder (record_<name>).

#include <array>

inline constexpr std::array<const char*, 11> kRecordTargets = {
    "window",   "tabpanel",  "popupmenu", "littlearrows", "statictext", "listbox",
    "pushbutton", "editfield", "separator", "rectangle",  "canvas"};
