// The property-record format: encoding, applying in order, and refusing records that
// do not parse.
#include "framework/exceptions.h"
#include "framework/record.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QObject>

namespace {

class Sample : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Left MEMBER left)
    Q_PROPERTY(bool Visible MEMBER visible)
    Q_PROPERTY(QColor TextColor MEMBER textColor)
    Q_PROPERTY(QString Text MEMBER text)
    Q_PROPERTY(QString HelpTag MEMBER helpTag)
    Q_PROPERTY(double Ratio MEMBER ratio)

public:
    int left = -1;
    bool visible = false;
    QColor textColor;
    QString text = QStringLiteral("unset");
    QString helpTag = QStringLiteral("unset");
    double ratio = 0;
};

// Shares a key with Sample, of another type, and lacks others.
class OtherSample : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Left MEMBER left)

public:
    QString left;
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

std::string applyError(QObject* object, const QByteArray& record)
{
    try {
        fw::_SetProperties(object, record);
    } catch (const fw::UnsupportedFormatException& e) {
        return e.what();
    }
    return {};
}

TEST(PropertyRecordEncoding, EachTypeHasItsByteForm)
{
    EXPECT_EQ(fw::encodeRecord({{"Left", 640}}), QByteArray("Left ") + bytes({0x00, 0x00, 0x02, 0x80}));
    EXPECT_EQ(fw::encodeRecord({{"Left", -1}}), QByteArray("Left ") + bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(fw::encodeRecord({{"Index", fw::kNoIndex}}), QByteArray("Index ") + bytes({0x80, 0x00, 0x00, 0x00}));
    EXPECT_EQ(fw::encodeRecord({{"Visible", true}, {"Bold", false}}),
              QByteArray("Visible ") + bytes({0x01}) + QByteArray("Bold ") + bytes({0x00}));
    EXPECT_EQ(fw::encodeRecord({{"TextColor", fw::color(0xE8E8E8)}}), QByteArray("TextColor ") + bytes({0xE8, 0xE8, 0xE8}));
    EXPECT_EQ(fw::encodeRecord({{"HelpTag", ""}}), QByteArray("HelpTag ") + bytes({0, 0, 0, 0}));
}

TEST(PropertyRecordEncoding, StringCountsBytesNotCharacters)
{
    // One two-byte character and 182 one-byte characters: 183 characters, 184 bytes.
    const std::string text = "\xC3\xA9" + std::string(182, 'x');
    const QByteArray record = fw::encodeRecord({{"Text", std::string_view(text)}});
    ASSERT_EQ(record.size(), 5 + 4 + 184);
    EXPECT_EQ(record.mid(5, 4), bytes({0x00, 0x00, 0x00, 0xB8}));
}

TEST(PropertyRecordApplying, AssignsEveryTypeFromTheKeysType)
{
    Sample sample;
    // A TabIndex-like value of 32 holds the blank byte 0x20 inside the value.
    fw::_SetProperties(&sample, fw::encodeRecord({{"Left", 32},
                                                   {"Visible", true},
                                                   {"TextColor", fw::color(0x00009B)},
                                                   {"Text", "Li \xEF\xA7\xAA"},
                                                   {"HelpTag", ""}}));
    EXPECT_EQ(sample.left, 32);
    EXPECT_TRUE(sample.visible);
    EXPECT_EQ(sample.textColor, QColor(0x00, 0x00, 0x9B));
    EXPECT_EQ(sample.text.toUtf8(), QByteArray("Li \xEF\xA7\xAA"));
    EXPECT_EQ(sample.helpTag, QString());
}

TEST(PropertyRecordApplying, EntriesAreAppliedInRecordOrder)
{
    Sample sample;
    fw::_SetProperties(&sample, fw::encodeRecord({{"Text", "first"}, {"Text", "second"}}));
    EXPECT_EQ(sample.text, QStringLiteral("second"));
}

TEST(PropertyRecordApplying, AnEmptyRecordChangesNothing)
{
    Sample sample;
    fw::_SetProperties(&sample, QByteArray());
    EXPECT_EQ(sample.left, -1);
}

// Keys are found once per class: each class keeps its own properties and their types,
// whichever class assigned the same key before.
TEST(PropertyRecordApplying, EachClassAssignsItsOwnPropertyOfAName)
{
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Sample sample;
        OtherSample other;
        fw::_SetProperties(&sample, fw::encodeRecord({{"Left", 12}, {"Visible", true}}));
        fw::_SetProperties(&other, fw::encodeRecord({{"Left", "twelve"}}));
        EXPECT_EQ(sample.left, 12);
        EXPECT_EQ(other.left, QStringLiteral("twelve"));
        const std::string error = applyError(&other, fw::encodeRecord({{"Visible", true}}));
        EXPECT_NE(error.find("no property"), std::string::npos) << error;
    }
}

TEST(PropertyRecordApplying, NilObjectIsRefused)
{
    EXPECT_THROW(fw::_SetProperties(nullptr, fw::encodeRecord({{"Left", 1}})), fw::NilObjectException);
}

TEST(MalformedPropertyRecords, AreRefusedWithKeyAndOffsetAndEarlierEntriesStay)
{
    Sample sample;
    const QByteArray good = fw::encodeRecord({{"Left", 7}});
    const std::string unknown = applyError(&sample, good + fw::encodeRecord({{"Width", 3}}));
    EXPECT_NE(unknown.find("\"Width\""), std::string::npos) << unknown;
    EXPECT_NE(unknown.find("offset 9"), std::string::npos) << unknown;
    EXPECT_NE(unknown.find("no property"), std::string::npos) << unknown;
    EXPECT_EQ(sample.left, 7);
}

TEST(MalformedPropertyRecords, ValuesThatRunPastTheEnd)
{
    Sample sample;
    EXPECT_NE(applyError(&sample, QByteArray("Left ") + bytes({0, 0, 2})).find("past the end"), std::string::npos);
    EXPECT_NE(applyError(&sample, QByteArray("Visible ")).find("past the end"), std::string::npos);
    EXPECT_NE(applyError(&sample, QByteArray("TextColor ") + bytes({1, 2})).find("past the end"), std::string::npos);
    EXPECT_NE(applyError(&sample, QByteArray("Text ") + bytes({0, 0})).find("past the end"), std::string::npos);
    // A count that claims more bytes than remain, and a negative count.
    EXPECT_NE(applyError(&sample, QByteArray("Text ") + bytes({0, 0, 0, 5}) + "abc").find("past the end"),
              std::string::npos);
    EXPECT_NE(applyError(&sample, QByteArray("Text ") + bytes({0xFF, 0xFF, 0xFF, 0xFF})).find("past the end"),
              std::string::npos);
    EXPECT_EQ(sample.text, QStringLiteral("unset"));
}

TEST(MalformedPropertyRecords, TrailingBytesAndBrokenKeys)
{
    Sample sample;
    const QByteArray good = fw::encodeRecord({{"Left", 1}});
    EXPECT_NE(applyError(&sample, good + "Lef").find("not followed by a blank"), std::string::npos);
    EXPECT_NE(applyError(&sample, good + bytes({0x00})).find("does not begin with a key"), std::string::npos);
    EXPECT_NE(applyError(&sample, QByteArray("Visible ") + bytes({0x02})).find("neither 00 nor 01"), std::string::npos);
}

TEST(MalformedPropertyRecords, PropertiesOfOtherTypesCannotBeCarried)
{
    Sample sample;
    const std::string error = applyError(&sample, QByteArray("Ratio ") + bytes({0, 0, 0, 1}));
    EXPECT_NE(error.find("\"Ratio\""), std::string::npos) << error;
}

} // namespace

#include "test_record.moc"
