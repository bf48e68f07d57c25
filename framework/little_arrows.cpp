#include "little_arrows.h"

#include "styled_paint.h"

#include <QResizeEvent>
#include <QToolButton>
#include <QWidget>

namespace fw {

namespace {

// Splits its rectangle between the two buttons: the upper half, the lower half.
class ArrowPair : public QWidget {
public:
    ArrowPair() : up(makeButton(Qt::UpArrow)), down(makeButton(Qt::DownArrow)) {}

    QToolButton* const up;
    QToolButton* const down;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        const int upper = event->size().height() / 2;
        up->setGeometry(0, 0, event->size().width(), upper);
        down->setGeometry(0, upper, event->size().width(), event->size().height() - upper);
    }

private:
    QToolButton* makeButton(Qt::ArrowType arrow)
    {
        auto* button = new ToolButtonWidget(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }
};

} // namespace

LittleArrows::LittleArrows() : RectControl(new ArrowPair)
{
    auto* pair = static_cast<ArrowPair*>(widget());
    up_ = pair->up;
    down_ = pair->down;
    watch(up_);
    watch(down_);
    connect(up_, &QToolButton::clicked, this, [this] { guardedCall([this] { Up(); }); });
    connect(down_, &QToolButton::clicked, this, [this] { guardedCall([this] { Down(); }); });
}

LittleArrows::~LittleArrows() = default;

} // namespace fw
