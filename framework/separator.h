#pragma once

#include "control.h"

namespace fw {

// A horizontal line across its rectangle.
class Separator : public RectControl {
    Q_OBJECT

public:
    Separator();
    ~Separator() override;
};

} // namespace fw
