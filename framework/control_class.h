#pragma once

namespace fw {

// The ten control classes that windows create from their layout tables.
enum class ControlClass {
    TabPanel,
    PopupMenu,
    LittleArrows,
    StaticText,
    Listbox,
    PushButton,
    EditField,
    Separator,
    Rectangle,
    Canvas,
};

// The name under which the framework registers the class.
constexpr const char* controlClassName(ControlClass controlClass)
{
    switch (controlClass) {
    case ControlClass::TabPanel:
        return "TabPanel";
    case ControlClass::PopupMenu:
        return "PopupMenu";
    case ControlClass::LittleArrows:
        return "LittleArrows";
    case ControlClass::StaticText:
        return "StaticText";
    case ControlClass::Listbox:
        return "Listbox";
    case ControlClass::PushButton:
        return "PushButton";
    case ControlClass::EditField:
        return "EditField";
    case ControlClass::Separator:
        return "Separator";
    case ControlClass::Rectangle:
        return "Rectangle";
    case ControlClass::Canvas:
        return "Canvas";
    }
    return "";
}

} // namespace fw
