#include "window_widget.h"

#include "accessible_names.h"
#include "events.h"
#include "members.h"
#include "window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>

namespace fw {

WindowWidget::WindowWidget(Window* owner) : owner_(owner)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

// The close box closes the Window through its Close, which hides this widget; the
// Window object and this widget go later, together.
void WindowWidget::closeEvent(QCloseEvent* event)
{
    event->ignore();
    guardedCall([this] { owner_->Close(); });
}

void WindowWidget::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guardedCall([this] { owner_->activated(); });
}

namespace {

// A dark theme draws its window text lighter than its window.
bool isDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::WindowText).lightness() > palette.color(QPalette::Window).lightness();
}

} // namespace

ContentWidget::ContentWidget(Window* owner) : owner_(owner)
{
    followUserPalette();
}

// Under a light palette the content inherits the window's palette untouched; under a
// dark one it takes the style's standard palette, its light one, and paints its own
// background in it, so that black text and the controls' recorded colours stand on the
// window they were chosen for.
void ContentWidget::followUserPalette()
{
    const bool substitute = isDarkPalette(QApplication::palette(this));
    if (substitute)
        setPalette(style()->standardPalette());
    else if (testAttribute(Qt::WA_SetPalette))
        setPalette(QPalette());
    setAutoFillBackground(substitute);
}

void ContentWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A new application palette reaches the content as its window's palette changes;
    // setting the same palette again raises nothing.
    const QEvent::Type type = event->type();
    if (type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange || type == QEvent::StyleChange)
        followUserPalette();
}

void ContentWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    nameForAssistiveTechnology(owner_->controls());
}

void ContentWidget::setBackground(bool painted, const QColor& color)
{
    paintBackground_ = painted;
    background_ = color;
    update();
}

void ContentWidget::setPlainBorder(bool border)
{
    plainBorder_ = border;
    update();
}

void ContentWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (paintBackground_)
        painter.fillRect(rect(), background_);
    if (plainBorder_) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Presses reach this widget when no control took them (Qt passes ignored presses on to
// the parent): they are the window's own.
void ContentWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    mouseCaptured_ = guardedCall([this, at] { return raiseOwnEvent<bool(int, int)>(*owner_, "MouseDown", at.x(), at.y()); });
}

void ContentWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!mouseCaptured_)
        return;
    mouseCaptured_ = false;
    const QPoint at = event->position().toPoint();
    guardedCall([this, at] { raiseOwnEvent<void(int, int)>(*owner_, "MouseUp", at.x(), at.y()); });
}

void ContentWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    guardedCall([this, event] { owner_->contentResized(event->size()); });
}

} // namespace fw
