#include "layout_records.h"

namespace mainwindow {

namespace {

using namespace records;

// The pages of the two tab panels, and the rectangle that holds the north-up compass.
constexpr Page kTrigram{"TabPanel2", 1};
constexpr Page kGua{"TabPanel2", 2};
constexpr Page kProperties{"InfoPanel", 1};
constexpr Page kElements{"InfoPanel", 2};
constexpr Page kDirections{"InfoPanel", 3};
constexpr Page kInRectangle1{"Rectangle1", 3};

constexpr const char* kDays =
    "1\r2\r3\r4\r5\r6\r7\r8\r9\r10\r11\r12\r13\r14\r15\r16\r17\r18\r19\r20\r"
    "21\r22\r23\r24\r25\r26\r27\r28\r29\r30\r31";

constexpr const char* kMonths =
    "January\rFebruary\rMarch\rApril\rMay\rJune\rJuly\rAugust\rSeptember\rOctober\rNovember\rDecember";

// The heading line, then the trigrams 1 to 9; the centre, 5, has no trigram.
constexpr const char* kTrigramRows = "Trigrams\rKan\rKun\rZhen\rXun\r\rQian\rDui\rGen\rLi";

// The Luo Shu square, as seen from the south.
constexpr const char* kLuoShuRows = "4\t9\t2\r3\t5\t7\r8\t1\t6";

constexpr const char* kGuaExplanation =
    "Your personal gua determines your good directions, not locations, in your house, in Ba Zhai "
    "Feng Shui."
    "\r\r"
    "This program only shows the Fu Wei direction, used for rest and tranquility."
    "\r\r"
    "One of the best uses of Feng Shui is as an aid in planning property purchases and house "
    "layout, in such a way as to help you attain your goals. Feng Shui can also aid you with your "
    "current home or business."
    "\r\r"
    "To find out more, click this field to go to the Corvale Feng Shui Consulting website. "
    "Traditional Feng Shui is an ancient Chinese metaphysical science, and it is NOT about "
    "interior decorating or making your house look like a Chinese restaurant!";

std::vector<ControlLayout> buildControlLayouts()
{
    // Place: name, left, top, width, height, TabIndex, page.
    return {
        tabPanel({"TabPanel2", 20, 17, 600, 198, 5}, {.tabDefinition = "Trigram\rGua", .textSize = 0}),
        popupMenu({"trigramNum", 552, 52, 48, 20, 0, kTrigram},
                  {.initialValue = "1\r2\r3\r4\r5\r6\r7\r8\r9", .listIndex = 0}),
        littleArrows({"LittleArrows1", 527, 52, 13, 26, 1, kTrigram}),
        staticText({"StaticText37", 527, 81, 73, 41, 2, kTrigram},
                   {.text = "Gua / Trigram\r(Later heaven ba gua)", .textAlign = 0, .multiline = true,
                    .textSize = 10}),
        listbox({"TriBox", 439, 52, 74, 154, 3, kTrigram},
                {.columnCount = 1, .columnWidths = "74", .hasHeading = true, .initialValue = kTrigramRows,
                 .gridLinesHorizontal = 1, .gridLinesVertical = 1, .defaultRowHeight = 15, .textSize = 0}),
        pushButton({"CalculateGua", 237, 162, 75, 20, 4, kGua},
                   {.caption = "Calculate", .isDefault = true, .cancel = false}),
        staticText({"StaticText38", 58, 162, 30, 20, 5, kGua}, {.text = "Sex", .textAlign = 2}),
        popupMenu({"Sex", 96, 162, 50, 20, 6, kGua},
                  {.initialValue = "M\rF", .listIndex = 0, .helpTag = "Person's sex. M-Male, F-Female"}),
        staticText({"StaticText31", 33, 130, 55, 20, 7, kGua}, {.text = "Birthday", .textAlign = 2}),
        popupMenu({"day", 96, 130, 52, 20, 8, kGua},
                  {.initialValue = kDays, .listIndex = 13, .helpTag = "Day the person was born"}),
        popupMenu({"month", 157, 130, 100, 20, 9, kGua},
                  {.initialValue = kMonths, .listIndex = 5, .helpTag = "Month the person was born"}),
        editField({"birthYear", 267, 129, 45, 22, 10, kGua},
                  {.border = true, .multiline = false, .scrollbarVertical = true, .useFocusRing = false,
                   .backColor = fw::color(0xFFFFFF), .helpTag = "Year the person was born", .textSize = 12,
                   .text = "1968", .readOnly = false, .limitText = 4, .alignment = 3}),
        staticText({"TriTriDisp", 56, 76, 91, 86, 1, kTrigram}, {.textAlign = 0, .textSize = 72, .bold = true}),
        staticText({"TriNameDisp", 165, 105, 141, 28, 1, kTrigram},
                   {.textAlign = 0, .textFont = "AppleMyungjo", .textSize = 24, .bold = true}),
        staticText({"Note", 180, 135, 110, 15, 1, kTrigram}, {.textAlign = 0, .multiline = true, .textSize = 9}),
        editField({"MingGua", 173, 69, 66, 38, 15, kGua},
                  {.border = false, .multiline = false, .scrollbarVertical = false, .useFocusRing = true,
                   .backColor = fw::color(0xE8E8E8), .helpTag = "Personal Gua Number", .textSize = 36,
                   .text = "", .readOnly = false, .limitText = 0, .alignment = 2}),
        editField({"EditField1", 352, 53, 253, 150, 15, kGua},
                  {.border = true, .multiline = true, .scrollbarVertical = true, .useFocusRing = true,
                   .backColor = fw::color(0xFFFFFF), .textSize = 11, .text = kGuaExplanation, .readOnly = true,
                   .limitText = 0, .alignment = 0}),
        tabPanel({"InfoPanel", 20, 218, 600, 242, 4},
                 {.tabDefinition = "Properties\rElements\rDirections", .textSize = 12}),
        staticText({"Animal", 387, 317, 111, 18, 0, kDirections}, {.textAlign = 0, .visible = false}),
        staticText({"StaticText10", 81, 269, 71, 18, 1, kDirections}, {.text = "Direction:", .textAlign = 2}),
        staticText({"Direction", 164, 269, 115, 18, 2, kDirections}, {.textAlign = 0}),
        staticText({"StaticText19", 81, 293, 95, 18, 3, kDirections}, {.text = "Initial Angle:", .textAlign = 2}),
        staticText({"InitialAngle", 184, 293, 45, 18, 4, kDirections}, {.textAlign = 2}),
        staticText({"StaticText21", 81, 317, 95, 18, 5, kDirections}, {.text = "Ending Angle:", .textAlign = 2}),
        staticText({"FinalAngle", 184, 317, 45, 18, 6, kDirections}, {.textAlign = 2}),
        staticText({"StaticText23", 363, 269, 62, 18, 9, kDirections}, {.text = "Group:", .textAlign = 2}),
        staticText({"Group", 435, 269, 145, 18, 10, kDirections}, {.textAlign = 0}),
        staticText({"StaticText24", 325, 317, 100, 18, 11, kDirections},
                   {.text = "Celestial Animal:", .textAlign = 2, .visible = false}),
        staticText({"StaticText6", 45, 280, 68, 15, 12, kElements},
                   {.text = "Element:", .textAlign = 2, .textSize = 14}),
        staticText({"Element", 119, 280, 120, 15, 13, kElements}, {.textAlign = 0, .textSize = 14, .bold = true}),
        staticText({"StaticText14", 69, 317, 68, 15, 14, kElements}, {.text = "Produces:", .textAlign = 2}),
        staticText({"produces", 146, 317, 90, 15, 15, kElements}, {.textAlign = 0}),
        staticText({"StaticText35", 69, 390, 68, 15, 18, kElements}, {.text = "Controls:", .textAlign = 2}),
        staticText({"Controls", 146, 390, 90, 15, 19, kElements}, {.textAlign = 0}),
        staticText({"StaticText36", 69, 344, 68, 15, 20, kElements}, {.text = "Weakens:", .textAlign = 2}),
        staticText({"weakens", 146, 344, 90, 15, 21, kElements}, {.textAlign = 0}),
        staticText({"StaticText5", 28, 262, 100, 15, 22, kProperties}, {.text = "Family Member", .textAlign = 2}),
        staticText({"FamilyMember", 141, 262, 130, 15, 23, kProperties}, {.textAlign = 0}),
        staticText({"StaticText7", 28, 364, 100, 15, 24, kProperties}, {.text = "Color", .textAlign = 2}),
        staticText({"trigramColor", 141, 364, 130, 33, 25, kProperties}, {.textAlign = 0, .multiline = true}),
        staticText({"StaticText8", 28, 343, 100, 15, 26, kProperties}, {.text = "Form", .textAlign = 2}),
        staticText({"Form", 141, 343, 130, 15, 27, kProperties}, {.textAlign = 0}),
        staticText({"StaticText16", 28, 283, 100, 15, 28, kProperties}, {.text = "Polarity", .textAlign = 2}),
        staticText({"Polarity", 141, 283, 130, 15, 29, kProperties}, {.textAlign = 0}),
        staticText({"StaticText18", 263, 343, 80, 18, 30, kProperties},
                   {.text = "Senses", .textAlign = 2, .visible = false}),
        staticText({"Senses", 355, 343, 145, 18, 31, kProperties}, {.textAlign = 0, .visible = false}),
        separator({"Separator3", 39, 327, 210, 4, 32, kProperties}),
        staticText({"StaticText12", 28, 417, 100, 18, 33, kProperties}, {.text = "Season", .textAlign = 2}),
        staticText({"Season", 141, 417, 130, 18, 34, kProperties}, {.textAlign = 0}),
        staticText({"StaticText11", 28, 438, 100, 18, 35, kProperties}, {.text = "Time of Day", .textAlign = 2}),
        staticText({"TimeOfDay", 141, 438, 130, 18, 36, kProperties}, {.textAlign = 0}),
        // Its caption is the localized text that code sets before the record is applied.
        staticText({"StaticText22", 28, 304, 100, 15, 37, kProperties}, {.text = kNoText, .textAlign = 2}),
        staticText({"Nature", 141, 304, 130, 15, 38, kProperties}, {.textAlign = 0}),
        separator({"Separator1", 39, 400, 210, 4, 39, kProperties}),
        rectangle({"Rectangle1", 186, 362, 61, 61, std::nullopt, kDirections},
                  {.fillColor = fw::color(0xFFFFFF), .borderWidth = 1, .topLeftColor = fw::color(0x7E7E7E),
                   .bottomRightColor = fw::color(0x797979)}),
        canvas({"Canvas2", 186, 362, 61, 61, 0, kInRectangle1}),
        staticText({"StaticText1", 380, 344, 18, 18, 41, kDirections}, {.text = "S", .textAlign = 1, .textSize = 11}),
        staticText({"StaticText2", 380, 424, 18, 18, 42, kDirections},
                   {.text = "N", .textAlign = 1, .textSize = 11, .bold = true}),
        staticText({"StaticText3", 341, 382, 14, 18, 43, kDirections}, {.text = "E", .textAlign = 1, .textSize = 11}),
        staticText({"StaticText4", 420, 383, 18, 18, 44, kDirections}, {.text = "W", .textAlign = 1, .textSize = 11}),
        listbox({"baguaBox", 359, 362, 60, 60, 45, kDirections},
                {.columnCount = 3, .columnWidths = "20,20,20", .hasHeading = false, .initialValue = kLuoShuRows,
                 .gridLinesHorizontal = 3, .gridLinesVertical = 3, .defaultRowHeight = 20, .textSize = 11}),
        staticText({"StaticText25", 206, 344, 18, 18, 46, kDirections},
                   {.text = "N", .textAlign = 1, .textSize = 11, .bold = true}),
        staticText({"StaticText26", 206, 424, 18, 18, 47, kDirections}, {.text = "S", .textAlign = 1, .textSize = 11}),
        staticText({"StaticText27", 167, 383, 18, 18, 48, kDirections}, {.text = "W", .textAlign = 1, .textSize = 11}),
        staticText({"StaticText28", 251, 383, 14, 18, 49, kDirections}, {.text = "E", .textAlign = 1, .textSize = 11}),
        staticText({"StaticText29", 341, 444, 100, 16, 50, kDirections},
                   {.text = "Luo Shu", .textAlign = 1, .textSize = 9}),
        staticText({"StaticText30", 167, 444, 100, 16, 51, kDirections},
                   {.text = "Western Compass", .textAlign = 1, .textSize = 9}),
        canvas({"canvas1", 358, 361, 61, 61, 52, kDirections}),
        staticText({"StaticText17", 263, 364, 80, 18, 53, kProperties}, {.text = "Body", .textAlign = 2}),
        staticText({"PartsOfBody", 355, 364, 159, 18, 54, kProperties}, {.textAlign = 0, .multiline = true}),
        canvas({"CycleCanvas", 312, 257, 200, 200, 55, kElements}, {.autoDeactivate = true, .useFocusRing = true}),
    };
}

} // namespace

const QByteArray& windowRecord()
{
    static const QByteArray record = records::window({
        .placement = 0,
        .width = 640,
        .height = 480,
        .minWidth = 64,
        .minHeight = 64,
        .maxWidth = 32000,
        .maxHeight = 32000,
        .frame = 0,
        .composite = true,
        .hasBackColor = false,
        // White although unused as a background: the cycle pictures read it.
        .backColor = fw::color(0xFFFFFF),
        .title = "Oruvel",
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

} // namespace mainwindow
