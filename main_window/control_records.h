#pragma once

// Builders of property records, one per window or control class. Each writes every key
// of its class in the class's record order; the caller gives the place and the values
// that differ, the defaults below are the values that most records share.

#include "framework/classes.h"
#include "framework/control_class.h"
#include "framework/record.h"

#include <QByteArray>
#include <QColor>

#include <cstdint>
#include <optional>
#include <vector>

namespace mainwindow {

// One control of a window: its name, its class and its property record, in creation order.
struct ControlLayout {
    const char* name;
    fw::ControlClass controlClass;
    QByteArray record;
};

// The controls of a layout table as a window class's control accessors, in creation order.
std::vector<fw::ControlMember> controlMembers(const std::vector<ControlLayout>& layouts);

} // namespace mainwindow

namespace records {

using mainwindow::ControlLayout;

// The enclosing control and its 1-based page; a control on the window itself has neither.
struct Page {
    const char* parent;
    std::int32_t index;
};
inline constexpr Page kOnWindow{"", 0};

// Where a control stands, in window coordinates. A control without a tab index (the
// main window's rectangle) carries no TabIndex key at all.
struct Place {
    const char* name;
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
    std::optional<std::int32_t> tabIndex;
    Page page = kOnWindow;
    bool lockedToAllEdges = false;
};

// Marks the one label whose text is set by code: its record has no Text key.
inline constexpr std::optional<const char*> kNoText = std::nullopt;

struct WindowLook {
    std::int32_t placement;
    std::int32_t width;
    std::int32_t height;
    std::int32_t minWidth;
    std::int32_t minHeight;
    std::int32_t maxWidth;
    std::int32_t maxHeight;
    std::int32_t frame;
    bool composite;
    bool hasBackColor;
    QColor backColor;
    const char* title;
    bool visible;
    bool fullScreen;
    bool menuBarVisible;
    bool closeButton;
    bool resizeable;
    bool liveResize;
    bool maximizeButton;
    bool minimizeButton;
    const char* balloonHelp;
    std::int32_t macProcID;
};

struct TabPanelLook {
    std::int32_t facing = 0;
    const char* tabDefinition;
    bool smallTabs = false;
    std::int32_t value = 0;
    bool visible = true;
    const char* helpTag = "";
    bool autoDeactivate = true;
    bool enabled = true;
    const char* textFont = "System";
    std::int32_t textSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct PopupMenuLook {
    bool enabled = true;
    const char* initialValue;
    std::int32_t listIndex;
    bool visible = true;
    const char* helpTag = "";
    bool autoDeactivate = true;
    const char* textFont = "System";
    std::int32_t textSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    const char* dataSource = "";
    const char* dataField = "";
};

// LittleArrows and Separator share this tail.
struct PlainLook {
    bool visible = true;
    const char* helpTag = "";
    bool autoDeactivate = true;
    bool enabled = true;
};

struct StaticTextLook {
    std::optional<const char*> text = "";
    std::int32_t textAlign;
    QColor textColor = fw::color(0x000000);
    bool multiline = false;
    bool enabled = true;
    bool visible = true;
    const char* helpTag = "";
    bool autoDeactivate = true;
    const char* textFont = "System";
    std::int32_t textSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    const char* dataSource = "";
    const char* dataField = "";
};

struct ListboxLook {
    bool visible = true;
    const char* helpTag = "";
    bool autoDeactivate = true;
    bool enabled = true;
    std::int32_t columnCount;
    const char* columnWidths;
    bool hasHeading;
    bool useFocusRing = false;
    const char* initialValue;
    std::int32_t headingIndex = -1;
    bool scrollbarHorizontal = false;
    bool scrollBarVertical = false;
    std::int32_t gridLinesHorizontal;
    std::int32_t gridLinesVertical;
    std::int32_t defaultRowHeight;
    std::int32_t scrollWidth = -1;
    std::int32_t scrollOffset = 0;
    const char* textFont = "System";
    std::int32_t textSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hierarchical = false;
    bool enableDrag = false;
    bool enableDragReorder = false;
    bool requiresSelection = false;
    std::int32_t selectionType = 0;
    bool columnsResizable = false;
    bool autoHideScrollbars = true;
    const char* dataSource = "";
    const char* dataField = "";
};

struct PushButtonLook {
    const char* caption;
    bool isDefault = false;
    bool cancel = false;
    bool enabled = true;
    bool visible = true;
    const char* helpTag = "";
    bool autoDeactivate = true;
    const char* textFont = "System";
    std::int32_t textSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct EditFieldLook {
    bool border;
    bool multiline;
    bool scrollbarHorizontal = false;
    bool scrollbarVertical;
    bool styled = false;
    bool password = false;
    bool useFocusRing;
    QColor textColor = fw::color(0x000000);
    QColor backColor = fw::color(0xFFFFFF);
    bool enabled = true;
    const char* format = "";
    bool visible = true;
    const char* helpTag = "";
    bool autoDeactivate = true;
    const char* textFont = "System";
    std::int32_t textSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    const char* text = "";
    const char* mask = "";
    bool readOnly;
    std::int32_t limitText = 0;
    bool acceptTabs = false;
    std::int32_t alignment;
    const char* dataSource = "";
    const char* dataField = "";
};

struct RectangleLook {
    bool visible = true;
    const char* helpTag = "";
    bool autoDeactivate = true;
    bool enabled = true;
    QColor fillColor;
    std::int32_t borderWidth;
    QColor topLeftColor;
    QColor bottomRightColor;
};

struct CanvasLook {
    bool visible = true;
    const char* helpTag = "";
    bool autoDeactivate = false;
    bool enabled = true;
    bool useFocusRing = false;
    bool acceptFocus = false;
    bool acceptTabs = false;
    bool eraseBackground = true;
};

QByteArray window(const WindowLook& look);

ControlLayout tabPanel(const Place& place, const TabPanelLook& look);
ControlLayout popupMenu(const Place& place, const PopupMenuLook& look);
ControlLayout littleArrows(const Place& place, const PlainLook& look = {});
ControlLayout staticText(const Place& place, const StaticTextLook& look);
ControlLayout listbox(const Place& place, const ListboxLook& look);
ControlLayout pushButton(const Place& place, const PushButtonLook& look);
ControlLayout editField(const Place& place, const EditFieldLook& look);
ControlLayout separator(const Place& place, const PlainLook& look = {});
// A rectangle's tab index, when it has one, is its record's first key.
ControlLayout rectangle(const Place& place, const RectangleLook& look);
ControlLayout canvas(const Place& place, const CanvasLook& look = {});

} // namespace records
