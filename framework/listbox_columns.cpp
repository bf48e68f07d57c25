#include "listbox_columns.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace fw {

namespace {

// A fixed width of one entry, or none for an entry that shares the rest.
std::optional<int> fixedWidth(QString entry, int available)
{
    entry = entry.trimmed();
    bool ok = false;
    if (entry.endsWith(QLatin1Char('%'))) {
        const double percent = entry.chopped(1).trimmed().toDouble(&ok);
        // "nan%" reads as a number too: it would make the width undefined.
        if (!ok || !(percent >= 0))
            return std::nullopt;
        return static_cast<int>(std::min(percent, 100.0) * std::max(available, 0) / 100.0);
    }
    const int pixels = entry.toInt(&ok);
    if (!ok || pixels < 0)
        return std::nullopt;
    return pixels;
}

} // namespace

std::vector<int> columnWidths(const QString& spec, int count, int available)
{
    if (count <= 0)
        return {};
    const QStringList entries = spec.split(QLatin1Char(','));
    std::vector<std::optional<int>> fixed(static_cast<std::size_t>(count));
    std::int64_t used = 0;
    int sharing = 0;
    for (int i = 0; i < count; ++i) {
        if (i < entries.size() && !spec.trimmed().isEmpty())
            fixed[static_cast<std::size_t>(i)] = fixedWidth(entries[i], available);
        if (fixed[static_cast<std::size_t>(i)])
            used += *fixed[static_cast<std::size_t>(i)];
        else
            ++sharing;
    }

    const std::int64_t rest = std::max<std::int64_t>(std::int64_t{available} - used, 0);
    const int share = sharing > 0 ? static_cast<int>(rest / sharing) : 0;
    const int odd = sharing > 0 ? static_cast<int>(rest % sharing) : 0;

    std::vector<int> widths(static_cast<std::size_t>(count));
    int remainingSharers = sharing;
    for (int i = 0; i < count; ++i) {
        const auto& width = fixed[static_cast<std::size_t>(i)];
        if (width) {
            widths[static_cast<std::size_t>(i)] = *width;
        } else {
            --remainingSharers;
            widths[static_cast<std::size_t>(i)] = share + (remainingSharers == 0 ? odd : 0);
        }
    }
    return widths;
}

} // namespace fw
