#pragma once

// The random user's mouse gestures. Any event may run a handler that closes a window,
// or open a modal loop in which further actions run, so the widget is held through a
// QPointer and never touched once it is gone (QTest's own mouseClick releases on the
// widget that it pressed, whatever the press did to it).

#include <QApplication>
#include <QPoint>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <initializer_list>

namespace gestures {

// Presses the button at `from`, moves the mouse through `moves` and lets go at the last
// point. When the widget goes away on the way, the button comes up at that place of the
// screen over whatever is there now, as a user's button comes up somewhere.
inline void press(QWidget* widget, Qt::MouseButton button, QPoint from, std::initializer_list<QPoint> moves = {})
{
    const QPointer<QWidget> target(widget);
    QPoint at = from;
    const auto send = [&](QTest::MouseAction action, Qt::MouseButton which, QPoint point) {
        at = point;
        if (!target)
            return false;
        QTest::mouseEvent(action, target.data(), which, Qt::NoModifier, point);
        return true;
    };
    const QPoint global = widget->mapToGlobal(QPoint());
    bool held = send(QTest::MousePress, button, from);
    for (const QPoint move : moves)
        held = held && send(QTest::MouseMove, Qt::NoButton, move);
    if (held && send(QTest::MouseRelease, button, at))
        return;
    if (QWidget* now = QApplication::widgetAt(global + at))
        QTest::mouseRelease(now, button, Qt::NoModifier, now->mapFromGlobal(global + at));
}

} // namespace gestures
