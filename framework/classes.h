#pragma once

#include <QMetaObject>
#include <QMetaProperty>
#include <QString>

#include <vector>

namespace fw {

// The four property types that property records carry, and Other for the rest.
enum class PropertyType { Integer, Boolean, Color, String, Other };

PropertyType propertyTypeOf(const QMetaProperty& property);
const char* propertyTypeName(PropertyType type);

struct PropertyInfo {
    QString name;
    PropertyType type;
};

// A control that a window class holds by name, and the registered name of its class:
// the class's control accessor of that name answers it.
struct ControlMember {
    QString name;
    QString className;
};

// A registered class: its name, its base's name (empty for none), its own properties
// in declared order and the controls its accessors answer, in creation order.
// Properties and operations of a class and its bases are found by name through the
// class's meta-object (members.h).
struct ClassInfo {
    QString name;
    QString baseName;
    const QMetaObject* meta = nullptr;
    std::vector<PropertyInfo> properties;
    std::vector<ControlMember> controls;
};

// Registers a class description under a name; the framework keeps the order of
// registration. Registering a name twice keeps the first description.
void registerClass(const QString& name, const QMetaObject* meta, std::vector<ControlMember> controls = {});
// The description registered for exactly this meta-object, or nullptr.
const ClassInfo* findClass(const QMetaObject* meta);
const std::vector<ClassInfo>& registeredClasses();
const ClassInfo* findClass(const QString& name);
// The registered name of a meta-object, or its C++ class name when unregistered.
QString registeredNameOf(const QMetaObject* meta);
// Forgets every registration (used when the runtime ends).
void clearClassRegistry();

} // namespace fw
