#pragma once

#include <QColor>

#include <cstdint>

namespace fw {

// The one conversion of a Double to an Int32, used wherever a Double is assigned
// to an Int32. Rule: round to the nearest integer, halves away from zero
// (2.5 -> 3, -2.5 -> -3); values beyond the Int32 range, infinities included,
// saturate to INT32_MIN / INT32_MAX; NaN gives 0.
std::int32_t toInt32(double value);

// The smaller of two Doubles. When one argument is NaN the other one is returned,
// so an undefined ratio never wins over a real one.
double Min(double a, double b);

// An opaque colour from its red, green and blue components, each clamped to 0..255.
QColor RGB(int r, int g, int b);

} // namespace fw
