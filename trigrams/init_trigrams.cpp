#include "trigrams.h"

#include "framework/exceptions.h"

#include <array>

namespace trigrams {

namespace {

// The literal values of one record, and the global that holds it. Texts are UTF-8,
// handed on byte for byte. A null relation text (produces, controls, weakens) is
// not assigned: the centre keeps the empty texts of a new record there.
struct TrigramValues {
    std::shared_ptr<trigram>* global;
    const char8_t* Name;
    std::int32_t Number;
    const char8_t* Colors;
    const char8_t* Element;
    const char8_t* Polarity;
    const char8_t* Direction;
    float InitialAngle;
    float FinalAngle;
    const char8_t* Season;
    const char8_t* FamilyMember;
    const char8_t* Form;
    const char8_t* TimeOfDay;
    const char8_t* Animal;
    const char8_t* PartsOfBody;
    const char8_t* Senses;
    const char8_t* produces;
    const char8_t* controls;
    const char8_t* Nature;
    const char8_t* Group;
    const char8_t* weakens;
    const char8_t* Trigram;
};

// The nine records in number order. Non-ASCII characters are escaped so that no
// editor can normalise them: Li's ideograph is the compatibility form U+F9EA.
constexpr std::array<TrigramValues, 9> kTable{{
    {.global = &kan,
     .Name = u8"Kan \u574E", // 坎
     .Number = 1,
     .Colors = u8"Black, Blue",
     .Element = u8"Water",
     .Polarity = u8"Yang",
     .Direction = u8"North (N)",
     .InitialAngle = 337.5f,
     .FinalAngle = 22.5f,
     .Season = u8"Winter",
     .FamilyMember = u8"Middle Son",
     .Form = u8"Wavy, free form",
     .TimeOfDay = u8"Midnight",
     .Animal = u8"Black turtle",
     .PartsOfBody = u8"Ears, kidney, bladder",
     .Senses = u8"Hearing",
     .produces = u8"Wood",
     .controls = u8"Fire",
     .Nature = u8"Water",
     .Group = u8"East (E)",
     .weakens = u8"Metal",
     .Trigram = u8"\u2635"}, // TRIGRAM FOR WATER
    {.global = &kun,
     .Name = u8"Kun \u5764", // 坤
     .Number = 2,
     .Colors = u8"Yellow, Beige",
     .Element = u8"Earth (big)",
     .Polarity = u8"Yin",
     .Direction = u8"Southwest (SW)",
     .InitialAngle = 202.5f,
     .FinalAngle = 247.5f,
     .Season = u8"Summer - Autumn",
     .FamilyMember = u8"Mother",
     .Form = u8"Rectangular",
     .TimeOfDay = u8"Early Afternoon",
     .Animal = u8"N/A",
     .PartsOfBody = u8"Abdomen, stomach.",
     .Senses = u8"N/A",
     .produces = u8"Metal",
     .controls = u8"Water",
     .Nature = u8"Earth",
     .Group = u8"West (W)",
     .weakens = u8"Fire",
     .Trigram = u8"\u2637"}, // TRIGRAM FOR EARTH
    {.global = &zhen,
     .Name = u8"Zhen \u9707", // 震
     .Number = 3,
     .Colors = u8"Jade green",
     .Element = u8"Wood (hard)",
     .Polarity = u8"Yang",
     .Direction = u8"East",
     .InitialAngle = 67.5f,
     .FinalAngle = 112.5f,
     .Season = u8"Spring",
     .FamilyMember = u8"Oldest Son",
     .Form = u8"Tall shapes",
     .TimeOfDay = u8"Mid morning",
     .Animal = u8"Green dragon",
     .PartsOfBody = u8"Throat, feet, legs",
     .Senses = u8"N/A",
     .produces = u8"Fire",
     .controls = u8"Earth",
     .Nature = u8"Thunder",
     .Group = u8"East (E)",
     .weakens = u8"Water",
     .Trigram = u8"\u2633"}, // TRIGRAM FOR THUNDER
    {.global = &xun,
     .Name = u8"Xun \u5DFD", // 巽
     .Number = 4,
     .Colors = u8"Green",
     .Element = u8"Wood (soft)",
     .Polarity = u8"Yin",
     .Direction = u8"Southeast (SE)",
     .InitialAngle = 112.5f,
     .FinalAngle = 157.5f,
     .Season = u8"Spring-Summer",
     .FamilyMember = u8"Oldest daughter",
     .Form = u8"Tall shapes",
     .TimeOfDay = u8"Late morning",
     .Animal = u8"N/A",
     .PartsOfBody = u8"Hips, butt",
     .Senses = u8"N/A",
     .produces = u8"Fire",
     .controls = u8"Earth",
     .Nature = u8"Wind",
     .Group = u8"East (E)",
     .weakens = u8"Water",
     .Trigram = u8"\u2634"}, // TRIGRAM FOR WIND
    {.global = &taiji,
     .Name = u8"No Trigram",
     .Number = 5,
     .Colors = u8"",
     .Element = u8"Earth",
     .Polarity = u8"",
     .Direction = u8"Center",
     .InitialAngle = 0.0f,
     .FinalAngle = 0.0f,
     .Season = u8"",
     .FamilyMember = u8"",
     .Form = u8"",
     .TimeOfDay = u8"",
     .Animal = u8"",
     .PartsOfBody = u8"",
     .Senses = u8"",
     .produces = nullptr,
     .controls = nullptr,
     .Nature = u8"",
     .Group = u8"",
     .weakens = nullptr,
     .Trigram = u8"\u262F"}, // YIN YANG
    {.global = &qian,
     .Name = u8"Qian \u4E7E", // 乾
     .Number = 6,
     .Colors = u8"White, Silver, Gold",
     .Element = u8"Metal (hard)",
     .Polarity = u8"Yang",
     .Direction = u8"Northwest (NW)",
     .InitialAngle = 292.5f,
     .FinalAngle = 337.5f,
     .Season = u8"Autumn-Winter",
     .FamilyMember = u8"Father",
     .Form = u8"Dome, rounded",
     .TimeOfDay = u8"Nightfall",
     .Animal = u8"N/A",
     .PartsOfBody = u8"Head, lungs",
     .Senses = u8"N/A",
     .produces = u8"Water",
     .controls = u8"Wood",
     .Nature = u8"Heaven",
     .Group = u8"West",
     .weakens = u8"Earth",
     .Trigram = u8"\u2630"}, // TRIGRAM FOR HEAVEN
    {.global = &dui,
     .Name = u8"Dui \u514C", // 兌
     .Number = 7,
     .Colors = u8"White",
     .Element = u8"Metal (soft)",
     .Polarity = u8"Yin",
     .Direction = u8"West (W)",
     .InitialAngle = 247.5f,
     .FinalAngle = 292.5f,
     .Season = u8"Autumn",
     .FamilyMember = u8"Youngest Daughter",
     .Form = u8"Circular, dome",
     .TimeOfDay = u8"Afternoon",
     .Animal = u8"White tiger",
     .PartsOfBody = u8"Mouth, throat",
     .Senses = u8"Taste",
     .produces = u8"Water",
     .controls = u8"Wood",
     .Nature = u8"Lake, Marsh",
     .Group = u8"West (W)",
     .weakens = u8"Earth",
     .Trigram = u8"\u2631"}, // TRIGRAM FOR LAKE
    {.global = &gen,
     .Name = u8"Gen \u826E", // 艮
     .Number = 8,
     .Colors = u8"Yellow, Beige",
     .Element = u8"Earth (Small)",
     .Polarity = u8"Yang",
     .Direction = u8"Northeast (NE)",
     .InitialAngle = 22.5f,
     .FinalAngle = 67.5f,
     .Season = u8"Winter-Spring",
     .FamilyMember = u8"Youngest son",
     .Form = u8"Rectangular",
     .TimeOfDay = u8"Early morning",
     .Animal = u8"N/A",
     .PartsOfBody = u8"Hands, fingers",
     .Senses = u8"Touch",
     .produces = u8"Metal",
     .controls = u8"Water",
     .Nature = u8"Mountain",
     .Group = u8"East (E)",
     .weakens = u8"Fire",
     .Trigram = u8"\u2636"}, // TRIGRAM FOR MOUNTAIN
    {.global = &li,
     .Name = u8"Li \uF9EA", // 離, the compatibility ideograph, not U+96E2
     .Number = 9,
     .Colors = u8"Red, orange, purple",
     .Element = u8"Fire",
     .Polarity = u8"Yin",
     .Direction = u8"South (S)",
     .InitialAngle = 157.5f,
     .FinalAngle = 202.5f,
     .Season = u8"Summer",
     .FamilyMember = u8"Middle Daughter",
     .Form = u8"Triangular, pointed",
     .TimeOfDay = u8"Noon",
     .Animal = u8"Red Phoenix",
     .PartsOfBody = u8"Eyes, heart",
     .Senses = u8"Sight",
     .produces = u8"Earth",
     .controls = u8"Metal",
     .Nature = u8"Fire",
     .Group = u8"East (E)",
     .weakens = u8"Wood",
     .Trigram = u8"\u2632"}, // TRIGRAM FOR FIRE
}};

// The build walks the table in number order and stores row n in slot n.
constexpr bool inNumberOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (kTable[i].Number != static_cast<std::int32_t>(i + 1))
            return false;
    }
    return true;
}
static_assert(inNumberOrder());

QString text(const char8_t* value)
{
    return QString::fromUtf8(value);
}

void assignRelation(QString& property, const char8_t* value)
{
    if (value)
        property = text(value);
}

void assign(trigram& record, const TrigramValues& values)
{
    record.Name = text(values.Name);
    record.Number = values.Number;
    record.Colors = text(values.Colors);
    record.Element = text(values.Element);
    record.Polarity = text(values.Polarity);
    record.Direction = text(values.Direction);
    record.InitialAngle = values.InitialAngle;
    record.FinalAngle = values.FinalAngle;
    record.Season = text(values.Season);
    record.FamilyMember = text(values.FamilyMember);
    record.Form = text(values.Form);
    record.TimeOfDay = text(values.TimeOfDay);
    record.Animal = text(values.Animal);
    record.PartsOfBody = text(values.PartsOfBody);
    record.Senses = text(values.Senses);
    assignRelation(record.produces, values.produces);
    assignRelation(record.controls, values.controls);
    record.Nature = text(values.Nature);
    record.Group = text(values.Group);
    assignRelation(record.weakens, values.weakens);
    record.Trigram = text(values.Trigram);
}

} // namespace

void InitTrigrams()
{
    // New records first; each global lets go of the record it held before.
    for (const TrigramValues& values : kTable)
        *values.global = std::make_shared<trigram>();

    for (const TrigramValues& values : kTable) {
        trigram& record = *fw::nonNil(values.global->get(), "trigram record");
        assign(record, values);
        tri.put(record.Number, *values.global);
    }
}

} // namespace trigrams
