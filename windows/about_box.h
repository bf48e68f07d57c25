#pragma once

#include "framework/window.h"

namespace fw {
class Canvas;
class StaticText;
} // namespace fw

// The About window: the program's name and version, a notice, a credit, the icon and
// two links. A click on a link opens its page; a click anywhere else hides the window.
class AboutBox : public fw::Window {
    Q_OBJECT

public:
    // --- build ---
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    // --- controls, found by name at each use ---
    fw::StaticText* StaticText1() const;
    fw::StaticText* versionDisp() const;
    fw::StaticText* StaticText3() const;
    fw::StaticText* daURL() const;
    fw::Canvas* Canvas1() const;
    fw::StaticText* daURL1() const;
    fw::StaticText* StaticText4() const;

    // --- the two links ---
    bool daURL_MouseDown(int x, int y);
    void daURL_MouseUp(int x, int y);
    bool daURL1_MouseDown(int x, int y);
    void daURL1_MouseUp(int x, int y);

    // --- menus and window events ---
    void AddMenuHandlers(fw::Window* window) override;
    void Event_MouseUp(int x, int y) override;
    bool Event_MouseDown(int x, int y) override;
    void Event_Open() override;
};

// The About window that exists (shown or hidden), or a new one built now.
class AboutBox* AboutBox();

// Registers the class description under "AboutBox.AboutBox", the name the accessor asks for.
void registerAboutBoxClass();
