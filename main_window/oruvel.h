#pragma once

#include "framework/canvas.h"
#include "framework/graphics.h"
#include "framework/menus.h"
#include "framework/picture.h"
#include "framework/shapes.h"
#include "framework/window.h"

#include <QString>

#include <cstdint>
#include <memory>

struct trigram;

// The main window: the trigram browser and the gua calculator above, the trigram's
// properties, elements and directions below. Its 71 controls are made from their
// property records; handlers find them by name at each use and keep no reference.
//
// The class description: the operations below are Q_INVOKABLE in their declared order,
// so the framework finds and calls each by name (the control bindings are made from
// them); the event table maps the window's events to them; grp and grp1 are stored
// fields read and written by name; the control accessors are the registered control
// list (registerOruvelClass).
class Oruvel : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:Layout", "Layout")
    Q_CLASSINFO("Event:CreateControls", "CreateControls")
    Q_CLASSINFO("Event:AddMenuHandlers", "AddMenuHandlers")
    Q_CLASSINFO("Event:Open", "Event_Open")
    Q_CLASSINFO("Event:Close", "Event_Close")
    Q_CLASSINFO("Event:EnableMenuItems", "Event_EnableMenuItems")
    Q_CLASSINFO("Event:Activate", "Event_Activate")
    // The sector drawings of the south-up (Luo Shu) and the north-up compass.
    Q_PROPERTY(std::shared_ptr<fw::Group2D> grp MEMBER grp)
    Q_PROPERTY(std::shared_ptr<fw::Group2D> grp1 MEMBER grp1)

public:
    std::shared_ptr<fw::Group2D> grp;
    std::shared_ptr<fw::Group2D> grp1;

    ~Oruvel() override;

    // --- build ---
    Q_INVOKABLE void Layout();
    Q_INVOKABLE void CreateControls();
    Q_INVOKABLE void _CreateControls0();
    Q_INVOKABLE void _CreateControls1();

    // --- control-event handlers ---
    Q_INVOKABLE void TabPanel2_Change();
    Q_INVOKABLE void trigramNum_Change();
    Q_INVOKABLE void LittleArrows1_Up();
    Q_INVOKABLE void LittleArrows1_Down();
    Q_INVOKABLE bool TriBox_HeaderPressed(int column);
    Q_INVOKABLE void TriBox_CellGotFocus(int row, int column);
    Q_INVOKABLE bool TriBox_CellBackgroundPaint(fw::Graphics& g, int row, int column);
    Q_INVOKABLE bool TriBox_CellClick(int row, int column, int x, int y);
    Q_INVOKABLE bool TriBox_KeyDown(QString key);
    Q_INVOKABLE void TriBox_Change();
    Q_INVOKABLE void CalculateGua_Action();
    Q_INVOKABLE void Sex_Change();
    Q_INVOKABLE void day_Change();
    Q_INVOKABLE void month_Change();
    Q_INVOKABLE void birthYear_GotFocus();
    Q_INVOKABLE void birthYear_LostFocus();
    Q_INVOKABLE void EditField1_MouseUp(int x, int y);
    Q_INVOKABLE bool EditField1_MouseDown(int x, int y);
    Q_INVOKABLE void StaticText14_MouseEnter();
    Q_INVOKABLE void StaticText14_MouseExit();
    Q_INVOKABLE void produces_MouseEnter();
    Q_INVOKABLE void produces_MouseExit();
    Q_INVOKABLE void StaticText35_MouseEnter();
    Q_INVOKABLE void StaticText36_MouseEnter();
    Q_INVOKABLE void StaticText36_MouseExit();
    Q_INVOKABLE void Canvas2_Paint(fw::Graphics& g);
    Q_INVOKABLE void canvas1_Paint(fw::Graphics& g);

    // --- items of the window's menu bar, by name ---
    Q_INVOKABLE fw::MenuItem* HelpMenu();
    Q_INVOKABLE fw::AppleMenuItem* AppleAboutOruvel();
    Q_INVOKABLE fw::MenuItem* HelpHelp();
    Q_INVOKABLE fw::MenuItem* WindowMenu();
    Q_INVOKABLE fw::MenuItem* WindowShowInfo();
    Q_INVOKABLE fw::MenuItem* EditMenu();
    Q_INVOKABLE fw::MenuItem* EditClear();
    Q_INVOKABLE fw::MenuItem* EditPaste();
    Q_INVOKABLE fw::MenuItem* EditCopy();
    Q_INVOKABLE fw::MenuItem* EditCut();
    Q_INVOKABLE fw::MenuItem* UntitledMenu0();
    Q_INVOKABLE fw::MenuItem* EditUndo();
    Q_INVOKABLE fw::MenuItem* FileMenu();
    Q_INVOKABLE fw::QuitMenuItem* FileQuit();
    Q_INVOKABLE fw::MenuItem* FileClose();
    Q_INVOKABLE fw::MenuItem* UntitledMenu1();

    // --- menus and window events ---
    Q_INVOKABLE void AddMenuHandlers(fw::Window* window);
    Q_INVOKABLE void Event_Activate();
    Q_INVOKABLE void Event_EnableMenuItems();
    Q_INVOKABLE void Event_Close();
    Q_INVOKABLE void Event_Open();
    Q_INVOKABLE bool _FileClose_Action();

    // --- methods ---
    // Shows the trigram whose number is the selector's ListIndex + 1.
    Q_INVOKABLE void GetValues();
    // Bearing in degrees to the sector's start angle in radians, south-up compass.
    Q_INVOKABLE double cvtFSAngle(float a);
    // The same for the north-up compass.
    Q_INVOKABLE double cvtAngle(float a);
    // The personal gua number, 1 to 9, of a solar year and a sex ("M" or anything else).
    Q_INVOKABLE std::int32_t GuaCalc(std::int32_t year, const QString& sex);
    // Reads the Gua page, computes the gua, selects its trigram and shows the number.
    Q_INVOKABLE void ProcessGua();
    // Draws the picture centred on a square of the window's BackColor, shrunk to fit.
    Q_INVOKABLE void drawNScale(const std::shared_ptr<fw::Picture>& p, fw::Canvas* c);
    // Erases the cycle canvas.
    Q_INVOKABLE void ClearCycleCanvas();

private:
    // Creates the controls first to last - 1 of the layout table, with their bindings.
    void createControls(std::size_t first, std::size_t last);
    void bindEvents(const char* controlName);
    // Rebuilds both compass sectors for the record.
    void rebuildSectors(const trigram& record);
    fw::MenuItem* menuItem(const char* name) const;
};

// The main window: the open one, or a new one built and opened now.
class Oruvel* Oruvel();

// Registers the class description under "Oruvel.Oruvel", the name the accessor asks
// for, with the window's controls as its control accessors.
void registerOruvelClass();
