#pragma once

// Members by name. A class description is the class's meta-object: its Q_INVOKABLE
// methods are its own operations, in declaration order, each with its name and
// signature; its Q_PROPERTYs are its stored fields; its "Event:" class infos are its
// event table; the control list given at registration (classes.h) names the controls
// that its control accessors answer. Through these the framework finds and calls any
// member by name, binds control events to handlers by name, and raises an object's
// own events. Qt's own members (QObject's, and every signal and slot) are no
// operations: nothing answered by name reaches them.

#include "events.h"
#include "exceptions.h"
#include "signature.h"

#include <QByteArray>
#include <QMetaMethod>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QObject;
struct QMetaObject;

namespace fw {

class Window;

// One entry of a class's event table: the event of its own (as "Open") and the member
// that handles it (as "Event_Open").
struct EventEntry {
    QByteArray event;
    QByteArray member;
};

// The event table of the nearest class, from the object's own upwards, that declares
// one with Q_CLASSINFO("Event:<event>", "<member>"), in declaration order; declared
// is false when no class of the chain declares any.
struct EventTable {
    bool declared = false;
    std::vector<EventEntry> entries;
    // The member bound to the event, or nullptr when the class does not handle it.
    const QByteArray* memberFor(const char* event) const;
};
EventTable eventTableOf(const QMetaObject* meta);

// The class's own operations (its Q_INVOKABLE methods, not its bases'), in order.
std::vector<QMetaMethod> ownOperations(const QMetaObject* meta);
// The class's whole table of operations in slot order: its topmost base's own first
// (Window's, Application's), then each derived class's own down to the class itself.
std::vector<QMetaMethod> operationTable(const QMetaObject* meta);
Signature signatureOf(const QMetaMethod& method);

// A member found by name: an operation of the class or of a base, or a control
// accessor of the class's declared control list.
struct Member {
    enum class Kind { Operation, Control };
    Kind kind = Kind::Operation;
    QMetaMethod method;      // for an operation
    QString controlName;     // for a control accessor
    QString controlClass;    // the class the accessor answers with
};
// RuntimeException naming the member when the class has none of that name.
Member findMember(const QObject* object, QStringView name);

// Calls a member by name. Arguments are converted to the operation's parameter types;
// a parameter taken by non-const reference is given as a pointer to the value. A
// control accessor takes no argument and answers the window's control of its name as
// a QObject*, checked to be of the declared class. RuntimeException for an unknown
// name, TypeMismatchException for arguments that do not fit; what the member raises
// passes to the caller.
QVariant callMember(QObject* object, QStringView name, const QVariantList& arguments = {});

// The framework's generic object accessors: a property of the object's class or its
// bases, by name. RuntimeException for an unknown name (no property is made up),
// TypeMismatchException for a value that does not convert to the property's type.
QVariant propertyValue(const QObject* object, QStringView name);
void setPropertyValue(QObject* object, QStringView name, const QVariant& value);

// Whether the object's class, or one of its bases, is the class registered under the
// name (an unregistered class answers to its C++ name).
bool isOfClass(const QObject* object, const QString& className);

// The object, checked to be of the class registered under the name, for code that
// cannot name that class in C++: NilObjectException for nil, IllegalCastException for
// another class.
template <typename T>
T* classCast(T* object, const QString& className)
{
    nonNil(object, qPrintable(className));
    if (!isOfClass(object, className))
        throw IllegalCastException("the object is not a " + className.toStdString() + " but a "
                                   + object->metaObject()->className());
    return object;
}

// A target object and one of its operations, found by name.
class MethodDelegate {
public:
    MethodDelegate(QObject* target, QMetaMethod method);

    QObject* target() const { return target_; }
    const QMetaMethod& method() const { return method_; }
    QString name() const;
    // A call of the operation on the target, for a signature already checked.
    Invoker invoker() const;
    // TypeMismatchException naming the method and the wanted signature unless the
    // operation has exactly that signature.
    void check(const Signature& wanted, const QString& usedFor) const;

    template <typename Function>
    std::function<Function> as(const QString& usedFor = QString()) const
    {
        check(signatureFor<Function>(), usedFor);
        return typedCall<Function>(invoker());
    }

private:
    QObject* target_;
    QMetaMethod method_;
};

// The target's operation of that name, from its class description: NilObjectException
// for a nil target, RuntimeException naming the method when there is none.
MethodDelegate Delegate(QObject* target, QStringView methodName);

// Makes the delegate the handler of one event of one object, after checking that its
// operation takes the event's arguments and gives the event's result; a mismatch
// raises TypeMismatchException naming both.
void _InstallInstanceEventHandler(EventSource* source, QStringView eventName, const MethodDelegate& delegate);

// Binds an event of the window's control to the window's operation named after the
// control and the event, "day_Change", found by name in the window's class description.
void bindControlEvent(Window& window, const QString& controlName, const QString& eventName);

// The handler of a menu item's command: the target's operation "_<item>_Action",
// taking nothing and giving a Boolean, found by name.
MenuHandler menuHandlerDelegate(QObject* target, const QString& itemName);

// The member that handles one of the object's own events: the one that its class's
// event table binds to the event, found by name; nothing when the class does not
// handle the event or declares no table.
std::optional<MethodDelegate> ownEventHandler(QObject& object, const char* event);

// Raises one of the object's own events, of the given signature: the class's handler,
// if its table names one, is called by name; otherwise nothing runs and the result is
// the type's default. A handler whose signature differs raises TypeMismatchException.
template <typename Function, typename... Args>
auto raiseOwnEvent(QObject& object, const char* event, Args&&... args)
{
    using Result = typename std::function<Function>::result_type;
    const std::optional<MethodDelegate> handler = ownEventHandler(object, event);
    if (!handler)
        return Result();
    return handler->as<Function>(QString::fromLatin1(event))(std::forward<Args>(args)...);
}

} // namespace fw
