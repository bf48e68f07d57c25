#include "separator.h"

#include <QFrame>

namespace fw {

namespace {

QFrame* makeLine()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

Separator::Separator() : RectControl(makeLine()) {}

Separator::~Separator() = default;

} // namespace fw
