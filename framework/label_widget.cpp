#include "label_widget.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

// The line that QPainter would lay the text out in.
struct LaidOutLine {
    QTextLayout layout;
    QTextLine line;

    LaidOutLine(const QString& text, const QFont& font) : layout(text, font)
    {
        layout.beginLayout();
        line = layout.createLine();
        layout.endLayout();
    }
};

} // namespace

LabelWidget::LineBoxes LabelWidget::lineBoxes(bool withInk) const
{
    const QString shown = text();
    const QFont shownFont = font();
    // Fonts that ask for the same face, size and style measure the same.
    auto found = std::find_if(measured_.begin(), measured_.end(), [&](const Measured& each) {
        return each.text == shown && each.font == shownFont;
    });
    if (found == measured_.end()) {
        if (measured_.size() >= kMeasuredKept)
            measured_.erase(measured_.begin());
        Measured entry{shown, shownFont, {}, false};
        const LaidOutLine laidOut(shown, shownFont);
        entry.boxes.lineHeight = laidOut.line.isValid() ? laidOut.line.height() : 0;
        measured_.push_back(std::move(entry));
    } else {
        std::rotate(found, found + 1, measured_.end());
    }
    Measured& entry = measured_.back();
    if (withInk && !entry.haveInk) {
        const LaidOutLine laidOut(shown, shownFont);
        // Glyph by glyph, each in its own font (fallback glyphs count too), by its
        // outline: the metrics' box is rounded outwards and would shift the ink a pixel.
        if (laidOut.line.isValid()) {
            for (const QGlyphRun& run : laidOut.layout.glyphRuns()) {
                const QRawFont raw = run.rawFont();
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
                    entry.boxes.ink |= raw.pathForGlyph(glyphs[i]).boundingRect().translated(positions[i]);
            }
        }
        entry.haveInk = true;
        ++inkMeasured_;
    }
    return entry.boxes;
}

void LabelWidget::paintEvent(QPaintEvent* event)
{
    const QString shown = text();
    const QRect area = contentsRect();
    if (shown.isEmpty() || wordWrap() || shown.contains(QLatin1Char('\n'))) {
        QLabel::paintEvent(event);
        return;
    }
    if (lineBoxes(false).lineHeight <= area.height()) {
        QLabel::paintEvent(event);
        return;
    }
    const LineBoxes boxes = lineBoxes(true);
    if (boxes.ink.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    // The line's top such that its ink sits in the middle of the label.
    const qreal inkTop = area.top() + (area.height() - boxes.ink.height()) / 2;
    const int lineTop = int(std::lround(inkTop - boxes.ink.top()));
    const QRect lineRect(area.left(), lineTop, area.width(), int(std::ceil(boxes.lineHeight)));

    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(layoutDirection(), alignment() & Qt::AlignHorizontal_Mask);
    style()->drawItemText(&painter, lineRect, int(horizontal | Qt::AlignTop), option.palette, isEnabled(), shown,
                          foregroundRole());
}

} // namespace fw
