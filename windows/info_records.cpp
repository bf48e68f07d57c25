#include "info_records.h"

namespace info {

namespace {

using namespace records;

// The heading line, then the yin and yang of each pair.
constexpr const char* kYinYangRows =
    "Yin\tYang\r"
    "Female\tMale\r"
    "Daughter\tSon\r"
    "Passive\tActive\r"
    "Night\tDay\r"
    "Earth\tHeaven\r"
    "Moon\tSun\r"
    "Cold\tHot\r"
    "Old\tNew\r"
    "Sour\tSweet\r"
    "Still\tMoving\r"
    "Soft\tHard\r"
    "Winter\tSummer";

constexpr const char* kExplanation =
    "The trigrams are made up of three lines. The broken line represents yin, and the solid line "
    "represents yang. The trigrams are used in the various branches of Chinese metaphysics. They can "
    "be used to represent a wide variety of qualities, conditions and frankly, just about anything."
    "\r\r"
    "Yin and yang are all about balance!";

// The three bars of the yin and yang symbols are solid black.
RectangleLook blackBar()
{
    const QColor black = fw::color(0x000000);
    return {.fillColor = black, .borderWidth = 1, .topLeftColor = black, .bottomRightColor = black};
}

std::vector<ControlLayout> buildControlLayouts()
{
    // Place: name, left, top, width, height, TabIndex.
    return {
        staticText({"StaticText3", 19, 14, 67, 20, 5}, {.text = "Trigrams", .textAlign = 1, .bold = true}),
        separator({"Separator1", 19, 59, 240, 4, 6}),
        // The yang line, then the two halves of the broken yin line.
        rectangle({"Rectangle4", 142, 70, 48, 8, 2}, blackBar()),
        rectangle({"Rectangle5", 23, 70, 20, 8, 3}, blackBar()),
        rectangle({"Rectangle6", 51, 70, 20, 8, 4}, blackBar()),
        listbox({"ListBox1", 19, 86, 235, 203, 10},
                {.columnCount = 2, .columnWidths = "", .hasHeading = true, .useFocusRing = false,
                 .initialValue = kYinYangRows, .headingIndex = -1, .scrollbarHorizontal = false,
                 .scrollBarVertical = true, .gridLinesHorizontal = 0, .gridLinesVertical = 1,
                 .defaultRowHeight = -1, .scrollWidth = -1, .scrollOffset = 0, .textSize = 11,
                 .autoHideScrollbars = true}),
        editField({"EditField1", 20, 308, 234, 129, 6},
                  {.border = true, .multiline = true, .scrollbarHorizontal = false, .scrollbarVertical = false,
                   .useFocusRing = true, .textColor = fw::color(0x000000), .backColor = fw::color(0xFFFFFF),
                   .textSize = 9, .text = kExplanation, .readOnly = false, .limitText = 0, .alignment = 0}),
    };
}

} // namespace

const QByteArray& windowRecord()
{
    static const QByteArray record = records::window({
        .placement = 2,
        .width = 274,
        .height = 480,
        .minWidth = 250,
        .minHeight = 480,
        .maxWidth = 250,
        .maxHeight = 0,
        .frame = 0,
        .composite = false,
        .hasBackColor = false,
        .backColor = fw::color(0xFFFFFF),
        .title = "Info",
        .visible = true,
        .fullScreen = false,
        .menuBarVisible = true,
        .closeButton = true,
        .resizeable = false,
        .liveResize = false,
        .maximizeButton = true,
        .minimizeButton = true,
        .balloonHelp = "",
        .macProcID = 0,
    });
    return record;
}

const std::vector<ControlLayout>& controlLayouts()
{
    static const std::vector<ControlLayout> layouts = buildControlLayouts();
    return layouts;
}

} // namespace info
