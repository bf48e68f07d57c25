#pragma once

#include <QPalette>
#include <QScrollBar>

class QAbstractScrollArea;

namespace fw {

// One palette for all palettes of the same colours, among the last few asked for.
// Qt's styles cache what they draw under a palette's identity, and every widget given a
// palette of its own (a field's colours) gets an identity of its own, which it passes
// on to the widgets inside it: what was drawn for a field that has gone would never be
// found again, and a window opened again would fill the cache anew each time.
const QPalette& sharedPalette(const QPalette& palette);

// A scroll bar that draws with the shared palette of its colours.
class SharedPaletteScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit SharedPaletteScrollBar(Qt::Orientation orientation) : QScrollBar(orientation) {}

protected:
    void initStyleOption(QStyleOptionSlider* option) const override;
};

// Gives the area scroll bars that draw with shared palettes.
void shareScrollBarPalettes(QAbstractScrollArea* area);

} // namespace fw
