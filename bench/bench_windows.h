#pragma once

#include <memory>

namespace bench {

enum class Side { Oruvel, Floor };

const char* sideName(Side side);

// One side's main window while a benchmark uses it: the same two operations on both.
class BenchWindow {
public:
    virtual ~BenchWindow() = default;
    // Selects a trigram row (0 to 8) in the trigram list, as a click on it does.
    virtual void selectRow(int row) = 0;
    // Turns the lower panel to a page (0 Properties, 1 Elements, 2 Directions).
    virtual void showInfoPage(int page) = 0;
};

// The program's own start work before its main window (class registration, the
// application object); the floor has none. Once per process.
void startProgram(Side side);
// Opens the side's main window and returns once its first frame has been painted.
std::unique_ptr<BenchWindow> openWindow(Side side);
// Delivers what is pending, the repaint included.
void settle();

} // namespace bench
