#pragma once

#include <QFont>
#include <QLabel>
#include <QRectF>
#include <QString>

#include <cstddef>
#include <vector>

class QPaintEvent;

namespace fw {

// The widget of a StaticText. A single line whose line box is taller than the label
// would lose its descenders when drawn from the top, so it is placed by its ink
// instead: the glyphs are centred vertically. Lines that fit, and wrapped or
// multi-line text, are drawn as QLabel draws them.
class LabelWidget : public QLabel {
public:
    using QLabel::QLabel;

    // A single line laid out as QPainter lays out text: the height of its line box
    // and its ink, relative to the line's top-left corner.
    struct LineBoxes {
        qreal lineHeight = 0;
        QRectF ink;
    };
    // The boxes of the shown text in the shown font, the ink only when withInk:
    // finding it takes each glyph's outline. Each is measured once per text and font
    // among the last few that the label has shown: a label that takes turns between
    // a few texts (one per record shown) does not lay them out again.
    LineBoxes lineBoxes(bool withInk) const;
    // How many times the ink has been measured.
    int inkMeasuredCount() const { return inkMeasured_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Measured {
        QString text;
        QFont font;
        LineBoxes boxes;
        bool haveInk = false;
    };
    // How many texts and fonts a label keeps measured.
    static constexpr std::size_t kMeasuredKept = 16;

    // The measured texts and fonts, the most recently used last.
    mutable std::vector<Measured> measured_;
    mutable int inkMeasured_ = 0;
};

} // namespace fw
