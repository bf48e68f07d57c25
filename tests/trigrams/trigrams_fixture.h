#pragma once

#include "trigrams/trigrams.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QVariant>

#include <array>
#include <memory>

// Every test starts as the program does: an empty table and no records.
class TrigramsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        trigrams::releaseRecords();
        trigrams::releaseTable();
        trigrams::createTable();
    }

    void TearDown() override
    {
        trigrams::releaseRecords();
        trigrams::releaseTable();
    }

    // The nine globals in number order, kan (1) to li (9).
    static std::array<std::shared_ptr<trigram>*, 9> globals()
    {
        using namespace trigrams;
        return {&kan, &kun, &zhen, &xun, &taiji, &qian, &dui, &gen, &li};
    }

    // A property read by name through the class description, as the framework does.
    static QVariant readProperty(const trigram& record, const char* name)
    {
        const int index = trigram::staticMetaObject.indexOfProperty(name);
        EXPECT_GE(index, 0) << "no property " << name;
        if (index < 0)
            return {};
        return trigram::staticMetaObject.property(index).readOnGadget(&record);
    }
};
