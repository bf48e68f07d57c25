#pragma once

#include "control.h"

#include <QPointer>
#include <QToolButton>


namespace fw {

// Two small arrow buttons, up above down, that step a value.
class LittleArrows : public RectControl {
    Q_OBJECT

public:
    LittleArrows();
    ~LittleArrows() override;

    Event<void()> Up{this, "Up"};
    Event<void()> Down{this, "Down"};

    // The two buttons, for tests and for the look.
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

private:
    QPointer<QToolButton> up_;
    QPointer<QToolButton> down_;
};

} // namespace fw
