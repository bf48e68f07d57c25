#include "help_records.h"

namespace help {

namespace {

using namespace records;

// Seventeen lines; the line before the contact line holds one space.
constexpr const char* kHelpText =
    "Oruvel\r"
    "\r"
    "How to use\r"
    "\r"
    "Gua Tab\r"
    "\r"
    "The program will calculates a person's gua number based on the sex and birthdate displayed. The "
    "gua is always calculated based on the Chinese solar calendar, not the lunar calendar used to "
    "celebrate Chinese New Year.\r"
    "\r"
    "Trigram List\r"
    "\r"
    "Click the trigram to display or choose the number from the popup or use the up and down arrows "
    "to change the number. The numbers for the gua are taken from the later heaven ba gua.\r"
    " \r"
    "Send comments and suggestions to support@fellmark.example.\r"
    "\r"
    "\r"
    "\r"
    "Fellmark Software and the author of Oruvel accept no responsibility for the use or misuse of "
    "this program and give no warranty that the data it presents is correct.";

std::vector<ControlLayout> buildControlLayouts()
{
    // Locked to all four edges, the field follows the window's size: the window's one
    // resizable control, and its one styled field.
    return {
        editField({.name = "EditField1", .left = 1, .top = 1, .width = 298, .height = 255, .tabIndex = 0,
                   .lockedToAllEdges = true},
                  {.border = true, .multiline = true, .scrollbarHorizontal = false, .scrollbarVertical = true,
                   .styled = true, .password = false, .useFocusRing = false, .textColor = fw::color(0x000000),
                   .backColor = fw::color(0xFFFFFF), .textSize = 11, .text = kHelpText, .readOnly = true,
                   .limitText = 0, .acceptTabs = false, .alignment = 0}),
    };
}

} // namespace

const QByteArray& windowRecord()
{
    static const QByteArray record = records::window({
        .placement = 0,
        .width = 300,
        .height = 300,
        .minWidth = 64,
        .minHeight = 64,
        .maxWidth = 32000,
        .maxHeight = 32000,
        .frame = 0,
        .composite = false,
        .hasBackColor = false,
        .backColor = fw::color(0xFFFFFF),
        .title = "Help",
        .visible = true,
        .fullScreen = false,
        .menuBarVisible = true,
        .closeButton = true,
        .resizeable = true,
        .liveResize = true,
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

} // namespace help
