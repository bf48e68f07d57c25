// The nine records' values, checked against a transcription of their own: one row
// per property, one column per record, kan to li. Non-ASCII text is written as its
// UTF-8 bytes so that the comparison is byte for byte.
#include "trigrams_fixture.h"

#include "framework/exceptions.h"

#include <QStringList>

#include <cmath>
#include <string>

namespace {

struct TextRow {
    const char* property;
    QString trigram::*member;
    std::array<const char*, 9> values; // kan kun zhen xun taiji qian dui gen li
};

const TextRow kTextRows[] = {
    {"Name", &trigram::Name,
     {"Kan \xE5\x9D\x8E", "Kun \xE5\x9D\xA4", "Zhen \xE9\x9C\x87", "Xun \xE5\xB7\xBD", "No Trigram",
      "Qian \xE4\xB9\xBE", "Dui \xE5\x85\x8C", "Gen \xE8\x89\xAE", "Li \xEF\xA7\xAA"}},
    {"Colors", &trigram::Colors,
     {"Black, Blue", "Yellow, Beige", "Jade green", "Green", "", "White, Silver, Gold", "White",
      "Yellow, Beige", "Red, orange, purple"}},
    {"Element", &trigram::Element,
     {"Water", "Earth (big)", "Wood (hard)", "Wood (soft)", "Earth", "Metal (hard)", "Metal (soft)",
      "Earth (Small)", "Fire"}},
    {"Polarity", &trigram::Polarity, {"Yang", "Yin", "Yang", "Yin", "", "Yang", "Yin", "Yang", "Yin"}},
    {"Direction", &trigram::Direction,
     {"North (N)", "Southwest (SW)", "East", "Southeast (SE)", "Center", "Northwest (NW)", "West (W)",
      "Northeast (NE)", "South (S)"}},
    {"Season", &trigram::Season,
     {"Winter", "Summer - Autumn", "Spring", "Spring-Summer", "", "Autumn-Winter", "Autumn",
      "Winter-Spring", "Summer"}},
    {"FamilyMember", &trigram::FamilyMember,
     {"Middle Son", "Mother", "Oldest Son", "Oldest daughter", "", "Father", "Youngest Daughter",
      "Youngest son", "Middle Daughter"}},
    {"Form", &trigram::Form,
     {"Wavy, free form", "Rectangular", "Tall shapes", "Tall shapes", "", "Dome, rounded",
      "Circular, dome", "Rectangular", "Triangular, pointed"}},
    {"TimeOfDay", &trigram::TimeOfDay,
     {"Midnight", "Early Afternoon", "Mid morning", "Late morning", "", "Nightfall", "Afternoon",
      "Early morning", "Noon"}},
    {"Animal", &trigram::Animal,
     {"Black turtle", "N/A", "Green dragon", "N/A", "", "N/A", "White tiger", "N/A", "Red Phoenix"}},
    {"PartsOfBody", &trigram::PartsOfBody,
     {"Ears, kidney, bladder", "Abdomen, stomach.", "Throat, feet, legs", "Hips, butt", "",
      "Head, lungs", "Mouth, throat", "Hands, fingers", "Eyes, heart"}},
    {"Senses", &trigram::Senses,
     {"Hearing", "N/A", "N/A", "N/A", "", "N/A", "Taste", "Touch", "Sight"}},
    {"produces", &trigram::produces,
     {"Wood", "Metal", "Fire", "Fire", "", "Water", "Water", "Metal", "Earth"}},
    {"controls", &trigram::controls,
     {"Fire", "Water", "Earth", "Earth", "", "Wood", "Wood", "Water", "Metal"}},
    {"Nature", &trigram::Nature,
     {"Water", "Earth", "Thunder", "Wind", "", "Heaven", "Lake, Marsh", "Mountain", "Fire"}},
    {"Group", &trigram::Group,
     {"East (E)", "West (W)", "East (E)", "East (E)", "", "West", "West (W)", "East (E)", "East (E)"}},
    {"weakens", &trigram::weakens,
     {"Metal", "Fire", "Water", "Water", "", "Earth", "Earth", "Fire", "Wood"}},
    {"Trigram", &trigram::Trigram,
     {"\xE2\x98\xB5", "\xE2\x98\xB7", "\xE2\x98\xB3", "\xE2\x98\xB4", "\xE2\x98\xAF", "\xE2\x98\xB0",
      "\xE2\x98\xB1", "\xE2\x98\xB6", "\xE2\x98\xB2"}},
};

const std::array<float, 9> kInitialAngles{337.5f, 202.5f, 67.5f, 112.5f, 0.0f, 292.5f, 247.5f, 22.5f, 157.5f};
const std::array<float, 9> kFinalAngles{22.5f, 247.5f, 112.5f, 157.5f, 0.0f, 337.5f, 292.5f, 67.5f, 202.5f};

std::string bytes(const QString& text)
{
    return text.toUtf8().toStdString();
}

class TrigramValuesTest : public TrigramsTest {
protected:
    void SetUp() override
    {
        TrigramsTest::SetUp();
        trigrams::InitTrigrams();
    }

    const trigram& record(std::size_t i) { return *fw::nonNil(globals()[i]->get(), "record"); }
};

TEST_F(TrigramValuesTest, EveryTextIsStoredByteForByte)
{
    ASSERT_EQ(std::size(kTextRows), 18u) << "the record has 18 texts";
    for (const TextRow& row : kTextRows) {
        for (std::size_t i = 0; i < 9; ++i) {
            SCOPED_TRACE(std::string(row.property) + " of record " + std::to_string(i + 1));
            EXPECT_EQ(bytes(record(i).*row.member), row.values[i]);
            EXPECT_EQ(bytes(readProperty(record(i), row.property).toString()), row.values[i]);
        }
    }
}

TEST_F(TrigramValuesTest, NumbersAnglesAndPicture)
{
    for (std::size_t i = 0; i < 9; ++i) {
        SCOPED_TRACE("record " + std::to_string(i + 1));
        const trigram& r = record(i);
        EXPECT_EQ(r.Number, static_cast<int>(i + 1));
        EXPECT_EQ(r.InitialAngle, kInitialAngles[i]);
        EXPECT_EQ(r.FinalAngle, kFinalAngles[i]);
        EXPECT_EQ(readProperty(r, "Number").toInt(), r.Number);
        EXPECT_EQ(readProperty(r, "InitialAngle").toFloat(), kInitialAngles[i]);
        EXPECT_EQ(readProperty(r, "FinalAngle").toFloat(), kFinalAngles[i]);
        EXPECT_FALSE(r.Picture.isValid());
        EXPECT_FALSE(readProperty(r, "Picture").isValid());
    }
}

// Li's ideograph is the compatibility form U+F9EA; normalising it would give U+96E2.
TEST_F(TrigramValuesTest, IdeographsAreNotNormalised)
{
    const QString& liName = trigrams::li->Name;
    ASSERT_EQ(liName.size(), 4);
    EXPECT_EQ(liName.at(3).unicode(), 0xF9EA);
    EXPECT_TRUE(liName.toUtf8().endsWith("\xEF\xA7\xAA"));
    EXPECT_FALSE(liName.toUtf8().contains("\xE9\x9B\xA2"));

    const QString& duiName = trigrams::dui->Name;
    ASSERT_EQ(duiName.size(), 5);
    EXPECT_EQ(duiName.at(4).unicode(), 0x514C);
    EXPECT_TRUE(duiName.toUtf8().endsWith("\xE5\x85\x8C"));
}

TEST_F(TrigramValuesTest, SectorsAreExactAndOnlyKanCrossesNorth)
{
    for (std::size_t i = 0; i < 9; ++i) {
        const trigram& r = record(i);
        SCOPED_TRACE(bytes(r.Direction));
        for (const float angle : {r.InitialAngle, r.FinalAngle}) {
            EXPECT_GE(angle, 0.0f);
            EXPECT_LT(angle, 360.0f);
            EXPECT_EQ(std::fmod(angle, 22.5f), 0.0f);
        }
        EXPECT_EQ(r.FinalAngle < r.InitialAngle, &r == trigrams::kan.get());
        if (&r != trigrams::taiji.get()) {
            EXPECT_EQ(std::fmod(r.FinalAngle - r.InitialAngle + 360.0f, 360.0f), 45.0f);
        }
    }
}

// produces, controls and weakens follow the generating order from the base element.
TEST_F(TrigramValuesTest, RelationsFollowTheGeneratingOrder)
{
    const QStringList order{"Water", "Wood", "Fire", "Earth", "Metal"};
    for (std::size_t i = 0; i < 9; ++i) {
        const trigram& r = record(i);
        if (&r == trigrams::taiji.get())
            continue;
        SCOPED_TRACE(bytes(r.Element));
        const qsizetype own = order.indexOf(r.Element.section(u' ', 0, 0));
        ASSERT_GE(own, 0);
        EXPECT_EQ(r.produces, order.at((own + 1) % 5));
        EXPECT_EQ(r.controls, order.at((own + 2) % 5));
        EXPECT_EQ(r.weakens, order.at((own + 4) % 5));
    }
}

TEST_F(TrigramValuesTest, TheCentreHasNoSectorAndNoRelations)
{
    const trigram& centre = *trigrams::taiji;
    EXPECT_EQ(centre.Name, "No Trigram");
    EXPECT_EQ(centre.Element, "Earth");
    EXPECT_EQ(centre.Direction, "Center");
    EXPECT_EQ(centre.Trigram, QString(QChar(0x262F)));
    EXPECT_EQ(centre.InitialAngle, 0.0f);
    EXPECT_EQ(centre.FinalAngle, 0.0f);
    for (const QString* text : {&centre.produces, &centre.controls, &centre.weakens, &centre.Colors,
                                &centre.Polarity, &centre.Season, &centre.FamilyMember, &centre.Form,
                                &centre.TimeOfDay, &centre.Animal, &centre.PartsOfBody,
                                &centre.Senses, &centre.Nature, &centre.Group})
        EXPECT_TRUE(text->isEmpty()) << bytes(*text);
}

} // namespace
