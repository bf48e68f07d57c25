#include "about_records.h"

#include "app/shell/web_addresses.h"

namespace aboutbox {

namespace {

using namespace records;

// Authorship, two empty lines, then the reservation of rights.
constexpr const char* kNotice = "© 2004–2026 Marin Ostrava\r\r\rFellmark Software. All rights reserved.";

std::vector<ControlLayout> buildControlLayouts()
{
    // Place: name, left, top, width, height, TabIndex. Every label is centred.
    return {
        staticText({"StaticText1", 33, 101, 230, 20, 0}, {.text = "Oruvel", .textAlign = 1, .bold = true}),
        // The design text; the window puts the application's version here when it opens.
        staticText({"versionDisp", 33, 120, 230, 20, 1}, {.text = "2.0b", .textAlign = 1, .textSize = 11}),
        staticText({"StaticText3", 31, 145, 236, 72, 2},
                   {.text = kNotice, .textAlign = 1, .multiline = true, .textSize = 9}),
        staticText({"daURL", 60, 217, 179, 20, 3},
                   {.text = WebAddresses::kMakerSite, .textAlign = 1, .textColor = fw::color(0x0000FF),
                    .helpTag = "URL of Fellmark Software", .autoDeactivate = false, .textSize = 10,
                    .underline = true}),
        canvas({"Canvas1", 116, 29, 64, 63, 4}, {.autoDeactivate = true, .useFocusRing = true}),
        staticText({"daURL1", 60, 261, 179, 20, 5},
                   {.text = WebAddresses::kConsultancySite, .textAlign = 1, .textColor = fw::color(0x0000FF),
                    .helpTag = "URL of Corvale Feng Shui Consultants", .autoDeactivate = false, .textSize = 10,
                    .underline = true}),
        staticText({"StaticText4", 31, 244, 236, 20, 6},
                   {.text = "Thanks to Corvale Feng Shui Consultants.", .textAlign = 1, .multiline = true,
                    .textSize = 9}),
    };
}

} // namespace

const QByteArray& windowRecord()
{
    static const QByteArray record = records::window({
        .placement = 0,
        .width = 301,
        .height = 323,
        .minWidth = 284,
        .minHeight = 231,
        .maxWidth = 284,
        .maxHeight = 231,
        .frame = 4,
        .composite = true,
        .hasBackColor = false,
        .backColor = fw::color(0xFFFFFF),
        .title = "About Oruvel",
        .visible = true,
        .fullScreen = false,
        .menuBarVisible = true,
        .closeButton = true,
        .resizeable = false,
        .liveResize = false,
        .maximizeButton = false,
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

} // namespace aboutbox
