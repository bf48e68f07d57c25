#pragma once

#include <QPoint>

#include <optional>

namespace infoplacement {

// The gap between the main window's right edge and the Info window.
inline constexpr int kGap = 3;

// The horizontal middle that the Info window would have with its left edge kGap pixels
// right of the main window's right edge (ends in .5 for an odd width).
double middleBesideMainWindow(int mainLeft, int mainWidth, int infoWidth);

// Where the Info window goes beside the main window, tops aligned: only when that
// middle lies left of the first screen's width; otherwise nothing, and the window stays
// where it was placed. Only the middle is tested: not the left edge, the height, nor
// any other screen. Computed in 64 bits, so that no window position can overflow; a
// left edge beyond the Int32 range is held at its end.
std::optional<QPoint> besideMainWindow(int mainLeft, int mainTop, int mainWidth, int infoWidth,
                                       double firstScreenWidth);

} // namespace infoplacement
