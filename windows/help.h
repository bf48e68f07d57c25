#pragma once

#include "framework/window.h"

namespace fw {
class EditField;
}

// The Help window: the fixed help text in one read-only field that follows the
// window's size. File > Close closes it.
//
// Its operations are Q_INVOKABLE in declared order and its event table maps the
// window's events to them; its one control is the registered control list.
class Help : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:Layout", "Layout")
    Q_CLASSINFO("Event:CreateControls", "CreateControls")
    Q_CLASSINFO("Event:AddMenuHandlers", "AddMenuHandlers")
    Q_CLASSINFO("Event:Close", "Event_Close")
    Q_CLASSINFO("Event:EnableMenuItems", "Event_EnableMenuItems")

public:
    // --- build ---
    Q_INVOKABLE void Layout();
    Q_INVOKABLE void CreateControls();
    Q_INVOKABLE void _CreateControls0();

    // --- the one control, found by name at each use ---
    fw::EditField* EditField1() const;

    // --- menus and window events ---
    Q_INVOKABLE void AddMenuHandlers(fw::Window* window);
    Q_INVOKABLE void Event_EnableMenuItems();
    Q_INVOKABLE void Event_Close();
    Q_INVOKABLE bool _FileClose_Action();
};

// The open Help window, or a new one built now.
class Help* Help();

// Registers the class description under "Help.Help", the name the accessor asks for,
// with the window's control as its control accessor.
void registerHelpClass();
