// Every property record of the program (the four windows' own and their 86 controls'),
// decoded from its bytes and compared entry by entry, in order, with the table below.
#include "support/program_records.h"
#include "support/record_walker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// One line a record, in creation order under the line of its window:
//   window <name> Key=value ...
//   <Class> <Name> <parent>/<page> <Left>,<Top>,<Width>,<Height> <TabIndex> Key=value ...
// A key that a line leaves out takes the value of `defaults <Class>`, else of `defaults control`
// (or `defaults window`); `order` lists each class's keys in record order. Values: integers,
// true/false, colours as six hex digits, "texts" (escapes \r \t \" \\), $name for a long text
// of longTexts(); a place of `-` is the window itself; a value `-` means the record lacks the key.
// A line that begins with blanks goes on with the line above.
constexpr const char* kTable = R"table(
order window  Placement Width Height MinWidth MinHeight MaxWidth MaxHeight Frame Composite HasBackColor
    BackColor Title Visible FullScreen MenuBarVisible CloseButton Resizeable LiveResize MaximizeButton
    MinimizeButton BalloonHelp MacProcID
order TabPanel  Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex
    TabIndex Facing TabDefinition SmallTabs Value Visible HelpTag AutoDeactivate Enabled TextFont TextSize
    Bold Italic Underline InitialParent
order PopupMenu  Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex
    TabIndex Enabled InitialValue ListIndex Visible HelpTag AutoDeactivate TextFont TextSize Bold Italic
    Underline DataSource DataField InitialParent
order LittleArrows  Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex
    TabIndex InitialParent Visible HelpTag AutoDeactivate Enabled
order StaticText  Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex
    TabIndex Text TextAlign TextColor Multiline Enabled Visible HelpTag AutoDeactivate TextFont TextSize
    Bold Italic Underline DataSource DataField InitialParent
order Listbox  Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex
    TabIndex Visible HelpTag AutoDeactivate Enabled ColumnCount ColumnWidths HasHeading UseFocusRing
    InitialValue HeadingIndex ScrollbarHorizontal ScrollBarVertical GridLinesHorizontal GridLinesVertical
    DefaultRowHeight _ScrollWidth _ScrollOffset TextFont TextSize Bold Italic Underline Hierarchical
    EnableDrag EnableDragReorder RequiresSelection SelectionType ColumnsResizable AutoHideScrollbars
    DataSource DataField InitialParent
order PushButton  Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex
    TabIndex Caption Default Cancel Enabled Visible HelpTag AutoDeactivate TextFont TextSize Bold Italic
    Underline InitialParent
order EditField  Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex
    TabIndex Border Multiline ScrollbarHorizontal ScrollbarVertical Styled Password UseFocusRing TextColor
    BackColor Enabled Format Visible HelpTag AutoDeactivate TextFont TextSize Bold Italic Underline Text
    Mask ReadOnly LimitText AcceptTabs Alignment DataSource DataField InitialParent
order Separator  Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex
    TabIndex InitialParent Visible HelpTag AutoDeactivate Enabled
order Rectangle  TabIndex Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom
    TabPanelIndex Visible HelpTag AutoDeactivate Enabled FillColor BorderWidth TopLeftColor
    BottomRightColor InitialParent
order Canvas  Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex
    TabIndex Visible HelpTag AutoDeactivate Enabled UseFocusRing AcceptFocus AcceptTabs EraseBackground
    InitialParent

defaults window  Placement=0 Frame=0 HasBackColor=false BackColor=FFFFFF Visible=true FullScreen=false
    MenuBarVisible=true CloseButton=true MinimizeButton=true BalloonHelp="" MacProcID=0
defaults control  Index=-2147483648 LockLeft=false LockTop=false LockRight=false LockBottom=false
    Enabled=true Visible=true AutoDeactivate=true HelpTag="" TextFont="System" Bold=false Italic=false
    Underline=false TextColor=000000 DataSource="" DataField=""
defaults TabPanel  Facing=0 SmallTabs=false Value=0
defaults PopupMenu  TextSize=12
defaults StaticText  TextSize=12 Multiline=false
defaults Listbox  UseFocusRing=false HeadingIndex=-1 ScrollbarHorizontal=false ScrollBarVertical=false
    _ScrollWidth=-1 _ScrollOffset=0 Hierarchical=false EnableDrag=false EnableDragReorder=false
    RequiresSelection=false SelectionType=0 ColumnsResizable=false AutoHideScrollbars=true
defaults PushButton  TextSize=12
defaults EditField  ScrollbarHorizontal=false Styled=false Password=false Format="" Mask="" AcceptTabs=false
defaults Canvas  AutoDeactivate=false UseFocusRing=false AcceptFocus=false AcceptTabs=false EraseBackground=true

window Oruvel  Width=640 Height=480 MinWidth=64 MinHeight=64 MaxWidth=32000 MaxHeight=32000 Composite=true
    Title="Oruvel" Resizeable=false LiveResize=false MaximizeButton=false
TabPanel     TabPanel2     -            20,17,600,198    5  TabDefinition="Trigram\rGua" TextSize=0
PopupMenu    trigramNum    TabPanel2/1  552,52,48,20     0  InitialValue="1\r2\r3\r4\r5\r6\r7\r8\r9" ListIndex=0
LittleArrows LittleArrows1 TabPanel2/1  527,52,13,26     1
StaticText   StaticText37  TabPanel2/1  527,81,73,41     2  Text="Gua / Trigram\r(Later heaven ba gua)" TextAlign=0
    TextSize=10 Multiline=true
Listbox      TriBox        TabPanel2/1  439,52,74,154    3  ColumnCount=1 ColumnWidths="74" HasHeading=true
    InitialValue="Trigrams\rKan\rKun\rZhen\rXun\r\rQian\rDui\rGen\rLi" DefaultRowHeight=15
    GridLinesHorizontal=1 GridLinesVertical=1 TextSize=0
PushButton   CalculateGua  TabPanel2/2  237,162,75,20    4  Caption="Calculate" Default=true Cancel=false
StaticText   StaticText38  TabPanel2/2  58,162,30,20     5  Text="Sex" TextAlign=2
PopupMenu    Sex           TabPanel2/2  96,162,50,20     6  InitialValue="M\rF" ListIndex=0
    HelpTag="Person's sex. M-Male, F-Female"
StaticText   StaticText31  TabPanel2/2  33,130,55,20     7  Text="Birthday" TextAlign=2
PopupMenu    day           TabPanel2/2  96,130,52,20     8  InitialValue=$days ListIndex=13
    HelpTag="Day the person was born"
PopupMenu    month         TabPanel2/2  157,130,100,20   9  InitialValue=$months ListIndex=5
    HelpTag="Month the person was born"
EditField    birthYear     TabPanel2/2  267,129,45,22   10  Text="1968" Alignment=3 Border=true Multiline=false
    ScrollbarVertical=true ReadOnly=false LimitText=4 BackColor=FFFFFF UseFocusRing=false TextSize=12
    HelpTag="Year the person was born"
StaticText   TriTriDisp    TabPanel2/1  56,76,91,86      1  Text="" TextAlign=0 TextSize=72 Bold=true
StaticText   TriNameDisp   TabPanel2/1  165,105,141,28   1  Text="" TextAlign=0 TextSize=24 Bold=true
    TextFont="AppleMyungjo"
StaticText   Note          TabPanel2/1  180,135,110,15   1  Text="" TextAlign=0 TextSize=9 Multiline=true
EditField    MingGua       TabPanel2/2  173,69,66,38    15  Text="" Alignment=2 Border=false Multiline=false
    ScrollbarVertical=false ReadOnly=false LimitText=0 BackColor=E8E8E8 UseFocusRing=true TextSize=36
    HelpTag="Personal Gua Number"
EditField    EditField1    TabPanel2/2  352,53,253,150  15  Text=$guaExplanation Alignment=0 Border=true
    Multiline=true ScrollbarVertical=true ReadOnly=true LimitText=0 BackColor=FFFFFF UseFocusRing=true
    TextSize=11
TabPanel     InfoPanel     -            20,218,600,242   4  TabDefinition="Properties\rElements\rDirections"
    TextSize=12
StaticText   Animal        InfoPanel/3  387,317,111,18   0  Text="" TextAlign=0 Visible=false
StaticText   StaticText10  InfoPanel/3  81,269,71,18     1  Text="Direction:" TextAlign=2
StaticText   Direction     InfoPanel/3  164,269,115,18   2  Text="" TextAlign=0
StaticText   StaticText19  InfoPanel/3  81,293,95,18     3  Text="Initial Angle:" TextAlign=2
StaticText   InitialAngle  InfoPanel/3  184,293,45,18    4  Text="" TextAlign=2
StaticText   StaticText21  InfoPanel/3  81,317,95,18     5  Text="Ending Angle:" TextAlign=2
StaticText   FinalAngle    InfoPanel/3  184,317,45,18    6  Text="" TextAlign=2
StaticText   StaticText23  InfoPanel/3  363,269,62,18    9  Text="Group:" TextAlign=2
StaticText   Group         InfoPanel/3  435,269,145,18  10  Text="" TextAlign=0
StaticText   StaticText24  InfoPanel/3  325,317,100,18  11  Text="Celestial Animal:" TextAlign=2 Visible=false
StaticText   StaticText6   InfoPanel/2  45,280,68,15    12  Text="Element:" TextAlign=2 TextSize=14
StaticText   Element       InfoPanel/2  119,280,120,15  13  Text="" TextAlign=0 TextSize=14 Bold=true
StaticText   StaticText14  InfoPanel/2  69,317,68,15    14  Text="Produces:" TextAlign=2
StaticText   produces      InfoPanel/2  146,317,90,15   15  Text="" TextAlign=0
StaticText   StaticText35  InfoPanel/2  69,390,68,15    18  Text="Controls:" TextAlign=2
StaticText   Controls      InfoPanel/2  146,390,90,15   19  Text="" TextAlign=0
StaticText   StaticText36  InfoPanel/2  69,344,68,15    20  Text="Weakens:" TextAlign=2
StaticText   weakens       InfoPanel/2  146,344,90,15   21  Text="" TextAlign=0
StaticText   StaticText5   InfoPanel/1  28,262,100,15   22  Text="Family Member" TextAlign=2
StaticText   FamilyMember  InfoPanel/1  141,262,130,15  23  Text="" TextAlign=0
StaticText   StaticText7   InfoPanel/1  28,364,100,15   24  Text="Color" TextAlign=2
StaticText   trigramColor  InfoPanel/1  141,364,130,33  25  Text="" TextAlign=0 Multiline=true
StaticText   StaticText8   InfoPanel/1  28,343,100,15   26  Text="Form" TextAlign=2
StaticText   Form          InfoPanel/1  141,343,130,15  27  Text="" TextAlign=0
StaticText   StaticText16  InfoPanel/1  28,283,100,15   28  Text="Polarity" TextAlign=2
StaticText   Polarity      InfoPanel/1  141,283,130,15  29  Text="" TextAlign=0
StaticText   StaticText18  InfoPanel/1  263,343,80,18   30  Text="Senses" TextAlign=2 Visible=false
StaticText   Senses        InfoPanel/1  355,343,145,18  31  Text="" TextAlign=0 Visible=false
Separator    Separator3    InfoPanel/1  39,327,210,4    32
StaticText   StaticText12  InfoPanel/1  28,417,100,18   33  Text="Season" TextAlign=2
StaticText   Season        InfoPanel/1  141,417,130,18  34  Text="" TextAlign=0
StaticText   StaticText11  InfoPanel/1  28,438,100,18   35  Text="Time of Day" TextAlign=2
StaticText   TimeOfDay     InfoPanel/1  141,438,130,18  36  Text="" TextAlign=0
StaticText   StaticText22  InfoPanel/1  28,304,100,15   37  Text=- TextAlign=2
StaticText   Nature        InfoPanel/1  141,304,130,15  38  Text="" TextAlign=0
Separator    Separator1    InfoPanel/1  39,400,210,4    39
Rectangle    Rectangle1    InfoPanel/3  186,362,61,61    -  FillColor=FFFFFF BorderWidth=1 TopLeftColor=7E7E7E
    BottomRightColor=797979
Canvas       Canvas2       Rectangle1/3 186,362,61,61    0
StaticText   StaticText1   InfoPanel/3  380,344,18,18   41  Text="S" TextAlign=1 TextSize=11
StaticText   StaticText2   InfoPanel/3  380,424,18,18   42  Text="N" TextAlign=1 TextSize=11 Bold=true
StaticText   StaticText3   InfoPanel/3  341,382,14,18   43  Text="E" TextAlign=1 TextSize=11
StaticText   StaticText4   InfoPanel/3  420,383,18,18   44  Text="W" TextAlign=1 TextSize=11
Listbox      baguaBox      InfoPanel/3  359,362,60,60   45  ColumnCount=3 ColumnWidths="20,20,20" HasHeading=false
    InitialValue="4\t9\t2\r3\t5\t7\r8\t1\t6" DefaultRowHeight=20 GridLinesHorizontal=3 GridLinesVertical=3
    TextSize=11
StaticText   StaticText25  InfoPanel/3  206,344,18,18   46  Text="N" TextAlign=1 TextSize=11 Bold=true
StaticText   StaticText26  InfoPanel/3  206,424,18,18   47  Text="S" TextAlign=1 TextSize=11
StaticText   StaticText27  InfoPanel/3  167,383,18,18   48  Text="W" TextAlign=1 TextSize=11
StaticText   StaticText28  InfoPanel/3  251,383,14,18   49  Text="E" TextAlign=1 TextSize=11
StaticText   StaticText29  InfoPanel/3  341,444,100,16  50  Text="Luo Shu" TextAlign=1 TextSize=9
StaticText   StaticText30  InfoPanel/3  167,444,100,16  51  Text="Western Compass" TextAlign=1 TextSize=9
Canvas       canvas1       InfoPanel/3  358,361,61,61   52
StaticText   StaticText17  InfoPanel/1  263,364,80,18   53  Text="Body" TextAlign=2
StaticText   PartsOfBody   InfoPanel/1  355,364,159,18  54  Text="" TextAlign=0 Multiline=true
Canvas       CycleCanvas   InfoPanel/2  312,257,200,200 55  AutoDeactivate=true UseFocusRing=true

window AboutBox  Width=301 Height=323 MinWidth=284 MinHeight=231 MaxWidth=284 MaxHeight=231 Frame=4
    Composite=true Title="About Oruvel" Resizeable=false LiveResize=false MaximizeButton=false
StaticText   StaticText1   -            33,101,230,20    0  Text="Oruvel" TextAlign=1 Bold=true
StaticText   versionDisp   -            33,120,230,20    1  Text="2.0b" TextAlign=1 TextSize=11
StaticText   StaticText3   -            31,145,236,72    2  Text=$notice TextAlign=1 TextSize=9 Multiline=true
StaticText   daURL         -            60,217,179,20    3  Text="https://www.fellmark.example/" TextAlign=1
    TextColor=0000FF TextSize=10 Underline=true HelpTag="URL of Fellmark Software" AutoDeactivate=false
Canvas       Canvas1       -            116,29,64,63     4  AutoDeactivate=true UseFocusRing=true
StaticText   daURL1        -            60,261,179,20    5  Text="https://www.corvale.example/" TextAlign=1
    TextColor=0000FF TextSize=10 Underline=true HelpTag="URL of Corvale Feng Shui Consultants"
    AutoDeactivate=false
StaticText   StaticText4   -            31,244,236,20    6  Text="Thanks to Corvale Feng Shui Consultants."
    TextAlign=1 TextSize=9 Multiline=true

window Info  Placement=2 Width=274 Height=480 MinWidth=250 MinHeight=480 MaxWidth=250 MaxHeight=0
    Composite=false Title="Info" Resizeable=false LiveResize=false MaximizeButton=true
StaticText   StaticText3   -            19,14,67,20      5  Text="Trigrams" TextAlign=1 Bold=true
Separator    Separator1    -            19,59,240,4      6
Rectangle    Rectangle4    -            142,70,48,8      2  FillColor=000000 BorderWidth=1 TopLeftColor=000000
    BottomRightColor=000000
Rectangle    Rectangle5    -            23,70,20,8       3  FillColor=000000 BorderWidth=1 TopLeftColor=000000
    BottomRightColor=000000
Rectangle    Rectangle6    -            51,70,20,8       4  FillColor=000000 BorderWidth=1 TopLeftColor=000000
    BottomRightColor=000000
Listbox      ListBox1      -            19,86,235,203   10  ColumnCount=2 ColumnWidths="" HasHeading=true
    InitialValue=$yinYang ScrollBarVertical=true GridLinesHorizontal=0 GridLinesVertical=1
    DefaultRowHeight=-1 TextSize=11
EditField    EditField1    -            20,308,234,129   6  Text=$trigramLines Border=true Multiline=true
    ScrollbarVertical=false ReadOnly=false UseFocusRing=true BackColor=FFFFFF TextSize=9 LimitText=0
    Alignment=0

window Help  Width=300 Height=300 MinWidth=64 MinHeight=64 MaxWidth=32000 MaxHeight=32000 Composite=false
    Title="Help" Resizeable=true LiveResize=true MaximizeButton=true
EditField    EditField1    -            1,1,298,255      0  LockLeft=true LockTop=true LockRight=true
    LockBottom=true Text=$help Border=true Multiline=true ScrollbarVertical=true Styled=true ReadOnly=true
    UseFocusRing=false BackColor=FFFFFF TextSize=11 LimitText=0 Alignment=0
)table";

// The texts too long for a table line.
const std::map<QByteArray, QByteArray>& longTexts()
{
    static const std::map<QByteArray, QByteArray> texts{
        {"days", "1\r2\r3\r4\r5\r6\r7\r8\r9\r10\r11\r12\r13\r14\r15\r16\r17\r18\r19\r20\r21\r22\r23\r24\r25\r26\r"
                 "27\r28\r29\r30\r31"},
        {"months", "January\rFebruary\rMarch\rApril\rMay\rJune\rJuly\rAugust\rSeptember\rOctober\rNovember\r"
                   "December"},
        {"guaExplanation",
         "Your personal gua determines your good directions, not locations, in your house, in Ba Zhai Feng Shui."
         "\r\r"
         "This program only shows the Fu Wei direction, used for rest and tranquility."
         "\r\r"
         "One of the best uses of Feng Shui is as an aid in planning property purchases and house layout, in "
         "such a way as to help you attain your goals. Feng Shui can also aid you with your current home or "
         "business."
         "\r\r"
         "To find out more, click this field to go to the Corvale Feng Shui Consulting website. Traditional "
         "Feng Shui is an ancient Chinese metaphysical science, and it is NOT about interior decorating or "
         "making your house look like a Chinese restaurant!"},
        // Authorship, an empty line, an empty line, the rights; the copyright sign and dash are multi-byte.
        {"notice", "\u00A9 2004\u2013"
                   "2026 Marin Ostrava\r\r\rFellmark Software. All rights reserved."},
        {"yinYang", "Yin\tYang\rFemale\tMale\rDaughter\tSon\rPassive\tActive\rNight\tDay\rEarth\tHeaven\r"
                    "Moon\tSun\rCold\tHot\rOld\tNew\rSour\tSweet\rStill\tMoving\rSoft\tHard\rWinter\tSummer"},
        {"trigramLines",
         "The trigrams are made up of three lines. The broken line represents yin, and the solid line represents "
         "yang. The trigrams are used in the various branches of Chinese metaphysics. They can be used to "
         "represent a wide variety of qualities, conditions and frankly, just about anything."
         "\r\r"
         "Yin and yang are all about balance!"},
        {"help",
         "Oruvel\r\rHow to use\r\rGua Tab\r\r"
         "The program will calculates a person's gua number based on the sex and birthdate displayed. The gua "
         "is always calculated based on the Chinese solar calendar, not the lunar calendar used to celebrate "
         "Chinese New Year.\r\r"
         "Trigram List\r\r"
         "Click the trigram to display or choose the number from the popup or use the up and down arrows to "
         "change the number. The numbers for the gua are taken from the later heaven ba gua.\r"
         " \r"
         "Send comments and suggestions to support@fellmark.example.\r\r\r\r"
         "Fellmark Software and the author of Oruvel accept no responsibility for the use or misuse of this "
         "program and give no warranty that the data it presents is correct."},
    };
    return texts;
}

// --- reading the table -----------------------------------------------------------

struct ExpectedRecord {
    QByteArray window;
    QByteArray name; // empty for the window's own record
    QByteArray kind; // "window" or the control's class
    QByteArray page; // the place column, "-" on the window
    std::vector<testsupport::RecordField> entries; // as the walker reads them, less the offsets
};

struct TableLine {
    int number;
    QByteArrayList words;
};

[[noreturn]] void tableFault(int line, const QString& what)
{
    throw std::runtime_error(QStringLiteral("table line %1: %2").arg(line).arg(what).toStdString());
}

// Splits at blanks outside double quotes; a quoted word keeps its quotes and escapes.
QByteArrayList wordsOf(const QByteArray& text)
{
    QByteArrayList words;
    QByteArray word;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!quoted && c == ' ') {
            if (!word.isEmpty())
                words << word;
            word.clear();
            continue;
        }
        word += c;
        if (c == '\\' && quoted && i + 1 < text.size())
            word += text[++i];
        else if (c == '"')
            quoted = !quoted;
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

std::vector<TableLine> tableLines()
{
    std::vector<TableLine> lines;
    const QByteArrayList rows = QByteArray(kTable).split('\n');
    for (int i = 0; i < rows.size(); ++i) {
        const QByteArray& row = rows[i];
        if (row.trimmed().isEmpty())
            continue;
        if (row.startsWith(' ')) {
            if (lines.empty())
                tableFault(i + 1, QStringLiteral("goes on from no line"));
            lines.back().words << wordsOf(row);
        } else {
            lines.push_back({i + 1, wordsOf(row)});
        }
    }
    return lines;
}

QByteArray unquoted(int line, const QByteArray& word)
{
    if (word.size() < 2 || !word.startsWith('"') || !word.endsWith('"'))
        tableFault(line, QStringLiteral("%1 is not a quoted text").arg(QString::fromUtf8(word)));
    QByteArray text;
    for (qsizetype i = 1; i < word.size() - 1; ++i) {
        char c = word[i];
        if (c == '\\') {
            c = word[++i];
            c = c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
        text += c;
    }
    return text;
}

QByteArray bigEndian(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    const char bytes[] = {char(bits >> 24), char(bits >> 16), char(bits >> 8), char(bits)};
    return QByteArray(bytes, 4);
}

// The bytes that a record holds for the key's value written as the table writes it.
QByteArray valueBytes(int line, const QByteArray& key, const QByteArray& word)
{
    const auto type = testsupport::recordTypeOf(key);
    if (!type)
        tableFault(line, QStringLiteral("no record key is called %1").arg(QString::fromLatin1(key)));
    const auto bad = [&] {
        tableFault(line, QStringLiteral("%1=%2").arg(QString::fromLatin1(key), QString::fromUtf8(word)));
    };
    using testsupport::RecordType;
    switch (*type) {
    case RecordType::Integer: {
        bool ok = false;
        const int value = word.toInt(&ok);
        if (!ok)
            bad();
        return bigEndian(value);
    }
    case RecordType::Boolean:
        if (word != "true" && word != "false")
            bad();
        return QByteArray(1, word == "true" ? '\1' : '\0');
    case RecordType::Color: {
        const QByteArray rgb = QByteArray::fromHex(word);
        if (word.size() != 6 || rgb.size() != 3 || rgb.toHex().toUpper() != word)
            bad();
        return rgb;
    }
    case RecordType::String:
        if (word.startsWith('$')) {
            const auto found = longTexts().find(word.mid(1));
            if (found == longTexts().end())
                bad();
            return found->second;
        }
        return unquoted(line, word);
    }
    return {};
}

using Values = std::map<QByteArray, QByteArray>; // key to the value's word

void addPairs(const TableLine& line, qsizetype from, Values& values)
{
    for (qsizetype i = from; i < line.words.size(); ++i) {
        const QByteArray& pair = line.words[i];
        const qsizetype equals = pair.indexOf('=');
        if (equals <= 0)
            tableFault(line.number, QStringLiteral("%1 is no Key=value").arg(QString::fromUtf8(pair)));
        if (!values.emplace(pair.left(equals), pair.mid(equals + 1)).second)
            tableFault(line.number, QStringLiteral("%1 given twice").arg(QString::fromLatin1(pair.left(equals))));
    }
}

// The control's name, place, page and tab index as the values of their keys.
Values placeValues(const TableLine& line)
{
    if (line.words.size() < 5)
        tableFault(line.number, QStringLiteral("a control needs a name, a page, a place and a tab index"));
    const QByteArrayList page = line.words[2] == "-" ? QByteArrayList{"", "0"} : line.words[2].split('/');
    const QByteArrayList place = line.words[3].split(',');
    if (page.size() != 2 || place.size() != 4)
        tableFault(line.number, QStringLiteral("page or place unreadable"));
    return {{"Name", '"' + line.words[1] + '"'},  {"InitialParent", '"' + page[0] + '"'},
            {"TabPanelIndex", page[1]},           {"Left", place[0]},
            {"Top", place[1]},                    {"Width", place[2]},
            {"Height", place[3]},                 {"TabIndex", line.words[4]}};
}

std::vector<ExpectedRecord> readTable()
{
    std::map<QByteArray, QByteArrayList> orders;
    std::map<QByteArray, Values> defaults;
    std::vector<ExpectedRecord> records;
    QByteArray window;
    for (const TableLine& line : tableLines()) {
        const QByteArray& first = line.words[0];
        if (line.words.size() < 2)
            tableFault(line.number, QStringLiteral("too short"));
        if (first == "order") {
            orders[line.words[1]] = line.words.mid(2);
            continue;
        }
        if (first == "defaults") {
            addPairs(line, 2, defaults[line.words[1]]);
            continue;
        }
        Values given;
        ExpectedRecord record;
        if (first == "window") {
            window = line.words[1];
            record = {window, {}, "window", "-", {}};
            addPairs(line, 2, given);
        } else {
            record = {window, line.words[1], first, line.words[2], {}};
            given = placeValues(line);
            addPairs(line, 5, given);
        }
        const auto order = orders.find(record.kind);
        if (order == orders.end())
            tableFault(line.number, QStringLiteral("no order for %1").arg(QString::fromLatin1(record.kind)));
        const Values& shared = defaults[record.kind == "window" ? "window" : "control"];
        const Values* sources[] = {&given, &defaults[record.kind], &shared};
        for (const QByteArray& key : order->second) {
            const QByteArray* word = nullptr;
            for (const Values* values : sources) {
                if (!word && values->contains(key))
                    word = &values->at(key);
            }
            if (!word)
                tableFault(line.number, QStringLiteral("no value for %1").arg(QString::fromLatin1(key)));
            if (*word != "-")
                record.entries.push_back(
                    {key, *testsupport::recordTypeOf(key), -1, valueBytes(line.number, key, *word)});
            given.erase(key);
        }
        if (!given.empty()) {
            const QString stray = QString::fromLatin1(given.begin()->first);
            tableFault(line.number, QStringLiteral("%1 is no key of its class").arg(stray));
        }
        records.push_back(std::move(record));
    }
    return records;
}

// --- the program's records -------------------------------------------------------

struct ProgramRecord {
    QByteArray window;
    QByteArray name;
    QByteArray kind;
    QByteArray bytes;
};

std::vector<ProgramRecord> programRecords()
{
    std::vector<ProgramRecord> records;
    for (const WindowRecords& window : kProgramWindows) {
        records.push_back({window.name, {}, "window", window.windowRecord()});
        for (const mainwindow::ControlLayout& layout : window.controlLayouts())
            records.push_back({window.name, layout.name, fw::controlClassName(layout.controlClass), layout.record});
    }
    return records;
}

// An entry as the table would write it, for the failure messages.
std::string shown(const testsupport::RecordField& field)
{
    using testsupport::RecordType;
    QByteArray text = field.key + '=';
    switch (field.type) {
    case RecordType::Integer:
        text += QByteArray::number(field.integer());
        break;
    case RecordType::Boolean:
        text += field.boolean() ? "true" : "false";
        break;
    case RecordType::Color:
        text += field.value.toHex().toUpper();
        break;
    case RecordType::String:
        QByteArray escaped = field.value;
        escaped.replace('\\', "\\\\").replace('"', "\\\"").replace('\r', "\\r").replace('\t', "\\t");
        text += '"' + escaped + '"';
        break;
    }
    return text.toStdString();
}

// "Oruvel StaticText19 StaticText", or "Info window" for a window's own record.
std::string label(const QByteArray& window, const QByteArray& name, const QByteArray& kind)
{
    return (window + (name.isEmpty() ? QByteArray() : " " + name) + " " + kind).toStdString();
}

// Empty when the record's entries are the table's, key by key and value by value, in order.
std::string firstDifference(const ProgramRecord& record, const ExpectedRecord& expected)
{
    const testsupport::WalkedRecord walked = testsupport::walkRecord(record.bytes);
    if (!walked.ok())
        return "does not decode: " + walked.error.toStdString();
    const std::size_t count = std::max(walked.fields.size(), expected.entries.size());
    for (std::size_t i = 0; i < count; ++i) {
        const bool inRecord = i < walked.fields.size();
        const bool inTable = i < expected.entries.size();
        if (inRecord && inTable && walked.fields[i].key == expected.entries[i].key
            && walked.fields[i].value == expected.entries[i].value)
            continue;
        return "entry " + std::to_string(i)
               + (inRecord ? " at byte " + std::to_string(walked.fields[i].offset) + " is " + shown(walked.fields[i])
                           : " is past the record's end")
               + ", the table has " + (inTable ? shown(expected.entries[i]) : "no more entries");
    }
    return {};
}

TEST(EveryRecord, EachIsTheTablesEntryByEntryInOrder)
{
    const std::vector<ExpectedRecord> table = readTable();
    const std::vector<ProgramRecord> program = programRecords();
    EXPECT_EQ(program.size(), 90u);
    EXPECT_EQ(program.size(), table.size());
    for (std::size_t i = 0; i < std::min(program.size(), table.size()); ++i) {
        const ProgramRecord& record = program[i];
        const ExpectedRecord& expected = table[i];
        // A control missing or added shifts the rest: one message says where.
        const std::string which = label(record.window, record.name, record.kind);
        ASSERT_EQ(which, label(expected.window, expected.name, expected.kind))
            << "record " << i << " in creation order";
        EXPECT_EQ(firstDifference(record, expected), "") << which;
    }
    for (const WindowRecords& window : kProgramWindows) {
        EXPECT_EQ(&window.windowRecord(), &window.windowRecord()) << "built once";
        EXPECT_EQ(&window.controlLayouts(), &window.controlLayouts()) << "built once";
    }
}

// The table against the design's own counts, so that a slip in the table shows too.
TEST(EveryRecord, TableHoldsTheDesignedClassesAndPages)
{
    std::map<QByteArray, int> classes;
    std::map<QByteArray, int> mainPages;
    for (const ExpectedRecord& record : readTable()) {
        ++classes[record.kind];
        if (record.window == "Oruvel" && record.kind != "window")
            ++mainPages[record.page == "Rectangle1/3" ? QByteArray("InfoPanel/3") : record.page];
    }
    const std::map<QByteArray, int> designed{
        {"window", 4},  {"StaticText", 59}, {"EditField", 5}, {"PopupMenu", 4},  {"Canvas", 4},       {"Rectangle", 4},
        {"Listbox", 3}, {"Separator", 3},   {"TabPanel", 2},  {"PushButton", 1}, {"LittleArrows", 1},
    };
    EXPECT_EQ(classes, designed);
    const std::map<QByteArray, int> pages{{"-", 2},           {"TabPanel2/1", 7}, {"TabPanel2/2", 9},
                                          {"InfoPanel/1", 20}, {"InfoPanel/2", 9}, {"InfoPanel/3", 24}};
    EXPECT_EQ(mainPages, pages);
    EXPECT_EQ(longTexts().at("trigramLines").size(), 319);
}

} // namespace
