#include "rectangle.h"

#include <QPainter>
#include <QPaintEvent>
#include <QWidget>

#include <algorithm>

namespace fw {

namespace {

// Paints the fill and the bevelled border that its control gives it.
class RectangleView : public QWidget {
public:
    QColor fill{Qt::white};
    int border = 1;
    QColor topLeft{Qt::black};
    QColor bottomRight{Qt::black};

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), fill);
        const int edges = std::min({border, width() / 2, height() / 2});
        for (int i = 0; i < edges; ++i) {
            const int right = width() - 1 - i;
            const int bottom = height() - 1 - i;
            painter.fillRect(QRect(QPoint(i, i), QPoint(right, i)), topLeft);
            painter.fillRect(QRect(QPoint(i, i), QPoint(i, bottom)), topLeft);
            painter.fillRect(QRect(QPoint(i + 1, bottom), QPoint(right, bottom)), bottomRight);
            painter.fillRect(QRect(QPoint(right, i + 1), QPoint(right, bottom)), bottomRight);
        }
    }
};

} // namespace

Rectangle::Rectangle() : RectControl(new RectangleView)
{
    repaint();
}

Rectangle::~Rectangle() = default;

void Rectangle::setFillColor(const QColor& color)
{
    fillColor_ = color;
    repaint();
}

void Rectangle::setBorderWidth(int width)
{
    borderWidth_ = width;
    repaint();
}

void Rectangle::setTopLeftColor(const QColor& color)
{
    topLeftColor_ = color;
    repaint();
}

void Rectangle::setBottomRightColor(const QColor& color)
{
    bottomRightColor_ = color;
    repaint();
}

void Rectangle::repaint()
{
    auto* view = static_cast<RectangleView*>(widget());
    if (!view)
        return;
    view->fill = fillColor_;
    view->border = borderWidth_;
    view->topLeft = topLeftColor_;
    view->bottomRight = bottomRightColor_;
    view->update();
}

} // namespace fw
