#pragma once

// Qt's styles draw a button, a pop-up menu or an arrow through an image of the
// widget's whole size, which for a widget far larger than any screen runs to
// gigabytes. Such a widget is drawn only around the part being painted.

#include <QComboBox>
#include <QPushButton>
#include <QRect>
#include <QToolButton>

namespace fw {

// The rectangle to hand the style: the whole widget, or, for one wider or taller than
// a screen can be, the painted part with a margin, so that no false edge shows in it.
QRect styledRect(const QWidget* widget, const QRect& painted);

class ButtonWidget : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class ComboWidget : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class ToolButtonWidget : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace fw
