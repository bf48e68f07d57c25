#pragma once

#include "framework/menus.h"
#include "framework/window.h"

namespace fw {
class EditField;
class Listbox;
class Rectangle;
class Separator;
class StaticText;
} // namespace fw

// The Info window: the yin and yang lines and their pairs of qualities. It opens beside
// the main window when there is room, and keeps the Window menu's "Show Info" /
// "Hide Info" caption in step with itself however it is closed.
//
// Its operations are Q_INVOKABLE in declared order and its event table maps the
// window's events to them; its seven controls are the registered control list.
class Info : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:Layout", "Layout")
    Q_CLASSINFO("Event:CreateControls", "CreateControls")
    Q_CLASSINFO("Event:AddMenuHandlers", "AddMenuHandlers")
    Q_CLASSINFO("Event:Open", "Event_Open")
    Q_CLASSINFO("Event:Close", "Event_Close")
    Q_CLASSINFO("Event:EnableMenuItems", "Event_EnableMenuItems")

public:
    // --- build ---
    Q_INVOKABLE void Layout();
    Q_INVOKABLE void CreateControls();
    Q_INVOKABLE void _CreateControls0();

    // --- items of the window's menu bar, by name ---
    Q_INVOKABLE fw::MenuItem* HelpMenu() const;
    Q_INVOKABLE fw::AppleMenuItem* AppleAboutOruvel() const;
    Q_INVOKABLE fw::MenuItem* HelpHelp() const;
    Q_INVOKABLE fw::MenuItem* WindowMenu() const;
    Q_INVOKABLE fw::MenuItem* WindowShowInfo() const;
    Q_INVOKABLE fw::MenuItem* EditMenu() const;
    Q_INVOKABLE fw::MenuItem* EditClear() const;
    Q_INVOKABLE fw::MenuItem* EditPaste() const;
    Q_INVOKABLE fw::MenuItem* EditCopy() const;
    Q_INVOKABLE fw::MenuItem* EditCut() const;
    Q_INVOKABLE fw::MenuItem* UntitledMenu0() const;
    Q_INVOKABLE fw::MenuItem* EditUndo() const;
    Q_INVOKABLE fw::MenuItem* FileMenu() const;
    Q_INVOKABLE fw::QuitMenuItem* FileQuit() const;
    Q_INVOKABLE fw::MenuItem* FileClose() const;
    // Names no item of the bar: nil.
    Q_INVOKABLE fw::MenuItem* UntitledMenu1() const;

    // --- menus and window events ---
    Q_INVOKABLE void AddMenuHandlers(fw::Window* window);
    Q_INVOKABLE void Event_EnableMenuItems();
    Q_INVOKABLE void Event_Close();
    Q_INVOKABLE void Event_Open();
    Q_INVOKABLE bool _FileClose_Action();

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

// Registers the class description under "Info.Info", the name the accessor asks for,
// with the window's controls as its control accessors.
void registerInfoClass();
