// The About, Info and Help windows' property records, and all 90 records together.
#include "main_window/layout_records.h"
#include "support/record_walker.h"
#include "windows/about_records.h"
#include "windows/help_records.h"
#include "windows/info_records.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace {

using fw::ControlClass;
using mainwindow::ControlLayout;
using testsupport::walkRecord;
using testsupport::WalkedRecord;

struct WindowRecords {
    const char* window;
    const QByteArray& (*windowRecord)();
    const std::vector<ControlLayout>& (*controlLayouts)();
};

const WindowRecords kWindows[] = {
    {"Oruvel", mainwindow::windowRecord, mainwindow::controlLayouts},
    {"AboutBox", aboutbox::windowRecord, aboutbox::controlLayouts},
    {"Info", info::windowRecord, info::controlLayouts},
    {"Help", help::windowRecord, help::controlLayouts},
};

WalkedRecord walked(const std::vector<ControlLayout>& layouts, const char* name)
{
    for (const ControlLayout& layout : layouts) {
        if (std::string_view(layout.name) == name)
            return walkRecord(layout.record);
    }
    throw std::out_of_range(std::string("no control ") + name);
}

// The keys a control's record must hold, with the three departures from its class order.
QStringList expectedKeys(const char* window, const ControlLayout& layout)
{
    QStringList keys = testsupport::controlKeyOrder(layout.controlClass);
    if (std::string_view(window) == "Oruvel" && std::string_view(layout.name) == "StaticText22")
        keys.removeOne("Text");
    if (std::string_view(window) == "Info" && layout.controlClass == ControlClass::Rectangle)
        keys.prepend("TabIndex");
    return keys;
}

const QByteArray kEmptyStringEnd = QByteArray("InitialParent ") + QByteArray(4, '\0');

// --- all 90 records --------------------------------------------------------------

TEST(AllRecords, NinetyRecordsWalkToTheirEndInTheirClassOrder)
{
    int records = 0;
    for (const WindowRecords& window : kWindows) {
        SCOPED_TRACE(window.window);
        EXPECT_EQ(testsupport::recordFault(window.windowRecord(), testsupport::windowKeyOrder()).toStdString(), "");
        ++records;
        for (const ControlLayout& layout : window.controlLayouts()) {
            SCOPED_TRACE(layout.name);
            EXPECT_EQ(
                testsupport::recordFault(layout.record, expectedKeys(window.window, layout), layout.name).toStdString(),
                "");
            ++records;
        }
    }
    EXPECT_EQ(records, 90);
}

TEST(AllRecords, ClassCountsOverTheEightySixControls)
{
    std::map<ControlClass, int> counts;
    int controls = 0;
    for (const WindowRecords& window : kWindows) {
        for (const ControlLayout& layout : window.controlLayouts()) {
            ++counts[layout.controlClass];
            ++controls;
        }
    }
    EXPECT_EQ(controls, 86);
    EXPECT_EQ(counts[ControlClass::StaticText], 59);
    EXPECT_EQ(counts[ControlClass::EditField], 5);
    EXPECT_EQ(counts[ControlClass::PopupMenu], 4);
    EXPECT_EQ(counts[ControlClass::Canvas], 4);
    EXPECT_EQ(counts[ControlClass::Rectangle], 4);
    EXPECT_EQ(counts[ControlClass::Listbox], 3);
    EXPECT_EQ(counts[ControlClass::Separator], 3);
    EXPECT_EQ(counts[ControlClass::TabPanel], 2);
    EXPECT_EQ(counts[ControlClass::PushButton], 1);
    EXPECT_EQ(counts[ControlClass::LittleArrows], 1);
}

TEST(AllRecords, NoLineFeedAndNoControlIndex)
{
    for (const WindowRecords& window : kWindows) {
        for (const ControlLayout& layout : window.controlLayouts()) {
            SCOPED_TRACE(layout.name);
            const WalkedRecord record = walkRecord(layout.record);
            EXPECT_EQ(record.at("Index").integer(), INT32_MIN);
            for (const auto& field : record.fields) {
                if (field.type == testsupport::RecordType::String) {
                    EXPECT_FALSE(field.value.contains('\n')) << field.key.toStdString();
                }
            }
        }
    }
}

TEST(AllRecords, SecondaryWindowControlsStandOnTheWindowAndAreShown)
{
    for (const WindowRecords& window : kWindows) {
        if (std::string_view(window.window) == "Oruvel")
            continue;
        for (const ControlLayout& layout : window.controlLayouts()) {
            SCOPED_TRACE(layout.name);
            const WalkedRecord record = walkRecord(layout.record);
            EXPECT_EQ(record.at("TabPanelIndex").integer(), 0);
            EXPECT_TRUE(record.at("Visible").boolean());
            EXPECT_TRUE(record.at("Enabled").boolean());
            // Every class but the separator (which ends with Enabled) ends with InitialParent.
            const bool endsWithParent = layout.controlClass != ControlClass::Separator;
            EXPECT_EQ(layout.record.endsWith(kEmptyStringEnd), endsWithParent) << "ends in an empty String";
        }
    }
}

// --- About -----------------------------------------------------------------------

TEST(AboutRecords, WindowRecord)
{
    const WalkedRecord window = walkRecord(aboutbox::windowRecord());
    EXPECT_EQ(window.at("Title").text(), "About Oruvel");
    EXPECT_EQ(window.at("Width").integer(), 301);
    EXPECT_EQ(window.at("Height").integer(), 323);
    EXPECT_EQ(window.at("MinWidth").integer(), 284);
    EXPECT_EQ(window.at("MaxHeight").integer(), 231);
    EXPECT_EQ(window.at("Frame").integer(), 4);
    EXPECT_TRUE(window.at("Composite").boolean());
    EXPECT_FALSE(window.at("Resizeable").boolean());
    EXPECT_FALSE(window.at("MaximizeButton").boolean());
    EXPECT_TRUE(window.at("MinimizeButton").boolean());
}

TEST(AboutRecords, SevenControlsInTabOrder)
{
    const char* names[] = {"StaticText1", "versionDisp", "StaticText3", "daURL", "Canvas1", "daURL1", "StaticText4"};
    const auto& layouts = aboutbox::controlLayouts();
    ASSERT_EQ(layouts.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_STREQ(layouts[i].name, names[i]);
        EXPECT_EQ(layouts[i].controlClass, i == 4 ? ControlClass::Canvas : ControlClass::StaticText);
        EXPECT_EQ(walkRecord(layouts[i].record).at("TabIndex").integer(), i);
    }
    const WalkedRecord notice = walked(layouts, "StaticText3");
    EXPECT_EQ(notice.at("Left").integer(), 31);
    EXPECT_EQ(notice.at("Top").integer(), 145);
    EXPECT_EQ(notice.at("Width").integer(), 236);
    EXPECT_EQ(notice.at("Height").integer(), 72);
}

TEST(AboutRecords, NoticeIsCountedInBytes)
{
    const WalkedRecord notice = walked(aboutbox::controlLayouts(), "StaticText3");
    // © is two bytes, the en dash three.
    const QByteArray authorship =
        QByteArray::fromHex("C2A9") + " 2004" + QByteArray::fromHex("E28093") + "2026 Marin Ostrava";
    const QByteArray expected = authorship + "\r\r\rFellmark Software. All rights reserved.";
    EXPECT_EQ(notice.at("Text").text(), expected);
    EXPECT_EQ(expected.size(), QString::fromUtf8(expected).size() + 3);
    EXPECT_TRUE(notice.at("Multiline").boolean());
    EXPECT_EQ(notice.at("TextSize").integer(), 9);

    // The count in front of the text is the byte count, big-endian.
    const QByteArray& record = aboutbox::controlLayouts()[2].record;
    const qsizetype textAt = record.indexOf("Text ") + 5;
    EXPECT_EQ(record.mid(textAt, 4).toHex(), QByteArray::number(expected.size(), 16).rightJustified(8, '0'));
}

TEST(AboutRecords, LabelsAreCentredAndTheLinksBlueAndUnderlined)
{
    const auto& layouts = aboutbox::controlLayouts();
    for (const ControlLayout& layout : layouts) {
        if (layout.controlClass != ControlClass::StaticText)
            continue;
        SCOPED_TRACE(layout.name);
        const WalkedRecord label = walkRecord(layout.record);
        const bool link = std::string_view(layout.name).starts_with("daURL");
        EXPECT_EQ(label.at("TextAlign").integer(), 1);
        EXPECT_EQ(label.at("Underline").boolean(), link);
        EXPECT_EQ(label.at("AutoDeactivate").boolean(), !link);
        EXPECT_EQ(label.at("TextColor").color(), link ? QColor(0, 0, 255) : QColor(0, 0, 0));
        EXPECT_EQ(label.at("Bold").boolean(), std::string_view(layout.name) == "StaticText1");
        EXPECT_EQ(label.at("TextFont").text(), "System");
    }
    EXPECT_EQ(walked(layouts, "daURL").at("Text").text(), "https://www.fellmark.example/");
    EXPECT_EQ(walked(layouts, "daURL").at("HelpTag").text(), "URL of Fellmark Software");
    EXPECT_EQ(walked(layouts, "daURL1").at("Text").text(), "https://www.corvale.example/");
    EXPECT_EQ(walked(layouts, "daURL1").at("HelpTag").text(), "URL of Corvale Feng Shui Consultants");
    EXPECT_EQ(walked(layouts, "daURL1").at("Top").integer(), 261);
    EXPECT_EQ(walked(layouts, "versionDisp").at("Text").text(), "2.0b");
    EXPECT_EQ(walked(layouts, "StaticText4").at("Text").text(), "Thanks to Corvale Feng Shui Consultants.");
}

TEST(AboutRecords, IconCanvas)
{
    const WalkedRecord icon = walked(aboutbox::controlLayouts(), "Canvas1");
    EXPECT_EQ(icon.at("Left").integer(), 116);
    EXPECT_EQ(icon.at("Top").integer(), 29);
    EXPECT_EQ(icon.at("Width").integer(), 64);
    EXPECT_EQ(icon.at("Height").integer(), 63);
    EXPECT_TRUE(icon.at("AutoDeactivate").boolean());
    EXPECT_TRUE(icon.at("UseFocusRing").boolean());
    EXPECT_FALSE(icon.at("AcceptFocus").boolean());
    EXPECT_FALSE(icon.at("AcceptTabs").boolean());
    EXPECT_TRUE(icon.at("EraseBackground").boolean());
}

// --- Info ------------------------------------------------------------------------

TEST(InfoRecords, WindowRecord)
{
    const WalkedRecord window = walkRecord(info::windowRecord());
    EXPECT_EQ(window.at("Placement").integer(), 2);
    EXPECT_EQ(window.at("Width").integer(), 274);
    EXPECT_EQ(window.at("MinHeight").integer(), 480);
    EXPECT_EQ(window.at("MaxWidth").integer(), 250);
    EXPECT_EQ(window.at("MaxHeight").integer(), 0);
    EXPECT_FALSE(window.at("Composite").boolean());
    EXPECT_EQ(window.at("Title").text(), "Info");
    EXPECT_TRUE(window.at("MaximizeButton").boolean());
    EXPECT_FALSE(window.at("Resizeable").boolean());
}

TEST(InfoRecords, BarsBeginWithTheirTabIndex)
{
    const std::map<QByteArray, std::array<int, 5>> bars{
        {"Rectangle4", {142, 70, 48, 8, 2}},
        {"Rectangle5", {23, 70, 20, 8, 3}},
        {"Rectangle6", {51, 70, 20, 8, 4}},
    };
    for (const auto& [name, place] : bars) {
        SCOPED_TRACE(name.toStdString());
        const WalkedRecord bar = walked(info::controlLayouts(), name.constData());
        EXPECT_EQ(bar.fields[0].key, "TabIndex");
        EXPECT_EQ(bar.fields[1].key, "Name");
        EXPECT_EQ(bar.at("Left").integer(), place[0]);
        EXPECT_EQ(bar.at("Top").integer(), place[1]);
        EXPECT_EQ(bar.at("Width").integer(), place[2]);
        EXPECT_EQ(bar.at("Height").integer(), place[3]);
        EXPECT_EQ(bar.at("TabIndex").integer(), place[4]);
        for (const char* key : {"FillColor", "TopLeftColor", "BottomRightColor"})
            EXPECT_EQ(bar.at(key).color(), QColor(0, 0, 0)) << key;
        EXPECT_EQ(bar.at("BorderWidth").integer(), 1);
    }
}

TEST(InfoRecords, YinYangTable)
{
    const WalkedRecord list = walked(info::controlLayouts(), "ListBox1");
    EXPECT_EQ(list.at("ColumnCount").integer(), 2);
    EXPECT_EQ(list.at("ColumnWidths").text(), "");
    EXPECT_TRUE(list.at("HasHeading").boolean());
    EXPECT_TRUE(list.at("ScrollBarVertical").boolean());
    EXPECT_FALSE(list.at("ScrollbarHorizontal").boolean());
    EXPECT_EQ(list.at("GridLinesHorizontal").integer(), 0);
    EXPECT_EQ(list.at("GridLinesVertical").integer(), 1);
    EXPECT_EQ(list.at("DefaultRowHeight").integer(), -1);
    EXPECT_EQ(list.at("TextSize").integer(), 11);
    EXPECT_EQ(list.at("TabIndex").integer(), 10);
    const QByteArrayList lines = list.at("InitialValue").text().split('\r');
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], "Yin\tYang");
    EXPECT_EQ(lines[1], "Female\tMale");
    EXPECT_EQ(lines[9], "Sour\tSweet");
    EXPECT_EQ(lines[12], "Winter\tSummer");
    for (const QByteArray& line : lines)
        EXPECT_EQ(line.count('\t'), 1) << line.toStdString();
}

TEST(InfoRecords, ExplanationIsTwoParagraphsOf319Bytes)
{
    const WalkedRecord field = walked(info::controlLayouts(), "EditField1");
    const QByteArray text = field.at("Text").text();
    EXPECT_EQ(text.size(), 319);
    const QByteArrayList lines = text.split('\r');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("The trigrams are made up of three lines."));
    EXPECT_TRUE(lines[0].endsWith("just about anything."));
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Yin and yang are all about balance!");
    EXPECT_FALSE(field.at("ReadOnly").boolean());
    EXPECT_FALSE(field.at("ScrollbarVertical").boolean());
    EXPECT_EQ(field.at("TextSize").integer(), 9);
    EXPECT_EQ(field.at("TabIndex").integer(), 6);
    EXPECT_EQ(field.at("Top").integer(), 308);
}

TEST(InfoRecords, HeadingAndSeparator)
{
    const WalkedRecord heading = walked(info::controlLayouts(), "StaticText3");
    EXPECT_EQ(heading.at("Text").text(), "Trigrams");
    EXPECT_TRUE(heading.at("Bold").boolean());
    EXPECT_EQ(heading.at("TabIndex").integer(), 5);
    const WalkedRecord line = walked(info::controlLayouts(), "Separator1");
    EXPECT_EQ(line.at("Width").integer(), 240);
    EXPECT_EQ(line.at("TabIndex").integer(), 6);
}

// --- Help ------------------------------------------------------------------------

TEST(HelpRecords, ResizableWindowWithOneLockedField)
{
    const WalkedRecord window = walkRecord(help::windowRecord());
    EXPECT_EQ(window.at("Title").text(), "Help");
    EXPECT_TRUE(window.at("Resizeable").boolean());
    EXPECT_TRUE(window.at("LiveResize").boolean());
    EXPECT_EQ(window.at("MinWidth").integer(), 64);
    EXPECT_EQ(window.at("MaxWidth").integer(), 32000);

    ASSERT_EQ(help::controlLayouts().size(), 1u);
    EXPECT_EQ(help::controlLayouts()[0].controlClass, ControlClass::EditField);
    const WalkedRecord field = walkRecord(help::controlLayouts()[0].record);
    for (const char* lock : {"LockLeft", "LockTop", "LockRight", "LockBottom"})
        EXPECT_TRUE(field.at(lock).boolean()) << lock;
    EXPECT_EQ(field.at("Width").integer(), 298);
    EXPECT_EQ(field.at("Height").integer(), 255);
    EXPECT_TRUE(field.at("Styled").boolean());
    EXPECT_TRUE(field.at("ReadOnly").boolean());
    EXPECT_TRUE(field.at("ScrollbarVertical").boolean());
    EXPECT_FALSE(field.at("ScrollbarHorizontal").boolean());
    EXPECT_FALSE(field.at("UseFocusRing").boolean());
    EXPECT_EQ(field.at("TextSize").integer(), 11);
}

TEST(HelpRecords, HelpTextIsSeventeenLines)
{
    const QByteArray text = walkRecord(help::controlLayouts()[0].record).at("Text").text();
    const QByteArrayList expected{
        "Oruvel",
        "",
        "How to use",
        "",
        "Gua Tab",
        "",
        "The program will calculates a person's gua number based on the sex and birthdate displayed. The gua is "
        "always calculated based on the Chinese solar calendar, not the lunar calendar used to celebrate Chinese "
        "New Year.",
        "",
        "Trigram List",
        "",
        "Click the trigram to display or choose the number from the popup or use the up and down arrows to "
        "change the number. The numbers for the gua are taken from the later heaven ba gua.",
        " ",
        "Send comments and suggestions to support@fellmark.example.",
        "",
        "",
        "",
        "Fellmark Software and the author of Oruvel accept no responsibility for the use or misuse of this "
        "program and give no warranty that the data it presents is correct.",
    };
    EXPECT_EQ(text.split('\r'), expected);
    EXPECT_FALSE(text.endsWith('\r'));
}

} // namespace
