#include "record_walker.h"

#include <QHash>

#include <algorithm>
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

QColor RecordField::color() const
{
    requireType(*this, T::Color);
    return QColor(static_cast<unsigned char>(value[0]), static_cast<unsigned char>(value[1]),
                  static_cast<unsigned char>(value[2]));
}

QByteArray RecordField::text() const
{
    requireType(*this, T::String);
    return value;
}

QStringList WalkedRecord::keys() const
{
    QStringList names;
    for (const RecordField& field : fields)
        names << QString::fromLatin1(field.key);
    return names;
}

const RecordField& WalkedRecord::at(const QByteArray& key) const
{
    for (const RecordField& field : fields) {
        if (field.key == key)
            return field;
    }
    throw std::out_of_range("the record has no key " + key.toStdString());
}

bool WalkedRecord::has(const QByteArray& key) const
{
    for (const RecordField& field : fields) {
        if (field.key == key)
            return true;
    }
    return false;
}

WalkedRecord walkRecord(QByteArrayView record)
{
    WalkedRecord walked;
    qsizetype pos = 0;
    while (pos < record.size() && walked.ok())
        walked.error = readEntry(record, pos, walked.fields);
    return walked;
}

const QStringList& windowKeyOrder()
{
    static const QStringList keys{
        "Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame",
        "Composite", "HasBackColor", "BackColor", "Title", "Visible", "FullScreen", "MenuBarVisible",
        "CloseButton", "Resizeable", "LiveResize", "MaximizeButton", "MinimizeButton", "BalloonHelp",
        "MacProcID",
    };
    return keys;
}

QStringList controlKeyOrder(fw::ControlClass controlClass)
{
    using fw::ControlClass;
    const QStringList frame{"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop",
                            "LockRight", "LockBottom", "TabPanelIndex"};
    const QStringList head = frame + QStringList{"TabIndex"};
    switch (controlClass) {
    case ControlClass::TabPanel:
        return head + QStringList{"Facing", "TabDefinition", "SmallTabs", "Value", "Visible", "HelpTag",
                                  "AutoDeactivate", "Enabled", "TextFont", "TextSize", "Bold", "Italic",
                                  "Underline", "InitialParent"};
    case ControlClass::PopupMenu:
        return head + QStringList{"Enabled", "InitialValue", "ListIndex", "Visible", "HelpTag",
                                  "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic", "Underline",
                                  "DataSource", "DataField", "InitialParent"};
    case ControlClass::LittleArrows:
    case ControlClass::Separator:
        return head + QStringList{"InitialParent", "Visible", "HelpTag", "AutoDeactivate", "Enabled"};
    case ControlClass::StaticText:
        return head + QStringList{"Text", "TextAlign", "TextColor", "Multiline", "Enabled", "Visible",
                                  "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic",
                                  "Underline", "DataSource", "DataField", "InitialParent"};
    case ControlClass::Listbox:
        return head + QStringList{"Visible", "HelpTag", "AutoDeactivate", "Enabled", "ColumnCount",
                                  "ColumnWidths", "HasHeading", "UseFocusRing", "InitialValue",
                                  "HeadingIndex", "ScrollbarHorizontal", "ScrollBarVertical",
                                  "GridLinesHorizontal", "GridLinesVertical", "DefaultRowHeight",
                                  "_ScrollWidth", "_ScrollOffset", "TextFont", "TextSize", "Bold", "Italic",
                                  "Underline", "Hierarchical", "EnableDrag", "EnableDragReorder",
                                  "RequiresSelection", "SelectionType", "ColumnsResizable",
                                  "AutoHideScrollbars", "DataSource", "DataField", "InitialParent"};
    case ControlClass::PushButton:
        return head + QStringList{"Caption", "Default", "Cancel", "Enabled", "Visible", "HelpTag",
                                  "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic", "Underline",
                                  "InitialParent"};
    case ControlClass::EditField:
        return head + QStringList{"Border", "Multiline", "ScrollbarHorizontal", "ScrollbarVertical", "Styled",
                                  "Password", "UseFocusRing", "TextColor", "BackColor", "Enabled", "Format",
                                  "Visible", "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "Bold",
                                  "Italic", "Underline", "Text", "Mask", "ReadOnly", "LimitText",
                                  "AcceptTabs", "Alignment", "DataSource", "DataField", "InitialParent"};
    case ControlClass::Rectangle:
        // The main window's order; the Info window's rectangles put TabIndex first.
        return frame + QStringList{"Visible", "HelpTag", "AutoDeactivate", "Enabled", "FillColor",
                                   "BorderWidth", "TopLeftColor", "BottomRightColor", "InitialParent"};
    case ControlClass::Canvas:
        return head + QStringList{"Visible", "HelpTag", "AutoDeactivate", "Enabled", "UseFocusRing",
                                  "AcceptFocus", "AcceptTabs", "EraseBackground", "InitialParent"};
    }
    return {};
}

QString recordFault(QByteArrayView record, const QStringList& expectedKeys, const QByteArray& name)
{
    const WalkedRecord walked = walkRecord(record);
    if (!walked.ok())
        return walked.error;
    const QStringList keys = walked.keys();
    for (qsizetype i = 0; i < std::max(keys.size(), expectedKeys.size()); ++i) {
        const QString found = keys.value(i, QStringLiteral("(end)"));
        const QString expected = expectedKeys.value(i, QStringLiteral("(end)"));
        if (found != expected)
            return QStringLiteral("key %1 is %2, expected %3").arg(i).arg(found, expected);
    }
    if (!name.isNull() && walked.at("Name").text() != name)
        return QStringLiteral("Name is \"%1\"").arg(QString::fromUtf8(walked.at("Name").text()));
    return {};
}

} // namespace testsupport
