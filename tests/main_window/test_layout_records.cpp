// The main window's property records, read back with the test's own key table.
#include "main_window/layout_records.h"
#include "support/record_walker.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>
#include <string>

namespace {

using fw::ControlClass;
using mainwindow::ControlLayout;
using testsupport::walkRecord;
using testsupport::WalkedRecord;

const ControlLayout& layoutNamed(const char* name)
{
    for (const ControlLayout& layout : mainwindow::controlLayouts()) {
        if (std::string_view(layout.name) == name)
            return layout;
    }
    throw std::out_of_range(std::string("no control ") + name);
}

WalkedRecord walked(const char* name)
{
    return walkRecord(layoutNamed(name).record);
}

QByteArrayList lines(const QByteArray& text)
{
    return text.split('\r');
}

// --- the record walker itself, so that the checks below can fail ------------------

TEST(RecordWalker, RejectsTruncatedUnknownAndRepeatedEntries)
{
    const QByteArray record = layoutNamed("Separator3").record;
    EXPECT_TRUE(walkRecord(record).ok());
    EXPECT_FALSE(walkRecord(record.chopped(1)).ok());
    EXPECT_FALSE(walkRecord(record + "Bogus " + QByteArray(4, '\0')).ok());
    EXPECT_FALSE(walkRecord(record + "Enabled " + QByteArray(1, '\1')).ok());
    EXPECT_FALSE(walkRecord(QByteArray("Visible ") + QByteArray(1, '\2')).ok());
    EXPECT_FALSE(walkRecord(QByteArray::fromHex("4E616D6520 00000005 41")).ok()); // "Name" count 5, 1 byte
}

// --- the window record -----------------------------------------------------------

TEST(MainWindowRecord, IsAFixed640By480WindowTitledOruvel)
{
    const QByteArray& record = mainwindow::windowRecord();
    EXPECT_EQ(&record, &mainwindow::windowRecord()) << "built once";
    ASSERT_EQ(testsupport::recordFault(record, testsupport::windowKeyOrder()).toStdString(), "");

    const WalkedRecord window = walkRecord(record);
    EXPECT_EQ(window.at("Title").text(), "Oruvel");
    EXPECT_EQ(window.at("Width").integer(), 640);
    EXPECT_EQ(window.at("Height").integer(), 480);
    EXPECT_EQ(window.at("MinWidth").integer(), 64);
    EXPECT_EQ(window.at("MaxHeight").integer(), 32000);
    EXPECT_FALSE(window.at("Resizeable").boolean());
    EXPECT_TRUE(window.at("CloseButton").boolean());
    EXPECT_TRUE(window.at("MinimizeButton").boolean());
    EXPECT_FALSE(window.at("MaximizeButton").boolean());
    EXPECT_TRUE(window.at("Composite").boolean());
    EXPECT_FALSE(window.at("HasBackColor").boolean());
    EXPECT_EQ(window.at("BackColor").color(), QColor(255, 255, 255));
    // The last entry is the Integer MacProcID 0.
    EXPECT_TRUE(record.endsWith(QByteArray("MacProcID ") + QByteArray(4, '\0')));
}

// --- every control record --------------------------------------------------------

TEST(MainControlRecords, SeventyOneControlsEachInItsClassKeyOrder)
{
    const auto& layouts = mainwindow::controlLayouts();
    ASSERT_EQ(layouts.size(), 71u);
    EXPECT_EQ(&layouts, &mainwindow::controlLayouts()) << "built once";

    QSet<QByteArray> names;
    for (const ControlLayout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        names.insert(layout.name);
        QStringList keys = testsupport::controlKeyOrder(layout.controlClass);
        if (std::string_view(layout.name) == "StaticText22")
            keys.removeOne("Text"); // its caption is set by code
        EXPECT_EQ(testsupport::recordFault(layout.record, keys, layout.name).toStdString(), "");
    }
    EXPECT_EQ(names.size(), 71) << "names are unique";
}

TEST(MainControlRecords, ShareIndexLocksAndEnabled)
{
    for (const ControlLayout& layout : mainwindow::controlLayouts()) {
        SCOPED_TRACE(layout.name);
        const WalkedRecord record = walkRecord(layout.record);
        EXPECT_EQ(record.at("Index").integer(), INT32_MIN);
        for (const char* lock : {"LockLeft", "LockTop", "LockRight", "LockBottom"})
            EXPECT_FALSE(record.at(lock).boolean()) << lock;
        EXPECT_TRUE(record.at("Enabled").boolean());
        for (const auto& field : record.fields) {
            if (field.type == testsupport::RecordType::String) {
                EXPECT_FALSE(field.value.contains('\n')) << field.key.toStdString();
            }
        }
    }
}

TEST(MainControlRecords, ClassesInCreationOrder)
{
    std::map<ControlClass, int> counts;
    for (const ControlLayout& layout : mainwindow::controlLayouts())
        ++counts[layout.controlClass];
    EXPECT_EQ(counts[ControlClass::StaticText], 52);
    EXPECT_EQ(counts[ControlClass::PopupMenu], 4);
    EXPECT_EQ(counts[ControlClass::EditField], 3);
    EXPECT_EQ(counts[ControlClass::Canvas], 3);
    EXPECT_EQ(counts[ControlClass::TabPanel], 2);
    EXPECT_EQ(counts[ControlClass::Listbox], 2);
    EXPECT_EQ(counts[ControlClass::Separator], 2);
    EXPECT_EQ(counts[ControlClass::Rectangle], 1);
    EXPECT_EQ(counts[ControlClass::PushButton], 1);
    EXPECT_EQ(counts[ControlClass::LittleArrows], 1);

    const auto& layouts = mainwindow::controlLayouts();
    EXPECT_STREQ(layouts.front().name, "TabPanel2");
    EXPECT_STREQ(layouts[16].name, "EditField1");
    EXPECT_STREQ(layouts[49].name, "StaticText11"); // the last of the first creation method
    EXPECT_STREQ(layouts[50].name, "TimeOfDay");
    EXPECT_STREQ(layouts.back().name, "CycleCanvas");
}

// --- byte for byte ---------------------------------------------------------------

TEST(MainControlRecords, Separator3IsExactlyItsTwoHundredThirteenBytes)
{
    QByteArray expected;
    const auto entry = [&expected](const char* key, const char* hex, const char* text = "") {
        expected += key;
        expected += QByteArray::fromHex(hex);
        expected += text;
    };
    entry("Name", "20 0000000A", "Separator3");
    entry("Index", "20 80000000");
    entry("Left", "20 00000027");
    entry("Top", "20 00000147");
    entry("Width", "20 000000D2");
    entry("Height", "20 00000004");
    entry("LockLeft", "20 00");
    entry("LockTop", "20 00");
    entry("LockRight", "20 00");
    entry("LockBottom", "20 00");
    entry("TabPanelIndex", "20 00000001");
    entry("TabIndex", "20 00000020");
    entry("InitialParent", "20 00000009", "InfoPanel");
    entry("Visible", "20 01");
    entry("HelpTag", "20 00000000");
    entry("AutoDeactivate", "20 01");
    entry("Enabled", "20 01");
    ASSERT_EQ(expected.size(), 213);
    EXPECT_EQ(layoutNamed("Separator3").record.toHex(' '), expected.toHex(' '));
    EXPECT_EQ(layoutNamed("Separator3").controlClass, ControlClass::Separator);
}

TEST(MainControlRecords, ControlsOnTheWindowEndWithAnEmptyInitialParent)
{
    const QByteArray emptyParent = QByteArray("InitialParent ") + QByteArray(4, '\0');
    EXPECT_TRUE(layoutNamed("TabPanel2").record.endsWith(emptyParent));
    EXPECT_TRUE(layoutNamed("InfoPanel").record.endsWith(emptyParent));
    EXPECT_FALSE(layoutNamed("Rectangle1").record.endsWith(emptyParent));
}

// --- exceptions to the class order -----------------------------------------------

TEST(MainControlRecords, StaticText22HasNoTextAndRectangle1NoTabIndex)
{
    EXPECT_FALSE(walked("StaticText22").has("Text"));
    EXPECT_EQ(walked("StaticText22").at("TextAlign").integer(), 2);
    EXPECT_TRUE(walked("Nature").has("Text"));
    EXPECT_FALSE(walked("Rectangle1").has("TabIndex"));
    EXPECT_EQ(walked("Rectangle1").fields.front().key, "Name");
}

// --- places ----------------------------------------------------------------------

struct ExpectedPlace {
    const char* name;
    int left, top, width, height;
    int tabIndex;
    int page;
    const char* parent;
};

TEST(MainControlRecords, PlacesAndTabIndexReadBackFromTheBytes)
{
    const ExpectedPlace places[] = {
        {"TabPanel2", 20, 17, 600, 198, 5, 0, ""},
        {"trigramNum", 552, 52, 48, 20, 0, 1, "TabPanel2"},
        {"TriBox", 439, 52, 74, 154, 3, 1, "TabPanel2"},
        {"birthYear", 267, 129, 45, 22, 10, 2, "TabPanel2"},
        {"MingGua", 173, 69, 66, 38, 15, 2, "TabPanel2"},
        {"EditField1", 352, 53, 253, 150, 15, 2, "TabPanel2"},
        {"InfoPanel", 20, 218, 600, 242, 4, 0, ""},
        {"StaticText24", 325, 317, 100, 18, 11, 3, "InfoPanel"},
        {"StaticText35", 69, 390, 68, 15, 18, 2, "InfoPanel"},
        {"Separator1", 39, 400, 210, 4, 39, 1, "InfoPanel"},
        {"Canvas2", 186, 362, 61, 61, 0, 3, "Rectangle1"},
        {"StaticText28", 251, 383, 14, 18, 49, 3, "InfoPanel"},
        {"canvas1", 358, 361, 61, 61, 52, 3, "InfoPanel"},
        {"PartsOfBody", 355, 364, 159, 18, 54, 1, "InfoPanel"},
        {"CycleCanvas", 312, 257, 200, 200, 55, 2, "InfoPanel"},
    };
    for (const ExpectedPlace& place : places) {
        SCOPED_TRACE(place.name);
        const WalkedRecord record = walked(place.name);
        EXPECT_EQ(record.at("Left").integer(), place.left);
        EXPECT_EQ(record.at("Top").integer(), place.top);
        EXPECT_EQ(record.at("Width").integer(), place.width);
        EXPECT_EQ(record.at("Height").integer(), place.height);
        EXPECT_EQ(record.at("TabIndex").integer(), place.tabIndex);
        EXPECT_EQ(record.at("TabPanelIndex").integer(), place.page);
        EXPECT_EQ(record.at("InitialParent").text(), place.parent);
    }
    const WalkedRecord rectangle = walked("Rectangle1");
    EXPECT_EQ(rectangle.at("Left").integer(), 186);
    EXPECT_EQ(rectangle.at("Top").integer(), 362);
    EXPECT_EQ(rectangle.at("TabPanelIndex").integer(), 3);
    EXPECT_EQ(rectangle.at("TopLeftColor").color(), QColor(0x7E, 0x7E, 0x7E));
    EXPECT_EQ(rectangle.at("BottomRightColor").color(), QColor(0x79, 0x79, 0x79));
}

TEST(MainControlRecords, ControlsPerPage)
{
    std::map<std::pair<QByteArray, int>, int> perPage;
    for (const ControlLayout& layout : mainwindow::controlLayouts()) {
        const WalkedRecord record = walkRecord(layout.record);
        QByteArray parent = record.at("InitialParent").text();
        if (parent == "Rectangle1")
            parent = "InfoPanel"; // the rectangle stands on the Directions page
        ++perPage[{parent, record.at("TabPanelIndex").integer()}];
    }
    EXPECT_EQ((perPage[{"", 0}]), 2);
    EXPECT_EQ((perPage[{"TabPanel2", 1}]), 7);
    EXPECT_EQ((perPage[{"TabPanel2", 2}]), 9);
    EXPECT_EQ((perPage[{"InfoPanel", 1}]), 20);
    EXPECT_EQ((perPage[{"InfoPanel", 2}]), 9);
    EXPECT_EQ((perPage[{"InfoPanel", 3}]), 24);
}

// --- the shared values that some controls depart from ------------------------------

TEST(MainControlRecords, OnlyTheFourHiddenLabelsAreInvisible)
{
    QSet<QByteArray> hidden;
    for (const ControlLayout& layout : mainwindow::controlLayouts()) {
        if (!walkRecord(layout.record).at("Visible").boolean())
            hidden.insert(layout.name);
    }
    EXPECT_EQ(hidden, (QSet<QByteArray>{"Animal", "StaticText24", "StaticText18", "Senses"}));
}

TEST(MainControlRecords, HelpTagsFontsSizesAndBold)
{
    const std::map<QByteArray, QByteArray> helpTags{
        {"Sex", "Person's sex. M-Male, F-Female"},
        {"day", "Day the person was born"},
        {"month", "Month the person was born"},
        {"birthYear", "Year the person was born"},
        {"MingGua", "Personal Gua Number"},
    };
    const std::map<QByteArray, int> sizes{
        {"TriTriDisp", 72}, {"TriNameDisp", 24},  {"MingGua", 36},      {"StaticText6", 14},  {"Element", 14},
        {"EditField1", 11}, {"baguaBox", 11},     {"StaticText1", 11},  {"StaticText2", 11},
        {"StaticText3", 11}, {"StaticText4", 11}, {"StaticText25", 11}, {"StaticText26", 11},
        {"StaticText27", 11}, {"StaticText28", 11}, {"StaticText37", 10}, {"Note", 9},
        {"StaticText29", 9}, {"StaticText30", 9}, {"TabPanel2", 0},      {"TriBox", 0},
    };
    const QSet<QByteArray> bold{"TriTriDisp", "TriNameDisp", "Element", "StaticText2", "StaticText25"};

    for (const ControlLayout& layout : mainwindow::controlLayouts()) {
        SCOPED_TRACE(layout.name);
        const WalkedRecord record = walkRecord(layout.record);
        const auto tag = helpTags.find(layout.name);
        EXPECT_EQ(record.at("HelpTag").text(), tag == helpTags.end() ? QByteArray() : tag->second);
        if (!record.has("TextFont"))
            continue;
        EXPECT_EQ(record.at("TextFont").text(),
                  std::string_view(layout.name) == "TriNameDisp" ? "AppleMyungjo" : "System");
        const auto size = sizes.find(layout.name);
        EXPECT_EQ(record.at("TextSize").integer(), size == sizes.end() ? 12 : size->second);
        EXPECT_EQ(record.at("Bold").boolean(), bold.contains(layout.name));
        EXPECT_FALSE(record.at("Italic").boolean());
        EXPECT_FALSE(record.at("Underline").boolean());
    }
}

TEST(MainControlRecords, CanvasesAndTheirFocus)
{
    for (const char* name : {"Canvas2", "canvas1"}) {
        EXPECT_FALSE(walked(name).at("AutoDeactivate").boolean()) << name;
        EXPECT_FALSE(walked(name).at("UseFocusRing").boolean()) << name;
        EXPECT_TRUE(walked(name).at("EraseBackground").boolean()) << name;
    }
    EXPECT_TRUE(walked("CycleCanvas").at("AutoDeactivate").boolean());
    EXPECT_TRUE(walked("CycleCanvas").at("UseFocusRing").boolean());
}

// --- lists and texts -------------------------------------------------------------

TEST(MainControlRecords, DayListHoldsOneToThirtyOneWithFourteenSelected)
{
    const WalkedRecord day = walked("day");
    QByteArrayList expected;
    for (int d = 1; d <= 31; ++d)
        expected << QByteArray::number(d);
    EXPECT_EQ(lines(day.at("InitialValue").text()), expected);
    EXPECT_EQ(day.at("ListIndex").integer(), 13);
    EXPECT_EQ(expected[day.at("ListIndex").integer()], "14");
}

TEST(MainControlRecords, SelectorsStartOnTheirDefaults)
{
    const WalkedRecord month = walked("month");
    const QByteArrayList months = lines(month.at("InitialValue").text());
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months.front(), "January");
    EXPECT_EQ(months.back(), "December");
    EXPECT_EQ(months[month.at("ListIndex").integer()], "June");

    EXPECT_EQ(walked("Sex").at("InitialValue").text(), "M\rF");
    EXPECT_EQ(walked("Sex").at("ListIndex").integer(), 0);
    EXPECT_EQ(walked("trigramNum").at("InitialValue").text(), "1\r2\r3\r4\r5\r6\r7\r8\r9");
    EXPECT_EQ(walked("trigramNum").at("ListIndex").integer(), 0);
    EXPECT_EQ(walked("TabPanel2").at("TabDefinition").text(), "Trigram\rGua");
    EXPECT_EQ(walked("InfoPanel").at("TabDefinition").text(), "Properties\rElements\rDirections");
    EXPECT_EQ(walked("InfoPanel").at("Value").integer(), 0);
}

TEST(MainControlRecords, TrigramListHasAHeadingAndAnEmptyFifthRow)
{
    const WalkedRecord list = walked("TriBox");
    EXPECT_EQ(list.at("ColumnCount").integer(), 1);
    EXPECT_EQ(list.at("ColumnWidths").text(), "74");
    EXPECT_TRUE(list.at("HasHeading").boolean());
    EXPECT_EQ(list.at("DefaultRowHeight").integer(), 15);
    const QByteArrayList all = lines(list.at("InitialValue").text());
    ASSERT_EQ(all.size(), 10);
    EXPECT_EQ(all.front(), "Trigrams");
    const QByteArrayList rows = all.mid(1);
    EXPECT_EQ(rows[0], "Kan");
    EXPECT_EQ(rows[4], "");
    EXPECT_EQ(rows[8], "Li");
}

TEST(MainControlRecords, LuoShuSquareIsThreeByThree)
{
    const WalkedRecord square = walked("baguaBox");
    EXPECT_EQ(square.at("ColumnCount").integer(), 3);
    EXPECT_EQ(square.at("ColumnWidths").text(), "20,20,20");
    EXPECT_FALSE(square.at("HasHeading").boolean());
    EXPECT_EQ(square.at("GridLinesHorizontal").integer(), 3);
    EXPECT_EQ(square.at("GridLinesVertical").integer(), 3);
    const QByteArrayList rows = lines(square.at("InitialValue").text());
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].split('\t'), (QByteArrayList{"4", "9", "2"}));
    EXPECT_EQ(rows[1].split('\t'), (QByteArrayList{"3", "5", "7"}));
    EXPECT_EQ(rows[2].split('\t'), (QByteArrayList{"8", "1", "6"}));
}

TEST(MainControlRecords, GuaFieldsAndTheCalculateButton)
{
    const WalkedRecord year = walked("birthYear");
    EXPECT_EQ(year.at("Text").text(), "1968");
    EXPECT_EQ(year.at("LimitText").integer(), 4);
    EXPECT_EQ(year.at("Alignment").integer(), 3);
    EXPECT_TRUE(year.at("ScrollbarVertical").boolean());

    const WalkedRecord gua = walked("MingGua");
    EXPECT_FALSE(gua.at("Border").boolean());
    EXPECT_FALSE(gua.at("ReadOnly").boolean());
    EXPECT_EQ(gua.at("BackColor").color(), QColor(0xE8, 0xE8, 0xE8));
    EXPECT_EQ(gua.at("Alignment").integer(), 2);
    EXPECT_EQ(gua.at("LimitText").integer(), 0);

    const WalkedRecord button = walked("CalculateGua");
    EXPECT_EQ(button.at("Caption").text(), "Calculate");
    EXPECT_TRUE(button.at("Default").boolean());
    EXPECT_FALSE(button.at("Cancel").boolean());
}

TEST(MainControlRecords, GuaExplanationIsFourParagraphs)
{
    const WalkedRecord field = walked("EditField1");
    EXPECT_TRUE(field.at("ReadOnly").boolean());
    EXPECT_TRUE(field.at("Multiline").boolean());
    const QByteArray text = field.at("Text").text();
    const QByteArrayList paragraphs = text.split('\r');
    ASSERT_EQ(paragraphs.size(), 7) << "four paragraphs, an empty line between each two";
    EXPECT_EQ(paragraphs[0],
              "Your personal gua determines your good directions, not locations, in your house, in Ba Zhai Feng "
              "Shui.");
    EXPECT_EQ(paragraphs[1], "");
    EXPECT_EQ(paragraphs[2], "This program only shows the Fu Wei direction, used for rest and tranquility.");
    EXPECT_EQ(paragraphs[3], "");
    EXPECT_TRUE(paragraphs[4].startsWith("One of the best uses of Feng Shui"));
    EXPECT_TRUE(paragraphs[4].endsWith("your current home or business."));
    EXPECT_EQ(paragraphs[5], "");
    EXPECT_TRUE(paragraphs[6].startsWith("To find out more, click this field"));
    EXPECT_TRUE(paragraphs[6].endsWith("look like a Chinese restaurant!"));
}

TEST(MainControlRecords, CompassLettersAndCaptionsAreCentred)
{
    const std::map<QByteArray, QByteArray> letters{
        {"StaticText1", "S"},  {"StaticText2", "N"},  {"StaticText3", "E"},  {"StaticText4", "W"},
        {"StaticText25", "N"}, {"StaticText26", "S"}, {"StaticText27", "W"}, {"StaticText28", "E"},
        {"StaticText29", "Luo Shu"}, {"StaticText30", "Western Compass"},
    };
    for (const auto& [name, text] : letters) {
        const WalkedRecord label = walked(name.constData());
        EXPECT_EQ(label.at("Text").text(), text) << name.toStdString();
        EXPECT_EQ(label.at("TextAlign").integer(), 1) << name.toStdString();
    }
    EXPECT_EQ(walked("InitialAngle").at("TextAlign").integer(), 2);
    EXPECT_EQ(walked("Direction").at("TextAlign").integer(), 0);
    EXPECT_EQ(walked("StaticText37").at("Text").text(), "Gua / Trigram\r(Later heaven ba gua)");
}

} // namespace
