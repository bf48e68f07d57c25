#include "styled_paint.h"

#include <QPaintEvent>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace fw {

namespace {

// Larger than any screen: the style's image of such a widget would pass 64 MB.
constexpr int kMaxStyledSide = 4096;
// The style draws a widget's edges within a few pixels of its rectangle.
constexpr int kEdgeMargin = 16;

bool oversized(const QWidget* widget)
{
    return widget->width() > kMaxStyledSide || widget->height() > kMaxStyledSide;
}

} // namespace

QRect styledRect(const QWidget* widget, const QRect& painted)
{
    if (!oversized(widget))
        return widget->rect();
    return widget->rect() & painted.adjusted(-kEdgeMargin, -kEdgeMargin, kEdgeMargin, kEdgeMargin);
}

// Each paint below is Qt's own, with the style's rectangle bounded.

void ButtonWidget::paintEvent(QPaintEvent* event)
{
    if (!oversized(this)) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = styledRect(this, event->rect());
    painter.drawControl(QStyle::CE_PushButton, option);
}

void ComboWidget::paintEvent(QPaintEvent* event)
{
    if (!oversized(this)) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.rect = styledRect(this, event->rect());
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ToolButtonWidget::paintEvent(QPaintEvent* event)
{
    if (!oversized(this)) {
        QToolButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.rect = styledRect(this, event->rect());
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}

} // namespace fw
