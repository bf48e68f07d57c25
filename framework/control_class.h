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

} // namespace fw
