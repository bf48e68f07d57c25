#include "control.h"

#include "canvas.h"
#include "edit_field.h"
#include "listbox.h"
#include "little_arrows.h"
#include "popup_menu.h"
#include "push_button.h"
#include "rectangle.h"
#include "separator.h"
#include "static_text.h"
#include "tab_panel.h"

#include <string>

namespace fw {

RectControl* newControl(ControlClass controlClass)
{
    switch (controlClass) {
    case ControlClass::TabPanel:
        return new TabPanel;
    case ControlClass::PopupMenu:
        return new PopupMenu;
    case ControlClass::LittleArrows:
        return new LittleArrows;
    case ControlClass::StaticText:
        return new StaticText;
    case ControlClass::Listbox:
        return new Listbox;
    case ControlClass::PushButton:
        return new PushButton;
    case ControlClass::EditField:
        return new EditField;
    case ControlClass::Separator:
        return new Separator;
    case ControlClass::Rectangle:
        return new Rectangle;
    case ControlClass::Canvas:
        return new Canvas;
    }
    throw OutOfBoundsException("no control class numbered " + std::to_string(int(controlClass)));
}

} // namespace fw
