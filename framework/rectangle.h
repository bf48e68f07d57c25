#pragma once

#include "control.h"

#include <QColor>

namespace fw {

// A filled rectangle with a bevelled border: the top and left edges in one colour,
// the bottom and right edges in another.
class Rectangle : public RectControl {
    Q_OBJECT
    Q_PROPERTY(QColor FillColor READ FillColor WRITE setFillColor)
    // Pixels; 0 (or less) draws no border.
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(QColor TopLeftColor READ TopLeftColor WRITE setTopLeftColor)
    Q_PROPERTY(QColor BottomRightColor READ BottomRightColor WRITE setBottomRightColor)

public:
    Rectangle();
    ~Rectangle() override;

    QColor FillColor() const { return fillColor_; }
    void setFillColor(const QColor& color);
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    QColor TopLeftColor() const { return topLeftColor_; }
    void setTopLeftColor(const QColor& color);
    QColor BottomRightColor() const { return bottomRightColor_; }
    void setBottomRightColor(const QColor& color);

private:
    void repaint();

    QColor fillColor_{Qt::white};
    int borderWidth_ = 1;
    QColor topLeftColor_{Qt::black};
    QColor bottomRightColor_{Qt::black};
};

} // namespace fw
