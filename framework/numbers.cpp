#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fw {

std::int32_t toInt32(double value)
{
    using Limits = std::numeric_limits<std::int32_t>;
    if (std::isnan(value))
        return 0;
    // Compare before converting: casting an out-of-range double is undefined.
    // The bounds are the first values whose rounding leaves the range.
    if (value >= 2147483647.5)
        return Limits::max();
    if (value <= -2147483648.5)
        return Limits::min();
    return static_cast<std::int32_t>(std::round(value));
}

double Min(double a, double b)
{
    if (std::isnan(a))
        return b;
    if (std::isnan(b))
        return a;
    return b < a ? b : a;
}

QColor RGB(int r, int g, int b)
{
    return QColor(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

} // namespace fw
