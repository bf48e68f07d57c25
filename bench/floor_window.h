#pragma once

#include "launch.h"

#include <QMainWindow>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace bench {

class CompassView;

// The floor: the main window's 640 x 480 picture as a bare Qt Widgets program would
// build it, with no framework layer and nothing of the program's code: plain widgets
// at the same places, in the same stacking order, with the same fonts and texts, and
// the same menu bar.
class FloorWindow : public QMainWindow {
public:
    FloorWindow();

    // Selects a trigram row (0 to 8) in the list; the display follows it.
    void selectRow(int row);
    // Turns the lower panel to a page (0 Properties, 1 Elements, 2 Directions).
    void showInfoPage(int page);

private:
    void buildMenuBar();
    void buildControls();
    void showTrigram(int row);
    void showPages();

    QTabWidget* upperTabs_ = nullptr;
    QTabWidget* lowerTabs_ = nullptr;
    QTableWidget* list_ = nullptr;
    QComboBox* number_ = nullptr;
    QLineEdit* gua_ = nullptr;
    CompassView* luoShu_ = nullptr;
    CompassView* western_ = nullptr;
    // The texts that follow the trigram, in the order of the display's fields.
    std::vector<QLabel*> fields_;
    QLabel* note_ = nullptr;
    QLabel* colour_ = nullptr;
    QLabel* initialAngle_ = nullptr;
    QLabel* finalAngle_ = nullptr;
    // Per page of each panel, the widgets shown only on it (upper: 0..1, lower: 0..2).
    std::vector<QWidget*> upperPages_[2];
    std::vector<QWidget*> lowerPages_[3];
};

// A new floor window, shown.
std::unique_ptr<BenchWindow> openFloorWindow();

} // namespace bench
