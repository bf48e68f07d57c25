// The record walker that reads the records back in tests, and one record byte for byte.
// Every value of every record is checked in tests/windows/test_every_record.cpp.
#include "main_window/layout_records.h"
#include "support/record_walker.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using testsupport::walkRecord;

const QByteArray& recordOf(const char* name)
{
    for (const mainwindow::ControlLayout& layout : mainwindow::controlLayouts()) {
        if (std::string_view(layout.name) == name)
            return layout.record;
    }
    throw std::out_of_range(std::string("no control ") + name);
}

// --- the record walker itself, so that the checks of the records can fail ----------

TEST(RecordWalker, RejectsTruncatedUnknownAndRepeatedEntries)
{
    const QByteArray record = recordOf("Separator3");
    EXPECT_TRUE(walkRecord(record).ok());
    EXPECT_FALSE(walkRecord(record.chopped(1)).ok());
    EXPECT_FALSE(walkRecord(record + "Bogus " + QByteArray(4, '\0')).ok());
    EXPECT_FALSE(walkRecord(record + "Enabled " + QByteArray(1, '\1')).ok());
    EXPECT_FALSE(walkRecord(QByteArray("Visible ") + QByteArray(1, '\2')).ok());
    EXPECT_FALSE(walkRecord(QByteArray::fromHex("4E616D6520 00000005 41")).ok()); // "Name" count 5, 1 byte
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
    EXPECT_EQ(recordOf("Separator3").toHex(' '), expected.toHex(' '));
}

} // namespace
