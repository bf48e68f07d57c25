// The record's class: what a new record holds and the description registered
// under "trigram".
#include "trigrams_fixture.h"

#include "framework/classes.h"

#include <QMetaType>

namespace {

using ClassTest = TrigramsTest;

TEST_F(ClassTest, ANewRecordIsEmpty)
{
    const trigram record;
    const QMetaObject& meta = trigram::staticMetaObject;
    int texts = 0;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (property.typeId() == QMetaType::QString) {
            ++texts;
            EXPECT_TRUE(property.readOnGadget(&record).toString().isEmpty()) << property.name();
        }
    }
    EXPECT_EQ(texts, 18);
    EXPECT_EQ(record.Number, 0);
    EXPECT_EQ(record.InitialAngle, 0.0f);
    EXPECT_EQ(record.FinalAngle, 0.0f);
    EXPECT_FALSE(record.Picture.isValid());
}

TEST_F(ClassTest, TheDescriptionListsTheTwentyTwoPropertiesInOrder)
{
    struct Expected {
        const char* name;
        int metaType;
        fw::PropertyType type;
    };
    using T = fw::PropertyType;
    const Expected expected[] = {
        {"Name", QMetaType::QString, T::String},       {"Number", QMetaType::Int, T::Integer},
        {"Picture", QMetaType::QVariant, T::Other},    {"Colors", QMetaType::QString, T::String},
        {"Element", QMetaType::QString, T::String},    {"Polarity", QMetaType::QString, T::String},
        {"Direction", QMetaType::QString, T::String},  {"InitialAngle", QMetaType::Float, T::Other},
        {"FinalAngle", QMetaType::Float, T::Other},    {"Season", QMetaType::QString, T::String},
        {"FamilyMember", QMetaType::QString, T::String}, {"Form", QMetaType::QString, T::String},
        {"TimeOfDay", QMetaType::QString, T::String},  {"Animal", QMetaType::QString, T::String},
        {"PartsOfBody", QMetaType::QString, T::String}, {"Senses", QMetaType::QString, T::String},
        {"produces", QMetaType::QString, T::String},   {"controls", QMetaType::QString, T::String},
        {"Nature", QMetaType::QString, T::String},     {"Group", QMetaType::QString, T::String},
        {"weakens", QMetaType::QString, T::String},    {"Trigram", QMetaType::QString, T::String},
    };

    trigrams::registerTrigramClass();
    const fw::ClassInfo* info = fw::findClass("trigram");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->meta, &trigram::staticMetaObject);
    EXPECT_TRUE(info->baseName.isEmpty());
    EXPECT_EQ(info->meta->methodCount(), 0);
    ASSERT_EQ(info->properties.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(info->properties[i].name, expected[i].name) << "property " << i + 1;
        EXPECT_EQ(info->properties[i].type, expected[i].type) << expected[i].name;
        EXPECT_EQ(info->meta->property(static_cast<int>(i)).typeId(), expected[i].metaType)
            << expected[i].name;
    }
}

} // namespace
