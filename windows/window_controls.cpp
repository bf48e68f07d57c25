#include "window_controls.h"

#include "framework/control.h"
#include "framework/exceptions.h"
#include "framework/record.h"
#include "framework/window.h"

#include <memory>

namespace windowcontrols {

void addControl(fw::Window& window, const mainwindow::ControlLayout& layout)
{
    std::unique_ptr<fw::RectControl> created(fw::newControl(layout.controlClass));
    window._AddControl(QString::fromLatin1(layout.name), fw::nonNil(created.get(), layout.name));
    created.release(); // the window owns it now
}

void applyRecord(fw::Window& window, const mainwindow::ControlLayout& layout)
{
    fw::_SetProperties(window.control<fw::RectControl>(QString::fromLatin1(layout.name)), layout.record);
}

void createAll(fw::Window& window, const std::vector<mainwindow::ControlLayout>& layouts)
{
    for (const mainwindow::ControlLayout& layout : layouts) {
        addControl(window, layout);
        applyRecord(window, layout);
    }
}

} // namespace windowcontrols
