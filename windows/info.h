#pragma once

#include "framework/window.h"

namespace fw {
class AppleMenuItem;
class EditField;
class Listbox;
class MenuItem;
class QuitMenuItem;
class Rectangle;
class Separator;
class StaticText;
} // namespace fw

// The Info window: the yin and yang lines and their pairs of qualities. It opens beside
// the main window when there is room, and keeps the Window menu's "Show Info" /
// "Hide Info" caption in step with itself however it is closed.
class Info : public fw::Window {
    Q_OBJECT

public:
    // --- build ---
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    // --- items of the window's menu bar, by name ---
    fw::MenuItem* HelpMenu() const;
    fw::AppleMenuItem* AppleAboutOruvel() const;
    fw::MenuItem* HelpHelp() const;
    fw::MenuItem* WindowMenu() const;
    fw::MenuItem* WindowShowInfo() const;
    fw::MenuItem* EditMenu() const;
    fw::MenuItem* EditClear() const;
    fw::MenuItem* EditPaste() const;
    fw::MenuItem* EditCopy() const;
    fw::MenuItem* EditCut() const;
    fw::MenuItem* UntitledMenu0() const;
    fw::MenuItem* EditUndo() const;
    fw::MenuItem* FileMenu() const;
    fw::QuitMenuItem* FileQuit() const;
    fw::MenuItem* FileClose() const;
    // Names no item of the bar: nil.
    fw::MenuItem* UntitledMenu1() const;

    // --- menus and window events ---
    void AddMenuHandlers(fw::Window* window) override;
    void Event_EnableMenuItems() override;
    void Event_Close() override;
    void Event_Open() override;
    bool _FileClose_Action();

    // --- controls, found by name at each use ---
    fw::StaticText* StaticText3() const;
    fw::Separator* Separator1() const;
    fw::Rectangle* Rectangle4() const;
    fw::Rectangle* Rectangle5() const;
    fw::Rectangle* Rectangle6() const;
    fw::Listbox* ListBox1() const;
    fw::EditField* EditField1() const;

private:
    // The item of that name in the window's menu bar; NilObjectException without a bar.
    fw::MenuItem* menuItem(const char* name) const;
};

// The open Info window, or a new one built and opened now.
class Info* Info();

// Registers the class description under "Info.Info", the name the accessor asks for.
void registerInfoClass();
