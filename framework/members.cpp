#include "members.h"

#include "classes.h"
#include "control.h"
#include "window.h"

#include <QHash>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>

#include <unordered_map>

namespace fw {

namespace {

constexpr QByteArrayView kEventPrefix = "Event:";

std::string text(QStringView view)
{
    return view.toString().toStdString();
}

// A type for a message, as "a QString": an empty value has a type without a name.
std::string typeText(QMetaType type)
{
    const char* name = type.name();
    return name ? std::string("a ") + name : std::string("an empty value");
}

// The classes whose operations an object has, from its own class upwards: QObject's
// members are Qt's, not the framework's.
std::vector<const QMetaObject*> describedClasses(const QMetaObject* meta)
{
    std::vector<const QMetaObject*> chain;
    for (const QMetaObject* m = meta; m && m != &QObject::staticMetaObject; m = m->superClass())
        chain.push_back(m);
    return chain;
}

bool isOperation(const QMetaMethod& method)
{
    return method.methodType() == QMetaMethod::Method;
}

// A class's own operations by name, the first declared of a name: made once per class,
// since asking a method for its name makes a copy of it.
const QHash<QString, QMetaMethod>& operationsByName(const QMetaObject* meta)
{
    // Nodes stay put as the table grows: a reference handed out stays good.
    static std::unordered_map<const QMetaObject*, QHash<QString, QMetaMethod>> classes;
    const auto known = classes.find(meta);
    if (known != classes.end())
        return known->second;
    QHash<QString, QMetaMethod> byName;
    // insert() replaces: from the last declared back, so that the first of a name stays.
    const std::vector<QMetaMethod> operations = ownOperations(meta);
    for (auto method = operations.rbegin(); method != operations.rend(); ++method)
        byName.insert(QString::fromLatin1(method->name()), *method);
    return classes.emplace(meta, std::move(byName)).first->second;
}

bool findOperation(const QMetaObject* meta, QStringView name, QMetaMethod& found)
{
    // The class's own operations first, then its bases', so a class's own member wins.
    for (const QMetaObject* m : describedClasses(meta)) {
        const QHash<QString, QMetaMethod>& own = operationsByName(m);
        const auto method = own.constFind(name.toString());
        if (method != own.cend()) {
            found = *method;
            return true;
        }
    }
    return false;
}

const ControlMember* findControlMember(const QMetaObject* meta, QStringView name)
{
    for (const QMetaObject* m = meta; m; m = m->superClass()) {
        const ClassInfo* info = findClass(m);
        if (!info)
            continue;
        for (const ControlMember& control : info->controls) {
            if (control.name == name)
                return &control;
        }
    }
    return nullptr;
}

QMetaProperty findProperty(const QObject* object, QStringView name)
{
    nonNil(object, "object");
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index < 0)
        throw RuntimeException(std::string(meta->className()) + " has no property named " + text(name));
    return meta->property(index);
}

QVariant controlOf(QObject* object, const Member& member)
{
    Window* window = qobject_cast<Window*>(object);
    if (!window)
        throw IllegalCastException("control accessor " + member.controlName.toStdString()
                                   + " needs a window");
    RectControl* control = window->findControl(member.controlName);
    nonNil(control, qPrintable(member.controlName));
    if (!isOfClass(control, member.controlClass))
        throw IllegalCastException("control " + member.controlName.toStdString() + " is not a "
                                   + member.controlClass.toStdString());
    return QVariant::fromValue(static_cast<QObject*>(control));
}

} // namespace

bool ParameterType::operator==(const ParameterType& other) const
{
    if (byReference != other.byReference)
        return false;
    return byReference ? name == other.name : type == other.type;
}

bool Signature::operator==(const Signature& other) const
{
    return result == other.result && parameters == other.parameters;
}

QString Signature::text() const
{
    QStringList names;
    for (const ParameterType& type : parameters)
        names << QString::fromLatin1(type.name) + (type.byReference ? QStringLiteral("&") : QString());
    return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(result.name()), names.join(QStringLiteral(", ")));
}

const QByteArray* EventTable::memberFor(const char* event) const
{
    for (const EventEntry& entry : entries) {
        if (entry.event == event)
            return &entry.member;
    }
    return nullptr;
}

EventTable eventTableOf(const QMetaObject* meta)
{
    EventTable table;
    for (const QMetaObject* m = meta; m && !table.declared; m = m->superClass()) {
        for (int i = m->classInfoOffset(); i < m->classInfoCount(); ++i) {
            const QByteArrayView key(m->classInfo(i).name());
            if (!key.startsWith(kEventPrefix))
                continue;
            table.declared = true;
            table.entries.push_back({key.sliced(kEventPrefix.size()).toByteArray(), m->classInfo(i).value()});
        }
    }
    return table;
}

std::vector<QMetaMethod> ownOperations(const QMetaObject* meta)
{
    std::vector<QMetaMethod> operations;
    if (nonNil(meta, "class") == &QObject::staticMetaObject)
        return operations;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (isOperation(meta->method(i)))
            operations.push_back(meta->method(i));
    }
    return operations;
}

std::vector<QMetaMethod> operationTable(const QMetaObject* meta)
{
    const std::vector<const QMetaObject*> chain = describedClasses(nonNil(meta, "class"));
    std::vector<QMetaMethod> table;
    for (auto m = chain.rbegin(); m != chain.rend(); ++m) {
        const std::vector<QMetaMethod> own = ownOperations(*m);
        table.insert(table.end(), own.begin(), own.end());
    }
    return table;
}

Signature signatureOf(const QMetaMethod& method)
{
    Signature signature{method.returnMetaType(), {}};
    for (int i = 0; i < method.parameterCount(); ++i) {
        const QByteArray name = method.parameterTypeName(i);
        if (name.endsWith('&') && !name.startsWith("const "))
            signature.parameters.push_back({QMetaType(), name.chopped(1), true});
        else
            signature.parameters.push_back({method.parameterMetaType(i), method.parameterMetaType(i).name(), false});
    }
    return signature;
}

Member findMember(const QObject* object, QStringView name)
{
    const QMetaObject* meta = nonNil(object, "object")->metaObject();
    Member member;
    if (findOperation(meta, name, member.method))
        return member;
    if (const ControlMember* control = findControlMember(meta, name)) {
        member.kind = Member::Kind::Control;
        member.controlName = control->name;
        member.controlClass = control->className;
        return member;
    }
    throw RuntimeException(registeredNameOf(meta).toStdString() + " has no member named " + text(name));
}

QVariant callMember(QObject* object, QStringView name, const QVariantList& arguments)
{
    const Member member = findMember(object, name);
    if (member.kind == Member::Kind::Control) {
        if (!arguments.isEmpty())
            throw TypeMismatchException("control accessor " + text(name) + " takes no arguments");
        return controlOf(object, member);
    }
    const QMetaMethod& method = member.method;
    if (arguments.size() != method.parameterCount())
        throw TypeMismatchException(text(name) + " takes " + std::to_string(method.parameterCount())
                                    + " arguments, not " + std::to_string(arguments.size()));
    const Signature signature = signatureOf(method);
    QVariantList values = arguments;
    std::vector<void*> argv(values.size() + 1, nullptr);
    for (int i = 0; i < method.parameterCount(); ++i) {
        const ParameterType& wanted = signature.parameters[i];
        QVariant& value = values[i];
        if (wanted.byReference) {
            // The value itself cannot travel in a QVariant: its address does.
            if (QByteArrayView(value.metaType().name()) != wanted.name + '*')
                throw TypeMismatchException(text(name) + " takes a " + wanted.name.toStdString()
                                            + " by reference: pass a pointer to it");
            argv[i + 1] = *static_cast<void* const*>(value.constData());
            if (!argv[i + 1])
                throw NilObjectException(text(name) + " was given a nil " + wanted.name.toStdString());
            continue;
        }
        if (value.metaType() != wanted.type && !value.convert(wanted.type))
            throw TypeMismatchException(text(name) + ": argument " + std::to_string(i + 1) + " is not a "
                                        + wanted.name.toStdString());
        argv[i + 1] = value.data();
    }
    QVariant result;
    if (method.returnMetaType() != QMetaType::fromType<void>()) {
        result = QVariant(method.returnMetaType());
        argv[0] = result.data();
    }
    QMetaObject::metacall(object, QMetaObject::InvokeMetaMethod, method.methodIndex(), argv.data());
    return result;
}

QVariant propertyValue(const QObject* object, QStringView name)
{
    return findProperty(object, name).read(object);
}

void setPropertyValue(QObject* object, QStringView name, const QVariant& value)
{
    const QMetaProperty property = findProperty(object, name);
    QVariant converted = value;
    if (converted.metaType() != property.metaType() && !converted.convert(property.metaType()))
        throw TypeMismatchException("property " + text(name) + " is " + typeText(property.metaType()) + ", not "
                                    + typeText(value.metaType()));
    if (!property.write(object, std::move(converted)))
        throw RuntimeException("property " + text(name) + " cannot be written");
}

bool isOfClass(const QObject* object, const QString& className)
{
    if (!object)
        return false;
    for (const QMetaObject* m = object->metaObject(); m; m = m->superClass()) {
        if (registeredNameOf(m) == className)
            return true;
    }
    return false;
}

MethodDelegate::MethodDelegate(QObject* target, QMetaMethod method) : target_(target), method_(std::move(method)) {}

QString MethodDelegate::name() const
{
    return QString::fromLatin1(method_.name());
}

Invoker MethodDelegate::invoker() const
{
    return [target = target_, index = method_.methodIndex()](void** argv) {
        QMetaObject::metacall(target, QMetaObject::InvokeMetaMethod, index, argv);
    };
}

void MethodDelegate::check(const Signature& wanted, const QString& usedFor) const
{
    const Signature found = signatureOf(method_);
    if (found == wanted)
        return;
    throw TypeMismatchException("handler " + name().toStdString() + " is " + found.text().toStdString() + ", but "
                                + (usedFor.isEmpty() ? std::string("its caller") : usedFor.toStdString())
                                + " wants " + wanted.text().toStdString());
}

std::optional<MethodDelegate> ownEventHandler(QObject& object, const char* event)
{
    const EventTable table = eventTableOf(object.metaObject());
    const QByteArray* member = table.memberFor(event);
    if (!member)
        return std::nullopt;
    return Delegate(&object, QString::fromLatin1(*member));
}

MethodDelegate Delegate(QObject* target, QStringView methodName)
{
    const Member member = findMember(nonNil(target, "delegate target"), methodName);
    if (member.kind != Member::Kind::Operation)
        throw RuntimeException(text(methodName) + " is a control accessor, not a method");
    return MethodDelegate(target, member.method);
}

void _InstallInstanceEventHandler(EventSource* source, QStringView eventName, const MethodDelegate& delegate)
{
    nonNil(source, "event source");
    EventBase* event = source->findEvent(eventName);
    if (!event)
        throw RuntimeException("no event named " + text(eventName) + " for handler " + delegate.name().toStdString());
    delegate.check(event->signature(), QStringLiteral("event ") + eventName.toString());
    event->installInvoker(delegate.invoker());
}

void bindControlEvent(Window& window, const QString& controlName, const QString& eventName)
{
    RectControl* control = window.control<RectControl>(controlName);
    _InstallInstanceEventHandler(control, eventName, Delegate(&window, controlName + u'_' + eventName));
}

MenuHandler menuHandlerDelegate(QObject* target, const QString& itemName)
{
    return Delegate(target, u'_' + itemName + QStringLiteral("_Action"))
        .as<bool()>(QStringLiteral("menu item ") + itemName);
}

} // namespace fw
