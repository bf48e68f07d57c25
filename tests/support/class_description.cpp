#include "class_description.h"

#include "framework/members.h"

#include <gtest/gtest.h>

namespace testsupport {

void expectOperations(const QObject* object, const std::vector<Operation>& table)
{
    const std::vector<QMetaMethod> own = fw::ownOperations(object->metaObject());
    ASSERT_EQ(own.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(QByteArray(own[i].name()), table[i].name) << "operation " << i;
        EXPECT_EQ(fw::signatureOf(own[i]).text(), table[i].signature.text()) << table[i].name;
        const fw::Member found = fw::findMember(object, QString::fromLatin1(table[i].name));
        EXPECT_EQ(found.kind, fw::Member::Kind::Operation) << table[i].name;
        EXPECT_EQ(found.method.methodIndex(), own[i].methodIndex()) << table[i].name;
        EXPECT_TRUE(fw::signatureOf(found.method) == table[i].signature) << table[i].name;
    }
}

int callEachByName(QObject* object, const std::vector<Operation>& table, const std::map<QString, Call>& calls)
{
    int called = 0;
    for (const Operation& operation : table) {
        const QString name = QString::fromLatin1(operation.name);
        if (name == "CreateControls" || name.startsWith("_CreateControls"))
            continue;
        const auto found = calls.find(name);
        const Call call = found == calls.end() ? Call{} : found->second;
        QVariant result;
        EXPECT_NO_THROW(result = fw::callMember(object, name, call.arguments)) << operation.name;
        ++called;
        const QMetaType wanted = operation.signature.result;
        EXPECT_EQ(result.metaType(), wanted.id() == QMetaType::Void ? QMetaType() : wanted) << operation.name;
        if (call.result) {
            EXPECT_EQ(result, *call.result) << operation.name;
        }
    }
    return called;
}

QStringList eventTable(const QMetaObject* meta)
{
    QStringList entries;
    for (const fw::EventEntry& entry : fw::eventTableOf(meta).entries)
        entries << QString::fromLatin1(entry.event + '=' + entry.member);
    return entries;
}

} // namespace testsupport
