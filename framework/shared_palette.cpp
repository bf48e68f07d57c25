#include "shared_palette.h"

#include <QAbstractScrollArea>
#include <QStyleOptionSlider>

#include <algorithm>
#include <deque>

namespace fw {

namespace {

// A handful of colour sets is all a program shows; the oldest goes first.
constexpr std::size_t kPalettesKept = 16;

} // namespace

const QPalette& sharedPalette(const QPalette& palette)
{
    static std::deque<QPalette> kept;
    // Equal colours in every group and role; the identity is the first one's.
    const auto found = std::find(kept.begin(), kept.end(), palette);
    if (found != kept.end())
        return *found;
    if (kept.size() >= kPalettesKept)
        kept.pop_front();
    kept.push_back(palette);
    return kept.back();
}

void SharedPaletteScrollBar::initStyleOption(QStyleOptionSlider* option) const
{
    QScrollBar::initStyleOption(option);
    option->palette = sharedPalette(option->palette);
}

void shareScrollBarPalettes(QAbstractScrollArea* area)
{
    area->setVerticalScrollBar(new SharedPaletteScrollBar(Qt::Vertical));
    area->setHorizontalScrollBar(new SharedPaletteScrollBar(Qt::Horizontal));
}

} // namespace fw
