#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>

#include <cstdint>
#include <initializer_list>
#include <string_view>

class QObject;

namespace fw {

// The Index of a control that is not part of a control array.
inline constexpr std::int32_t kNoIndex = INT32_MIN;

// One value of a property record, in one of the four record types.
class RecordValue {
public:
    enum class Kind { Integer, Boolean, Color, String };

    RecordValue(std::int32_t value) : kind_(Kind::Integer), integer_(value) {}
    RecordValue(bool value) : kind_(Kind::Boolean), boolean_(value) {}
    RecordValue(const QColor& value) : kind_(Kind::Color), color_(value) {}
    RecordValue(const char* utf8) : kind_(Kind::String), text_(utf8) {}
    RecordValue(std::string_view utf8) : kind_(Kind::String), text_(utf8) {}
    // Only the four record types: no floating point, no other integer widths.
    RecordValue(double) = delete;
    RecordValue(std::int64_t) = delete;
    RecordValue(unsigned) = delete;

    Kind kind() const { return kind_; }
    void appendTo(QByteArray& out) const;
    // The number of bytes that appendTo adds.
    qsizetype encodedSize() const;

private:
    Kind kind_;
    std::int32_t integer_ = 0;
    bool boolean_ = false;
    QColor color_;
    std::string_view text_;
};

struct RecordEntry {
    std::string_view key;
    RecordValue value;
};

// Encodes a readable key and value list into the record's bytes: key, one blank,
// the value in its type's form (Integer 4 bytes big-endian, Boolean 1, Color 3,
// String a 4-byte big-endian byte count and the UTF-8 bytes).
QByteArray encodeRecord(std::initializer_list<RecordEntry> entries);

// Colour literal for records, from six hexadecimal digits: color(0xD68413).
inline QColor color(std::uint32_t rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// An object whose keys each redo shared work (a control's font, a window's size) may
// hold that work back while a record assigns its keys, and do it once at the end.
// _SetProperties calls recordStarted before the first entry and recordEnded after
// the last, also when the record fails part-way.
class RecordReceiver {
public:
    virtual void recordStarted() = 0;
    virtual void recordEnded() = 0;

protected:
    ~RecordReceiver() = default;
};

// Assigns every entry of a property record to the object, in record order. Each key
// is looked up among the properties of the object's class and its bases, and the
// property's type decides how many bytes its value takes. A record that does not
// parse raises UnsupportedFormatException naming the key and the byte offset; a value
// that the property refuses raises the property's own exception (OutOfBoundsException
// for a value outside its range), its message naming the key and the offset too. The
// entries before the fault stay assigned.
void _SetProperties(QObject* object, QByteArrayView record);

} // namespace fw
