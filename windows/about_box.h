#pragma once

#include "framework/window.h"

namespace fw {
class Canvas;
class StaticText;
} // namespace fw

// The About window: the program's name and version, a notice, a credit, the icon and
// two links. A click on a link opens its page; a click anywhere else hides the window.
//
// Its operations are Q_INVOKABLE in declared order and its event table maps the
// window's events to them; its seven controls are the registered control list.
class AboutBox : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:Layout", "Layout")
    Q_CLASSINFO("Event:CreateControls", "CreateControls")
    Q_CLASSINFO("Event:AddMenuHandlers", "AddMenuHandlers")
    Q_CLASSINFO("Event:Open", "Event_Open")
    Q_CLASSINFO("Event:MouseDown", "Event_MouseDown")
    Q_CLASSINFO("Event:MouseUp", "Event_MouseUp")

public:
    // --- build ---
    Q_INVOKABLE void Layout();
    Q_INVOKABLE void CreateControls();
    Q_INVOKABLE void _CreateControls0();

    // --- controls, found by name at each use ---
    fw::StaticText* StaticText1() const;
    fw::StaticText* versionDisp() const;
    fw::StaticText* StaticText3() const;
    fw::StaticText* daURL() const;
    fw::Canvas* Canvas1() const;
    fw::StaticText* daURL1() const;
    fw::StaticText* StaticText4() const;

    // --- the two links ---
    Q_INVOKABLE bool daURL_MouseDown(int x, int y);
    Q_INVOKABLE void daURL_MouseUp(int x, int y);
    Q_INVOKABLE bool daURL1_MouseDown(int x, int y);
    Q_INVOKABLE void daURL1_MouseUp(int x, int y);

    // --- menus and window events ---
    Q_INVOKABLE void AddMenuHandlers(fw::Window* window);
    Q_INVOKABLE void Event_MouseUp(int x, int y);
    Q_INVOKABLE bool Event_MouseDown(int x, int y);
    Q_INVOKABLE void Event_Open();
};

// The About window that exists (shown or hidden), or a new one built now.
class AboutBox* AboutBox();

// Registers the class description under "AboutBox.AboutBox", the name the accessor asks
// for, with the window's controls as its control accessors.
void registerAboutBoxClass();
