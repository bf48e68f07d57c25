#include "record.h"

#include "classes.h"
#include "exceptions.h"

#include <QMetaProperty>
#include <QObject>
#include <QVariant>

#include <string>
#include <unordered_map>

namespace fw {

namespace {

void appendInt32(QByteArray& out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>((bits >> 24) & 0xFF), static_cast<char>((bits >> 16) & 0xFF),
                           static_cast<char>((bits >> 8) & 0xFF), static_cast<char>(bits & 0xFF)};
    out.append(bytes, 4);
}

std::int32_t readInt32(const unsigned char* p)
{
    const std::uint32_t bits = (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16)
                               | (std::uint32_t(p[2]) << 8) | std::uint32_t(p[3]);
    return static_cast<std::int32_t>(bits);
}

std::string located(const QObject* object, const std::string& key, qsizetype offset, const std::string& problem)
{
    std::string message = "property record of ";
    message += object ? object->metaObject()->className() : "nil";
    message += ": ";
    message += problem;
    message += " (key \"" + key + "\" at byte offset " + std::to_string(offset) + ")";
    return message;
}

[[noreturn]] void fail(const QObject* object, const std::string& key, qsizetype offset, const std::string& problem)
{
    throw UnsupportedFormatException(located(object, key, offset, problem));
}

// A class's property as a record assigns it, found by name once per class: records
// assign the same few dozen keys to every control of a class.
struct RecordProperty {
    QMetaProperty property;
    PropertyType type;
};

const RecordProperty* recordPropertyOf(const QMetaObject* meta, const std::string& key)
{
    static std::unordered_map<const QMetaObject*, std::unordered_map<std::string, RecordProperty>> known;
    auto& ofClass = known[meta];
    if (const auto found = ofClass.find(key); found != ofClass.end())
        return &found->second;
    const int index = meta->indexOfProperty(key.c_str());
    if (index < 0)
        return nullptr;
    const QMetaProperty property = meta->property(index);
    return &ofClass.emplace(key, RecordProperty{property, propertyTypeOf(property)}).first->second;
}

bool isKeyByte(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Brackets a record's entries for an object that holds work back until the end.
class RecordScope {
public:
    explicit RecordScope(QObject* object) : receiver_(dynamic_cast<RecordReceiver*>(object))
    {
        if (receiver_)
            receiver_->recordStarted();
    }
    ~RecordScope()
    {
        if (receiver_)
            receiver_->recordEnded();
    }
    RecordScope(const RecordScope&) = delete;
    RecordScope& operator=(const RecordScope&) = delete;

private:
    RecordReceiver* receiver_;
};

} // namespace

void RecordValue::appendTo(QByteArray& out) const
{
    switch (kind_) {
    case Kind::Integer:
        appendInt32(out, integer_);
        break;
    case Kind::Boolean:
        out.append(boolean_ ? '\x01' : '\x00');
        break;
    case Kind::Color: {
        const char rgb[3] = {static_cast<char>(color_.red()), static_cast<char>(color_.green()),
                             static_cast<char>(color_.blue())};
        out.append(rgb, 3);
        break;
    }
    case Kind::String:
        appendInt32(out, static_cast<std::int32_t>(text_.size()));
        out.append(text_.data(), static_cast<qsizetype>(text_.size()));
        break;
    }
}

qsizetype RecordValue::encodedSize() const
{
    switch (kind_) {
    case Kind::Integer: return 4;
    case Kind::Boolean: return 1;
    case Kind::Color: return 3;
    case Kind::String: return 4 + static_cast<qsizetype>(text_.size());
    }
    return 0;
}

QByteArray encodeRecord(std::initializer_list<RecordEntry> entries)
{
    // Sized once: records are built by the dozen at start-up.
    qsizetype size = 0;
    for (const RecordEntry& entry : entries)
        size += static_cast<qsizetype>(entry.key.size()) + 1 + entry.value.encodedSize();
    QByteArray out;
    out.reserve(size);
    for (const RecordEntry& entry : entries) {
        out.append(entry.key.data(), static_cast<qsizetype>(entry.key.size()));
        out.append(' ');
        entry.value.appendTo(out);
    }
    return out;
}

void _SetProperties(QObject* object, QByteArrayView record)
{
    nonNil(object, "object of a property record");
    const auto* bytes = reinterpret_cast<const unsigned char*>(record.data());
    const qsizetype size = record.size();
    const QMetaObject* meta = object->metaObject();
    const RecordScope scope(object);

    qsizetype pos = 0;
    while (pos < size) {
        const qsizetype entryStart = pos;
        qsizetype keyEnd = pos;
        while (keyEnd < size && isKeyByte(bytes[keyEnd]))
            ++keyEnd;
        const std::string key(reinterpret_cast<const char*>(bytes + pos), static_cast<std::size_t>(keyEnd - pos));
        if (keyEnd == pos)
            fail(object, key, entryStart, "an entry does not begin with a key");
        if (keyEnd >= size || bytes[keyEnd] != ' ')
            fail(object, key, entryStart, "the key is not followed by a blank");

        const RecordProperty* found = recordPropertyOf(meta, key);
        if (!found)
            fail(object, key, entryStart, "no property of that name");
        const QMetaProperty& property = found->property;
        const PropertyType type = found->type;

        pos = keyEnd + 1;
        const qsizetype left = size - pos;
        QVariant value;
        switch (type) {
        case PropertyType::Integer:
            if (left < 4)
                fail(object, key, entryStart, "the Integer value runs past the end of the record");
            value = QVariant::fromValue(static_cast<int>(readInt32(bytes + pos)));
            pos += 4;
            break;
        case PropertyType::Boolean:
            if (left < 1)
                fail(object, key, entryStart, "the Boolean value runs past the end of the record");
            if (bytes[pos] > 1)
                fail(object, key, entryStart, "the Boolean value is neither 00 nor 01");
            value = QVariant::fromValue(bytes[pos] == 1);
            pos += 1;
            break;
        case PropertyType::Color:
            if (left < 3)
                fail(object, key, entryStart, "the Color value runs past the end of the record");
            value = QVariant::fromValue(QColor(bytes[pos], bytes[pos + 1], bytes[pos + 2]));
            pos += 3;
            break;
        case PropertyType::String: {
            if (left < 4)
                fail(object, key, entryStart, "the String count runs past the end of the record");
            const std::int32_t count = readInt32(bytes + pos);
            if (count < 0 || count > left - 4)
                fail(object, key, entryStart, "the String value runs past the end of the record");
            value = QVariant::fromValue(
                QString::fromUtf8(reinterpret_cast<const char*>(bytes + pos + 4), static_cast<qsizetype>(count)));
            pos += 4 + count;
            break;
        }
        case PropertyType::Other:
            fail(object, key, entryStart, "the property's type cannot be carried by a record");
        }
        if (!property.isWritable())
            fail(object, key, entryStart, "the property cannot be assigned");
        bool written = false;
        try {
            written = property.write(object, value);
        } catch (const RuntimeException& refusal) {
            // The setter refused the value: keep its kind, and say where the value stands.
            refusal.rethrowAs(located(object, key, entryStart, refusal.what()));
        }
        if (!written)
            fail(object, key, entryStart, "the property cannot be assigned");
    }
}

} // namespace fw
