#include "record_walker.h"

#include <QHash>

#include <stdexcept>

namespace testsupport {

namespace {

using T = RecordType;

const QHash<QByteArray, RecordType>& keyTypes()
{
    static const QHash<QByteArray, RecordType> types{
        {"Placement", T::Integer},
        {"Width", T::Integer},
        {"Height", T::Integer},
        {"MinWidth", T::Integer},
        {"MinHeight", T::Integer},
        {"MaxWidth", T::Integer},
        {"MaxHeight", T::Integer},
        {"Frame", T::Integer},
        {"MacProcID", T::Integer},
        {"Index", T::Integer},
        {"Left", T::Integer},
        {"Top", T::Integer},
        {"TabPanelIndex", T::Integer},
        {"TabIndex", T::Integer},
        {"Facing", T::Integer},
        {"Value", T::Integer},
        {"TextSize", T::Integer},
        {"ListIndex", T::Integer},
        {"TextAlign", T::Integer},
        {"ColumnCount", T::Integer},
        {"HeadingIndex", T::Integer},
        {"GridLinesHorizontal", T::Integer},
        {"GridLinesVertical", T::Integer},
        {"DefaultRowHeight", T::Integer},
        {"_ScrollWidth", T::Integer},
        {"_ScrollOffset", T::Integer},
        {"SelectionType", T::Integer},
        {"LimitText", T::Integer},
        {"Alignment", T::Integer},
        {"BorderWidth", T::Integer},
        {"Title", T::String},
        {"BalloonHelp", T::String},
        {"Name", T::String},
        {"TabDefinition", T::String},
        {"HelpTag", T::String},
        {"TextFont", T::String},
        {"InitialParent", T::String},
        {"InitialValue", T::String},
        {"DataSource", T::String},
        {"DataField", T::String},
        {"Text", T::String},
        {"ColumnWidths", T::String},
        {"Caption", T::String},
        {"Format", T::String},
        {"Mask", T::String},
        {"Composite", T::Boolean},
        {"HasBackColor", T::Boolean},
        {"Visible", T::Boolean},
        {"FullScreen", T::Boolean},
        {"MenuBarVisible", T::Boolean},
        {"CloseButton", T::Boolean},
        {"Resizeable", T::Boolean},
        {"LiveResize", T::Boolean},
        {"MaximizeButton", T::Boolean},
        {"MinimizeButton", T::Boolean},
        {"LockLeft", T::Boolean},
        {"LockTop", T::Boolean},
        {"LockRight", T::Boolean},
        {"LockBottom", T::Boolean},
        {"SmallTabs", T::Boolean},
        {"AutoDeactivate", T::Boolean},
        {"Enabled", T::Boolean},
        {"Bold", T::Boolean},
        {"Italic", T::Boolean},
        {"Underline", T::Boolean},
        {"Multiline", T::Boolean},
        {"HasHeading", T::Boolean},
        {"UseFocusRing", T::Boolean},
        {"ScrollbarHorizontal", T::Boolean},
        {"ScrollBarVertical", T::Boolean},
        {"ScrollbarVertical", T::Boolean},
        {"Hierarchical", T::Boolean},
        {"EnableDrag", T::Boolean},
        {"EnableDragReorder", T::Boolean},
        {"RequiresSelection", T::Boolean},
        {"ColumnsResizable", T::Boolean},
        {"AutoHideScrollbars", T::Boolean},
        {"Default", T::Boolean},
        {"Cancel", T::Boolean},
        {"Border", T::Boolean},
        {"Styled", T::Boolean},
        {"Password", T::Boolean},
        {"ReadOnly", T::Boolean},
        {"AcceptTabs", T::Boolean},
        {"AcceptFocus", T::Boolean},
        {"EraseBackground", T::Boolean},
        {"BackColor", T::Color},
        {"TextColor", T::Color},
        {"FillColor", T::Color},
        {"TopLeftColor", T::Color},
        {"BottomRightColor", T::Color},
    };
    return types;
}

int valueLength(RecordType type)
{
    switch (type) {
    case T::Integer:
        return 4;
    case T::Boolean:
        return 1;
    case T::Color:
        return 3;
    case T::String:
        return 4; // the count; the text follows
    }
    return 0;
}

std::int32_t bigEndian32(const char* bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    const std::uint32_t bits = (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16)
                               | (std::uint32_t(p[2]) << 8) | std::uint32_t(p[3]);
    return static_cast<std::int32_t>(bits);
}

void requireType(const RecordField& field, RecordType type)
{
    if (field.type != type)
        throw std::logic_error("field " + field.key.toStdString() + " is of another type");
}

QString fault(const QString& what, const QByteArray& key, qsizetype offset)
{
    return QStringLiteral("%1 (key \"%2\" at offset %3)").arg(what, QString::fromLatin1(key)).arg(offset);
}

// Reads one entry starting at pos; on success appends it and moves pos past it.
QString readEntry(QByteArrayView record, qsizetype& pos, std::vector<RecordField>& fields)
{
    const qsizetype blank = record.indexOf(' ', pos);
    if (blank < 0)
        return fault(QStringLiteral("no blank after a key"), record.sliced(pos).toByteArray(), pos);
    const QByteArray key = record.sliced(pos, blank - pos).toByteArray();
    const std::optional<RecordType> type = recordTypeOf(key);
    if (!type)
        return fault(QStringLiteral("unknown key"), key, pos);
    for (const RecordField& seen : fields) {
        if (seen.key == key)
            return fault(QStringLiteral("key given twice"), key, pos);
    }
    qsizetype valueStart = blank + 1;
    qsizetype length = valueLength(*type);
    if (record.size() - valueStart < length)
        return fault(QStringLiteral("value runs past the end"), key, pos);
    if (*type == T::String) {
        const std::int32_t count = bigEndian32(record.data() + valueStart);
        valueStart += 4;
        if (count < 0 || count > record.size() - valueStart)
            return fault(QStringLiteral("String runs past the end"), key, pos);
        length = count;
    }
    const QByteArray value = record.sliced(valueStart, length).toByteArray();
    if (*type == T::Boolean && value[0] != '\0' && value[0] != '\1')
        return fault(QStringLiteral("Boolean byte neither 00 nor 01"), key, pos);
    fields.push_back({key, *type, pos, value});
    pos = valueStart + length;
    return {};
}

} // namespace

std::optional<RecordType> recordTypeOf(const QByteArray& key)
{
    const auto found = keyTypes().constFind(key);
    if (found == keyTypes().constEnd())
        return std::nullopt;
    return *found;
}

std::int32_t RecordField::integer() const
{
    requireType(*this, T::Integer);
    return bigEndian32(value.constData());
}

bool RecordField::boolean() const
{
    requireType(*this, T::Boolean);
    return value[0] == '\1';
}

WalkedRecord walkRecord(QByteArrayView record)
{
    WalkedRecord walked;
    qsizetype pos = 0;
    while (pos < record.size() && walked.ok())
        walked.error = readEntry(record, pos, walked.fields);
    return walked;
}

} // namespace testsupport
