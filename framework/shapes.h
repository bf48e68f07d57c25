#pragma once

#include <QColor>

#include <memory>
#include <vector>

class QPainter;

namespace fw {

// A vector drawing object. Its own origin is where the painter's origin stands when
// it is drawn; X and Y move it from there. Border and Fill are percent opacities.
class Object2D {
public:
    Object2D() = default;
    Object2D(const Object2D&) = delete;
    Object2D& operator=(const Object2D&) = delete;
    virtual ~Object2D() = default;

    double X() const { return x_; }
    void setX(double x) { x_ = x; }
    double Y() const { return y_; }
    void setY(double y) { y_ = y; }
    double BorderWidth() const { return borderWidth_; }
    void setBorderWidth(double width) { borderWidth_ = width; }
    double Border() const { return border_; }
    void setBorder(double percent) { border_ = percent; }
    double Fill() const { return fill_; }
    void setFill(double percent) { fill_ = percent; }
    QColor BorderColor() const { return borderColor_; }
    void setBorderColor(const QColor& color) { borderColor_ = color; }
    QColor FillColor() const { return fillColor_; }
    void setFillColor(const QColor& color) { fillColor_ = color; }

    // Draws the object relative to the painter's current origin; leaves the
    // painter's state as it found it.
    virtual void draw(QPainter& painter) const = 0;

    // Whether drawing this object would draw `object` (itself, or inside a group).
    virtual bool contains(const Object2D* object) const { return object == this; }

protected:
    // The fill and border colours with their percent opacities applied.
    QColor effectiveFill() const;
    QColor effectiveBorder() const;

private:
    double x_ = 0;
    double y_ = 0;
    double borderWidth_ = 1;
    double border_ = 100;
    double fill_ = 100;
    QColor borderColor_ = Qt::black;
    QColor fillColor_ = Qt::black;
};

// A pie sector centred on its origin: Width by Height, from StartAngle sweeping
// ArcAngle, both in radians, clockwise on screen from the positive x axis.
class ArcShape : public Object2D {
public:
    double StartAngle() const { return startAngle_; }
    void setStartAngle(double radians) { startAngle_ = radians; }
    double ArcAngle() const { return arcAngle_; }
    void setArcAngle(double radians) { arcAngle_ = radians; }
    double Width() const { return width_; }
    void setWidth(double width) { width_ = width; }
    double Height() const { return height_; }
    void setHeight(double height) { height_ = height; }

    void draw(QPainter& painter) const override;

private:
    double startAngle_ = 0;
    double arcAngle_ = 1.5707963267948966; // a quarter turn
    // Sized to sit inside a 61 by 61 compass with a few pixels to spare.
    double width_ = 54;
    double height_ = 54;
};

// Objects drawn together, in order, moved by the group's X and Y.
class Group2D : public Object2D {
public:
    // A nil object raises NilObjectException; an object that holds this group (or
    // is it) raises RuntimeException, since drawing it would never end.
    void Append(std::shared_ptr<Object2D> object);
    int Count() const { return static_cast<int>(items_.size()); }
    // OutOfBoundsException outside 0 .. Count - 1.
    std::shared_ptr<Object2D> Item(int index) const;

    void draw(QPainter& painter) const override;
    bool contains(const Object2D* object) const override;

private:
    std::vector<std::shared_ptr<Object2D>> items_;
};

} // namespace fw
