#include "info_placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace infoplacement {

namespace {

std::int64_t rightOfMainWindow(int mainLeft, int mainWidth)
{
    return std::int64_t{mainLeft} + mainWidth + kGap;
}

} // namespace

double middleBesideMainWindow(int mainLeft, int mainWidth, int infoWidth)
{
    const std::int64_t right = rightOfMainWindow(mainLeft, mainWidth) + infoWidth;
    return static_cast<double>(right) - static_cast<double>(infoWidth) / 2.0;
}

std::optional<QPoint> besideMainWindow(int mainLeft, int mainTop, int mainWidth, int infoWidth,
                                       double firstScreenWidth)
{
    // NaN compares false, so a screen of unknown width moves nothing.
    if (!(middleBesideMainWindow(mainLeft, mainWidth, infoWidth) < firstScreenWidth))
        return std::nullopt;
    const std::int64_t left = std::clamp<std::int64_t>(rightOfMainWindow(mainLeft, mainWidth),
                                                       std::numeric_limits<int>::min(),
                                                       std::numeric_limits<int>::max());
    return QPoint(static_cast<int>(left), mainTop);
}

} // namespace infoplacement
