#pragma once

#include "framework/window.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace fw {
class AppleMenuItem;
class Canvas;
class Graphics;
class Group2D;
class MenuItem;
class Picture;
class QuitMenuItem;
} // namespace fw

struct trigram;

// The main window: the trigram browser and the gua calculator above, the trigram's
// properties, elements and directions below. Its 71 controls are made from their
// property records; handlers find them by name at each use and keep no reference.
class Oruvel : public fw::Window {
    Q_OBJECT

public:
    // The sector drawings of the south-up (Luo Shu) and the north-up compass.
    std::shared_ptr<fw::Group2D> grp;
    std::shared_ptr<fw::Group2D> grp1;

    ~Oruvel() override;

    // --- build ---
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();
    void _CreateControls1();

    // --- control-event handlers ---
    void TabPanel2_Change();
    void trigramNum_Change();
    void LittleArrows1_Up();
    void LittleArrows1_Down();
    bool TriBox_HeaderPressed(int column);
    void TriBox_CellGotFocus(int row, int column);
    bool TriBox_CellBackgroundPaint(fw::Graphics& g, int row, int column);
    bool TriBox_CellClick(int row, int column, int x, int y);
    bool TriBox_KeyDown(QString key);
    void TriBox_Change();
    void CalculateGua_Action();
    void Sex_Change();
    void day_Change();
    void month_Change();
    void birthYear_GotFocus();
    void birthYear_LostFocus();
    void EditField1_MouseUp(int x, int y);
    bool EditField1_MouseDown(int x, int y);
    void StaticText14_MouseEnter();
    void StaticText14_MouseExit();
    void produces_MouseEnter();
    void produces_MouseExit();
    void StaticText35_MouseEnter();
    void StaticText36_MouseEnter();
    void StaticText36_MouseExit();
    void Canvas2_Paint(fw::Graphics& g);
    void canvas1_Paint(fw::Graphics& g);

    // --- items of the window's menu bar, by name ---
    fw::MenuItem* HelpMenu();
    fw::AppleMenuItem* AppleAboutOruvel();
    fw::MenuItem* HelpHelp();
    fw::MenuItem* WindowMenu();
    fw::MenuItem* WindowShowInfo();
    fw::MenuItem* EditMenu();
    fw::MenuItem* EditClear();
    fw::MenuItem* EditPaste();
    fw::MenuItem* EditCopy();
    fw::MenuItem* EditCut();
    fw::MenuItem* UntitledMenu0();
    fw::MenuItem* EditUndo();
    fw::MenuItem* FileMenu();
    fw::QuitMenuItem* FileQuit();
    fw::MenuItem* FileClose();
    fw::MenuItem* UntitledMenu1();

    // --- menus and window events ---
    void AddMenuHandlers(fw::Window* window) override;
    void Event_Activate() override;
    void Event_EnableMenuItems() override;
    void Event_Close() override;
    void Event_Open() override;
    bool _FileClose_Action();

    // --- methods ---
    // Shows the trigram whose number is the selector's ListIndex + 1.
    void GetValues();
    // Bearing in degrees to the sector's start angle in radians, south-up compass.
    double cvtFSAngle(float a);
    // The same for the north-up compass.
    double cvtAngle(float a);
    // The personal gua number, 1 to 9, of a solar year and a sex ("M" or anything else).
    std::int32_t GuaCalc(std::int32_t year, const QString& sex);
    // Reads the Gua page, computes the gua, selects its trigram and shows the number.
    void ProcessGua();
    // Draws the picture centred on a square of the window's BackColor, shrunk to fit.
    void drawNScale(const std::shared_ptr<fw::Picture>& p, fw::Canvas* c);
    // Erases the cycle canvas.
    void ClearCycleCanvas();

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

// Registers the class description under "Oruvel.Oruvel", the name the accessor asks for.
void registerOruvelClass();
