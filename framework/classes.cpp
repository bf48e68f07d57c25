#include "classes.h"

#include <QColor>

namespace fw {

namespace {
std::vector<ClassInfo>& registry()
{
    static std::vector<ClassInfo> classes;
    return classes;
}
} // namespace

PropertyType propertyTypeOf(const QMetaProperty& property)
{
    switch (property.typeId()) {
    case QMetaType::Int:
        return PropertyType::Integer;
    case QMetaType::Bool:
        return PropertyType::Boolean;
    case QMetaType::QColor:
        return PropertyType::Color;
    case QMetaType::QString:
        return PropertyType::String;
    default:
        return PropertyType::Other;
    }
}

const char* propertyTypeName(PropertyType type)
{
    switch (type) {
    case PropertyType::Integer:
        return "Integer";
    case PropertyType::Boolean:
        return "Boolean";
    case PropertyType::Color:
        return "Color";
    case PropertyType::String:
        return "String";
    case PropertyType::Other:
        break;
    }
    return "Other";
}

void registerClass(const QString& name, const QMetaObject* meta, std::vector<ControlMember> controls)
{
    if (!meta || findClass(name))
        return;
    ClassInfo info;
    info.name = name;
    info.meta = meta;
    info.controls = std::move(controls);
    if (const QMetaObject* base = meta->superClass())
        info.baseName = registeredNameOf(base);
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        info.properties.push_back({QString::fromLatin1(property.name()), propertyTypeOf(property)});
    }
    registry().push_back(std::move(info));
}

const std::vector<ClassInfo>& registeredClasses()
{
    return registry();
}

const ClassInfo* findClass(const QString& name)
{
    for (const ClassInfo& info : registry()) {
        if (info.name == name)
            return &info;
    }
    return nullptr;
}

const ClassInfo* findClass(const QMetaObject* meta)
{
    for (const ClassInfo& info : registry()) {
        if (info.meta == meta)
            return &info;
    }
    return nullptr;
}

QString registeredNameOf(const QMetaObject* meta)
{
    if (const ClassInfo* info = findClass(meta))
        return info->name;
    return meta ? QString::fromLatin1(meta->className()) : QString();
}

void clearClassRegistry()
{
    registry().clear();
}

} // namespace fw
