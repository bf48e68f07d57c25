#pragma once

#include <QLabel>

class QPaintEvent;

namespace fw {

// The widget of a StaticText. A single line whose line box is taller than the label
// would lose its descenders when drawn from the top, so it is placed by its ink
// instead: the glyphs are centred vertically. Lines that fit, and wrapped or
// multi-line text, are drawn as QLabel draws them.
class LabelWidget : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace fw
