#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <type_traits>

// The record of one member of the Later Heaven set: 22 public attributes, no
// behaviour. The Q_PROPERTY list gives the class its description (names and types,
// in declared order) through Qt's meta-object, so the list must follow the members.
// A new record holds empty texts, Number 0, angles 0.0 and an empty Picture.
struct trigram {
    Q_GADGET
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(int Number MEMBER Number)
    Q_PROPERTY(QVariant Picture MEMBER Picture)
    Q_PROPERTY(QString Colors MEMBER Colors)
    Q_PROPERTY(QString Element MEMBER Element)
    Q_PROPERTY(QString Polarity MEMBER Polarity)
    Q_PROPERTY(QString Direction MEMBER Direction)
    Q_PROPERTY(float InitialAngle MEMBER InitialAngle)
    Q_PROPERTY(float FinalAngle MEMBER FinalAngle)
    Q_PROPERTY(QString Season MEMBER Season)
    Q_PROPERTY(QString FamilyMember MEMBER FamilyMember)
    Q_PROPERTY(QString Form MEMBER Form)
    Q_PROPERTY(QString TimeOfDay MEMBER TimeOfDay)
    Q_PROPERTY(QString Animal MEMBER Animal)
    Q_PROPERTY(QString PartsOfBody MEMBER PartsOfBody)
    Q_PROPERTY(QString Senses MEMBER Senses)
    Q_PROPERTY(QString produces MEMBER produces)
    Q_PROPERTY(QString controls MEMBER controls)
    Q_PROPERTY(QString Nature MEMBER Nature)
    Q_PROPERTY(QString Group MEMBER Group)
    Q_PROPERTY(QString weakens MEMBER weakens)
    Q_PROPERTY(QString Trigram MEMBER Trigram)

public:
    QString Name;
    std::int32_t Number = 0;
    QVariant Picture; // nothing assigns or reads it; it stays empty
    QString Colors;
    QString Element;
    QString Polarity;
    QString Direction;
    float InitialAngle = 0.0f; // compass bearings, degrees clockwise from north
    float FinalAngle = 0.0f;
    QString Season;
    QString FamilyMember;
    QString Form;
    QString TimeOfDay;
    QString Animal;
    QString PartsOfBody;
    QString Senses;
    QString produces;
    QString controls;
    QString Nature;
    QString Group;
    QString weakens;
    QString Trigram;
};

// The meta-object describes Number as int; that is the 32-bit integer it holds.
static_assert(std::is_same_v<std::int32_t, int>);
