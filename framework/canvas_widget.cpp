#include "canvas_widget.h"

#include "canvas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace fw {

namespace {

// Assistive technology presents a canvas as the picture it is.
QAccessibleInterface* accessibleCanvas(const QString& className, QObject* object)
{
    if (className == QLatin1String(CanvasWidget::staticMetaObject.className()) && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

CanvasWidget::CanvasWidget(Canvas* owner) : owner_(owner)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleCanvas), true);
    Q_UNUSED(factoryInstalled);
    // Transparent: what lies beneath the canvas shows where nothing is drawn.
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

void CanvasWidget::paintEvent(QPaintEvent* /*event*/)
{
    if (!owner_)
        return;
    QPainter painter(this);
    owner_->paintOn(painter);
}

bool CanvasWidget::focusNextPrevChild(bool next)
{
    if (owner_ && owner_->AcceptTabs() && hasFocus())
        return false;
    return QWidget::focusNextPrevChild(next);
}

// A Tab that the canvas keeps must not travel on to the parent, which would move
// the focus all the same.
void CanvasWidget::keyPressEvent(QKeyEvent* event)
{
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && owner_ && owner_->AcceptTabs()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The focus ring comes and goes with the focus.
void CanvasWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void CanvasWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace fw
