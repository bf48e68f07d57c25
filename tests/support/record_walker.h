#pragma once

// Reads a property record back into its entries, with its own table of keys and types,
// so that tests check the records independently of the code that wrote them.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace testsupport {

enum class RecordType { Integer, Boolean, Color, String };

// The type of a key; nullopt for a key that no record may carry.
std::optional<RecordType> recordTypeOf(const QByteArray& key);

struct RecordField {
    QByteArray key;
    RecordType type;
    qsizetype offset; // of the key's first byte
    QByteArray value; // the value's bytes; a String's text without its count

    // Each throws std::logic_error when the field is of another type.
    std::int32_t integer() const;
    bool boolean() const;
};

struct WalkedRecord {
    std::vector<RecordField> fields;
    QString error; // empty when the record walked cleanly to its last byte

    bool ok() const { return error.isEmpty(); }
};

// Walks the record entry by entry, taking each value's length from its key's type. Stops
// at the first fault (unknown key, missing blank, value past the end, Boolean byte other
// than 00 or 01, a key given twice) and says what and where in error.
WalkedRecord walkRecord(QByteArrayView record);

} // namespace testsupport
