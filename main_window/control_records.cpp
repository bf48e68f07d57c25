#include "control_records.h"

namespace mainwindow {

std::vector<fw::ControlMember> controlMembers(const std::vector<ControlLayout>& layouts)
{
    std::vector<fw::ControlMember> members;
    for (const ControlLayout& layout : layouts)
        members.push_back({QString::fromLatin1(layout.name), QString::fromLatin1(fw::controlClassName(layout.controlClass))});
    return members;
}

} // namespace mainwindow

namespace records {

namespace {

using fw::ControlClass;
using fw::encodeRecord;

// The keys with which every control record begins, up to its page.
QByteArray frameEntries(const Place& place)
{
    const bool locked = place.lockedToAllEdges;
    return encodeRecord({
        {"Name", place.name},
        {"Index", fw::kNoIndex},
        {"Left", place.left},
        {"Top", place.top},
        {"Width", place.width},
        {"Height", place.height},
        {"LockLeft", locked},
        {"LockTop", locked},
        {"LockRight", locked},
        {"LockBottom", locked},
        {"TabPanelIndex", place.page.index},
    });
}

QByteArray tabIndexEntry(const Place& place)
{
    return place.tabIndex ? encodeRecord({{"TabIndex", *place.tabIndex}}) : QByteArray();
}

// Every class but the rectangle follows its page with its tab index.
QByteArray head(const Place& place)
{
    return frameEntries(place) + tabIndexEntry(place);
}

// The font keys, which every class that shows text lists together in this order.
template <typename Look>
QByteArray fontEntries(const Look& look)
{
    return encodeRecord({
        {"TextFont", look.textFont},
        {"TextSize", look.textSize},
        {"Bold", look.bold},
        {"Italic", look.italic},
        {"Underline", look.underline},
    });
}

} // namespace

QByteArray window(const WindowLook& look)
{
    return encodeRecord({
        {"Placement", look.placement},
        {"Width", look.width},
        {"Height", look.height},
        {"MinWidth", look.minWidth},
        {"MinHeight", look.minHeight},
        {"MaxWidth", look.maxWidth},
        {"MaxHeight", look.maxHeight},
        {"Frame", look.frame},
        {"Composite", look.composite},
        {"HasBackColor", look.hasBackColor},
        {"BackColor", look.backColor},
        {"Title", look.title},
        {"Visible", look.visible},
        {"FullScreen", look.fullScreen},
        {"MenuBarVisible", look.menuBarVisible},
        {"CloseButton", look.closeButton},
        {"Resizeable", look.resizeable},
        {"LiveResize", look.liveResize},
        {"MaximizeButton", look.maximizeButton},
        {"MinimizeButton", look.minimizeButton},
        {"BalloonHelp", look.balloonHelp},
        {"MacProcID", look.macProcID},
    });
}

ControlLayout tabPanel(const Place& place, const TabPanelLook& look)
{
    return {place.name, ControlClass::TabPanel,
            head(place) + encodeRecord({
                {"Facing", look.facing},
                {"TabDefinition", look.tabDefinition},
                {"SmallTabs", look.smallTabs},
                {"Value", look.value},
                {"Visible", look.visible},
                {"HelpTag", look.helpTag},
                {"AutoDeactivate", look.autoDeactivate},
                {"Enabled", look.enabled},
            }) + fontEntries(look) + encodeRecord({
                {"InitialParent", place.page.parent},
            })};
}

ControlLayout popupMenu(const Place& place, const PopupMenuLook& look)
{
    // The rows stand before the selected row, so the selection finds its row.
    return {place.name, ControlClass::PopupMenu,
            head(place) + encodeRecord({
                {"Enabled", look.enabled},
                {"InitialValue", look.initialValue},
                {"ListIndex", look.listIndex},
                {"Visible", look.visible},
                {"HelpTag", look.helpTag},
                {"AutoDeactivate", look.autoDeactivate},
            }) + fontEntries(look) + encodeRecord({
                {"DataSource", look.dataSource},
                {"DataField", look.dataField},
                {"InitialParent", place.page.parent},
            })};
}

namespace {

// LittleArrows and Separator records differ only in their class.
ControlLayout plainControl(const Place& place, const PlainLook& look, ControlClass controlClass)
{
    return {place.name, controlClass,
            head(place) + encodeRecord({
                {"InitialParent", place.page.parent},
                {"Visible", look.visible},
                {"HelpTag", look.helpTag},
                {"AutoDeactivate", look.autoDeactivate},
                {"Enabled", look.enabled},
            })};
}

} // namespace

ControlLayout littleArrows(const Place& place, const PlainLook& look)
{
    return plainControl(place, look, ControlClass::LittleArrows);
}

ControlLayout separator(const Place& place, const PlainLook& look)
{
    return plainControl(place, look, ControlClass::Separator);
}

ControlLayout staticText(const Place& place, const StaticTextLook& look)
{
    QByteArray record = head(place);
    if (look.text)
        record += encodeRecord({{"Text", *look.text}});
    record += encodeRecord({
        {"TextAlign", look.textAlign},
        {"TextColor", look.textColor},
        {"Multiline", look.multiline},
        {"Enabled", look.enabled},
        {"Visible", look.visible},
        {"HelpTag", look.helpTag},
        {"AutoDeactivate", look.autoDeactivate},
    });
    record += fontEntries(look);
    record += encodeRecord({
        {"DataSource", look.dataSource},
        {"DataField", look.dataField},
        {"InitialParent", place.page.parent},
    });
    return {place.name, ControlClass::StaticText, record};
}

ControlLayout listbox(const Place& place, const ListboxLook& look)
{
    // ColumnCount and HasHeading stand before the rows, so the rows split into cells
    // and the heading line is taken as the heading.
    return {place.name, ControlClass::Listbox,
            head(place) + encodeRecord({
                {"Visible", look.visible},
                {"HelpTag", look.helpTag},
                {"AutoDeactivate", look.autoDeactivate},
                {"Enabled", look.enabled},
                {"ColumnCount", look.columnCount},
                {"ColumnWidths", look.columnWidths},
                {"HasHeading", look.hasHeading},
                {"UseFocusRing", look.useFocusRing},
                {"InitialValue", look.initialValue},
                {"HeadingIndex", look.headingIndex},
                {"ScrollbarHorizontal", look.scrollbarHorizontal},
                {"ScrollBarVertical", look.scrollBarVertical},
                {"GridLinesHorizontal", look.gridLinesHorizontal},
                {"GridLinesVertical", look.gridLinesVertical},
                {"DefaultRowHeight", look.defaultRowHeight},
                {"_ScrollWidth", look.scrollWidth},
                {"_ScrollOffset", look.scrollOffset},
            }) + fontEntries(look) + encodeRecord({
                {"Hierarchical", look.hierarchical},
                {"EnableDrag", look.enableDrag},
                {"EnableDragReorder", look.enableDragReorder},
                {"RequiresSelection", look.requiresSelection},
                {"SelectionType", look.selectionType},
                {"ColumnsResizable", look.columnsResizable},
                {"AutoHideScrollbars", look.autoHideScrollbars},
                {"DataSource", look.dataSource},
                {"DataField", look.dataField},
                {"InitialParent", place.page.parent},
            })};
}

ControlLayout pushButton(const Place& place, const PushButtonLook& look)
{
    return {place.name, ControlClass::PushButton,
            head(place) + encodeRecord({
                {"Caption", look.caption},
                {"Default", look.isDefault},
                {"Cancel", look.cancel},
                {"Enabled", look.enabled},
                {"Visible", look.visible},
                {"HelpTag", look.helpTag},
                {"AutoDeactivate", look.autoDeactivate},
            }) + fontEntries(look) + encodeRecord({
                {"InitialParent", place.page.parent},
            })};
}

ControlLayout editField(const Place& place, const EditFieldLook& look)
{
    return {place.name, ControlClass::EditField,
            head(place) + encodeRecord({
                {"Border", look.border},
                {"Multiline", look.multiline},
                {"ScrollbarHorizontal", look.scrollbarHorizontal},
                {"ScrollbarVertical", look.scrollbarVertical},
                {"Styled", look.styled},
                {"Password", look.password},
                {"UseFocusRing", look.useFocusRing},
                {"TextColor", look.textColor},
                {"BackColor", look.backColor},
                {"Enabled", look.enabled},
                {"Format", look.format},
                {"Visible", look.visible},
                {"HelpTag", look.helpTag},
                {"AutoDeactivate", look.autoDeactivate},
            }) + fontEntries(look) + encodeRecord({
                {"Text", look.text},
                {"Mask", look.mask},
                {"ReadOnly", look.readOnly},
                {"LimitText", look.limitText},
                {"AcceptTabs", look.acceptTabs},
                {"Alignment", look.alignment},
                {"DataSource", look.dataSource},
                {"DataField", look.dataField},
                {"InitialParent", place.page.parent},
            })};
}

ControlLayout rectangle(const Place& place, const RectangleLook& look)
{
    return {place.name, ControlClass::Rectangle,
            tabIndexEntry(place) + frameEntries(place) + encodeRecord({
                {"Visible", look.visible},
                {"HelpTag", look.helpTag},
                {"AutoDeactivate", look.autoDeactivate},
                {"Enabled", look.enabled},
                {"FillColor", look.fillColor},
                {"BorderWidth", look.borderWidth},
                {"TopLeftColor", look.topLeftColor},
                {"BottomRightColor", look.bottomRightColor},
                {"InitialParent", place.page.parent},
            })};
}

ControlLayout canvas(const Place& place, const CanvasLook& look)
{
    return {place.name, ControlClass::Canvas,
            head(place) + encodeRecord({
                {"Visible", look.visible},
                {"HelpTag", look.helpTag},
                {"AutoDeactivate", look.autoDeactivate},
                {"Enabled", look.enabled},
                {"UseFocusRing", look.useFocusRing},
                {"AcceptFocus", look.acceptFocus},
                {"AcceptTabs", look.acceptTabs},
                {"EraseBackground", look.eraseBackground},
                {"InitialParent", place.page.parent},
            })};
}

} // namespace records
