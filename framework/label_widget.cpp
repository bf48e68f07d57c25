#include "label_widget.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>

#include <cmath>

namespace fw {

namespace {

// A single line laid out as QPainter lays out text: its line box and its ink, both
// relative to the line's top-left corner.
struct LineBoxes {
    qreal lineHeight = 0;
    QRectF ink;
};

LineBoxes measureLine(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    LineBoxes boxes;
    if (!line.isValid())
        return boxes;
    boxes.lineHeight = line.height();
    // Glyph by glyph, each in its own font (fallback glyphs count too), by its
    // outline: the metrics' box is rounded outwards and would shift the ink a pixel.
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
            boxes.ink |= raw.pathForGlyph(glyphs[i]).boundingRect().translated(positions[i]);
    }
    return boxes;
}

} // namespace

void LabelWidget::paintEvent(QPaintEvent* event)
{
    const QString shown = text();
    const QRect area = contentsRect();
    if (shown.isEmpty() || wordWrap() || shown.contains(QLatin1Char('\n'))) {
        QLabel::paintEvent(event);
        return;
    }
    const LineBoxes boxes = measureLine(shown, font());
    if (boxes.lineHeight <= area.height() || boxes.ink.isEmpty()) {
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
