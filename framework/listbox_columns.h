#pragma once

#include <QString>

#include <vector>

namespace fw {

// The widths of `count` columns on `available` pixels from a ColumnWidths text:
// entries separated by commas, each a pixel count ("20"), a percentage of the
// available width ("25%"), or empty or "*" (a share of what is left). Columns without
// an entry, and entries that do not parse, share what is left evenly; the last
// sharing column takes the odd pixels. No width is negative.
std::vector<int> columnWidths(const QString& spec, int count, int available);

} // namespace fw
