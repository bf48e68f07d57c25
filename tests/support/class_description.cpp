#include "class_description.h"

#include "framework/classes.h"
#include "framework/control.h"
#include "framework/members.h"
#include "framework/window.h"

#include <gtest/gtest.h>

namespace testsupport {

const std::vector<Operation>& windowOperations()
{
    static const std::vector<Operation> table{
        op<void()>("Show"),
        op<void()>("Close"),
        op<void()>("EnableMenuItems"),
        op<void(QString, fw::RectControl*)>("_AddControl"),
        op<void(QString, fw::MenuHandler)>("_AddMenuHandler"),
    };
    return table;
}

const std::vector<Operation>& applicationOperations()
{
    static const std::vector<Operation> table{
        op<void(int)>("Quit"),
        op<void(QString, fw::MenuHandler)>("_AddMenuHandler"),
    };
    return table;
}

void expectOperations(const QObject* object, const std::vector<Operation>& inherited, const std::vector<Operation>& own)
{
    std::vector<Operation> whole = inherited;
    whole.insert(whole.end(), own.begin(), own.end());
    const std::vector<QMetaMethod> table = fw::operationTable(object->metaObject());
    ASSERT_EQ(table.size(), whole.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        EXPECT_EQ(QByteArray(table[i].name()), whole[i].name) << "operation " << i;
        EXPECT_EQ(fw::signatureOf(table[i]).text(), whole[i].signature.text()) << whole[i].name;
        EXPECT_EQ(table[i].enclosingMetaObject() == object->metaObject(), i >= inherited.size()) << whole[i].name;
        const fw::Member found = fw::findMember(object, QString::fromLatin1(whole[i].name));
        EXPECT_EQ(found.kind, fw::Member::Kind::Operation) << whole[i].name;
        EXPECT_EQ(found.method.methodIndex(), table[i].methodIndex()) << whole[i].name;
        EXPECT_TRUE(fw::signatureOf(found.method) == whole[i].signature) << whole[i].name;
    }
    for (const Operation& mine : own) {
        for (const Operation& base : inherited)
            EXPECT_STRNE(mine.name, base.name) << "an own operation takes an inherited one's name";
    }
    for (const char* internal : {"deleteLater", "destroyed", "objectNameChanged"})
        EXPECT_THROW(fw::findMember(object, QString::fromLatin1(internal)), fw::RuntimeException) << internal;
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

const std::vector<Operation>& menuItemAccessors()
{
    static const std::vector<Operation> table{
        op<fw::MenuItem*()>("HelpMenu"),      op<fw::AppleMenuItem*()>("AppleAboutOruvel"),
        op<fw::MenuItem*()>("HelpHelp"),      op<fw::MenuItem*()>("WindowMenu"),
        op<fw::MenuItem*()>("WindowShowInfo"), op<fw::MenuItem*()>("EditMenu"),
        op<fw::MenuItem*()>("EditClear"),     op<fw::MenuItem*()>("EditPaste"),
        op<fw::MenuItem*()>("EditCopy"),      op<fw::MenuItem*()>("EditCut"),
        op<fw::MenuItem*()>("UntitledMenu0"), op<fw::MenuItem*()>("EditUndo"),
        op<fw::MenuItem*()>("FileMenu"),      op<fw::QuitMenuItem*()>("FileQuit"),
        op<fw::MenuItem*()>("FileClose"),     op<fw::MenuItem*()>("UntitledMenu1"),
    };
    return table;
}

void expectControls(fw::Window* window, const QString& className, const std::vector<std::pair<QString, QString>>& layout)
{
    const fw::ClassInfo* info = fw::findClass(className);
    ASSERT_NE(info, nullptr) << qPrintable(className);
    ASSERT_EQ(info->controls.size(), layout.size());
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const auto& [name, controlClass] = layout[i];
        EXPECT_EQ(info->controls[i].name, name);
        EXPECT_EQ(info->controls[i].className, controlClass);
        EXPECT_EQ(fw::findMember(window, name).kind, fw::Member::Kind::Control) << qPrintable(name);
        QObject* answered = qvariant_cast<QObject*>(fw::callMember(window, name));
        EXPECT_EQ(answered, static_cast<QObject*>(window->findControl(name))) << qPrintable(name);
        EXPECT_TRUE(fw::isOfClass(answered, controlClass)) << qPrintable(name);
    }
}

QStringList eventTable(const QMetaObject* meta)
{
    QStringList entries;
    for (const fw::EventEntry& entry : fw::eventTableOf(meta).entries)
        entries << QString::fromLatin1(entry.event + '=' + entry.member);
    return entries;
}

} // namespace testsupport
