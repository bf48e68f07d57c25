#pragma once

#include "main_window/layout_records.h"
#include "windows/about_records.h"
#include "windows/help_records.h"
#include "windows/info_records.h"

#include <QByteArray>

#include <vector>

// The program's four windows in the order they are made, each with its own record
// and its controls' layout table: every property record the program has.
struct WindowRecords {
    const char* name;
    const QByteArray& (*windowRecord)();
    const std::vector<mainwindow::ControlLayout>& (*controlLayouts)();
};

inline constexpr WindowRecords kProgramWindows[] = {
    {"Oruvel", mainwindow::windowRecord, mainwindow::controlLayouts},
    {"AboutBox", aboutbox::windowRecord, aboutbox::controlLayouts},
    {"Info", info::windowRecord, info::controlLayouts},
    {"Help", help::windowRecord, help::controlLayouts},
};
