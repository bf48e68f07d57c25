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

const LabelWidget::LineBoxes& LabelWidget::lineBoxes(bool withInk) const
{
    const QString shown = text();
    const QFont shownFont = font();
    // Fonts that ask for the same face, size and style measure the same.
    if (shown != measuredText_ || shownFont != measuredFont_ || !haveLineHeight_) {
        measuredText_ = shown;
        measuredFont_ = shownFont;
        boxes_ = LineBoxes();
        haveInk_ = false;
        const LaidOutLine laidOut(shown, shownFont);
        boxes_.lineHeight = laidOut.line.isValid() ? laidOut.line.height() : 0;
        haveLineHeight_ = true;
    }
    if (withInk && !haveInk_) {
        const LaidOutLine laidOut(shown, shownFont);
        // Glyph by glyph, each in its own font (fallback glyphs count too), by its
        // outline: the metrics' box is rounded outwards and would shift the ink a pixel.
        if (laidOut.line.isValid()) {
            for (const QGlyphRun& run : laidOut.layout.glyphRuns()) {
                const QRawFont raw = run.rawFont();
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
                    boxes_.ink |= raw.pathForGlyph(glyphs[i]).boundingRect().translated(positions[i]);
            }
        }
        haveInk_ = true;
        ++inkMeasured_;
    }
    return boxes_;
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
    const LineBoxes& boxes = lineBoxes(true);
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
