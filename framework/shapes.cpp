#include "shapes.h"

#include "exceptions.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace fw {

namespace {

// A percent opacity applied to a colour; NaN counts as fully transparent.
QColor withOpacity(QColor color, double percent)
{
    const double share = std::isnan(percent) ? 0.0 : std::clamp(percent, 0.0, 100.0) / 100.0;
    color.setAlphaF(static_cast<float>(color.alphaF() * share));
    return color;
}

bool finite(double value)
{
    return std::isfinite(value);
}

} // namespace

QColor Object2D::effectiveFill() const
{
    return withOpacity(fillColor_, fill_);
}

QColor Object2D::effectiveBorder() const
{
    return withOpacity(borderColor_, border_);
}

void ArcShape::draw(QPainter& painter) const
{
    if (!finite(width_) || !finite(height_) || width_ <= 0 || height_ <= 0 || !finite(X()) || !finite(Y())
        || !finite(startAngle_) || !finite(arcAngle_) || arcAngle_ == 0)
        return;

    // QPainterPath counts degrees counter-clockwise on screen; ours run clockwise, so
    // both angles change sign. Whole turns are dropped: they change nothing.
    constexpr double degreesPerRadian = 180.0 / std::numbers::pi;
    const double startDegrees = -std::fmod(startAngle_ * degreesPerRadian, 360.0);
    const double sweepDegrees = -std::clamp(arcAngle_ * degreesPerRadian, -360.0, 360.0);

    const QRectF box(X() - width_ / 2.0, Y() - height_ / 2.0, width_, height_);
    QPainterPath sector(box.center());
    sector.arcTo(box, startDegrees, sweepDegrees);
    sector.closeSubpath();

    const QColor fill = effectiveFill();
    const QColor border = effectiveBorder();
    const bool hasBorder = finite(BorderWidth()) && BorderWidth() > 0 && border.alpha() > 0;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(fill.alpha() > 0 ? QBrush(fill) : QBrush(Qt::NoBrush));
    painter.setPen(hasBorder ? QPen(border, BorderWidth(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin)
                             : QPen(Qt::NoPen));
    painter.drawPath(sector);
    painter.restore();
}

void Group2D::Append(std::shared_ptr<Object2D> object)
{
    nonNil(object.get(), "object appended to a Group2D");
    if (object->contains(this))
        throw RuntimeException("a Group2D cannot contain itself");
    items_.push_back(std::move(object));
}

std::shared_ptr<Object2D> Group2D::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw OutOfBoundsException("Group2D item " + std::to_string(index) + " of " + std::to_string(Count()));
    return items_[static_cast<std::size_t>(index)];
}

void Group2D::draw(QPainter& painter) const
{
    if (!finite(X()) || !finite(Y()))
        return;
    painter.save();
    painter.translate(X(), Y());
    for (const auto& item : items_)
        item->draw(painter);
    painter.restore();
}

bool Group2D::contains(const Object2D* object) const
{
    if (object == this)
        return true;
    return std::any_of(items_.begin(), items_.end(), [object](const auto& item) { return item->contains(object); });
}

} // namespace fw
