#pragma once

#include "framework/window.h"

namespace fw {
class EditField;
}

// The Help window: the fixed help text in one read-only field that follows the
// window's size. File > Close closes it.
class Help : public fw::Window {
    Q_OBJECT

public:
    // --- build ---
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    // --- the one control, found by name at each use ---
    fw::EditField* EditField1() const;

    // --- menus and window events ---
    void AddMenuHandlers(fw::Window* window) override;
    void Event_EnableMenuItems() override;
    void Event_Close() override;
    bool _FileClose_Action();
};

// The open Help window, or a new one built now.
class Help* Help();

// Registers the class description under "Help.Help", the name the accessor asks for.
void registerHelpClass();
