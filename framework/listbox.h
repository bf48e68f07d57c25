#pragma once

#include "control.h"
#include "graphics.h"

#include <QString>

class QPainter;
class QRect;
class QStandardItem;

namespace fw {

class ListTable;

// A list of rows with one or more columns, an optional heading row and single-row
// selection. Rows come from InitialValue: rows separated by CR, cells by TAB; with
// HasHeading the first line is the heading. Rows are never sorted: a click on the
// heading raises HeaderPressed and nothing else.
class Listbox : public TextControl {
    Q_OBJECT
    Q_PROPERTY(int ColumnCount READ ColumnCount WRITE setColumnCount)
    Q_PROPERTY(QString ColumnWidths READ ColumnWidths WRITE setColumnWidths)
    Q_PROPERTY(bool HasHeading READ HasHeading WRITE setHasHeading)
    Q_PROPERTY(bool UseFocusRing READ UseFocusRing WRITE setUseFocusRing)
    Q_PROPERTY(QString InitialValue READ InitialValue WRITE setInitialValue)
    Q_PROPERTY(int HeadingIndex READ HeadingIndex WRITE setHeadingIndex)
    Q_PROPERTY(bool ScrollbarHorizontal READ ScrollbarHorizontal WRITE setScrollbarHorizontal)
    Q_PROPERTY(bool ScrollBarVertical READ ScrollBarVertical WRITE setScrollBarVertical)
    Q_PROPERTY(int GridLinesHorizontal READ GridLinesHorizontal WRITE setGridLinesHorizontal)
    Q_PROPERTY(int GridLinesVertical READ GridLinesVertical WRITE setGridLinesVertical)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE setDefaultRowHeight)
    Q_PROPERTY(int _ScrollWidth READ _ScrollWidth WRITE set_ScrollWidth)
    Q_PROPERTY(int _ScrollOffset READ _ScrollOffset WRITE set_ScrollOffset)
    Q_PROPERTY(bool Hierarchical READ Hierarchical WRITE setHierarchical)
    Q_PROPERTY(bool EnableDrag READ EnableDrag WRITE setEnableDrag)
    Q_PROPERTY(bool EnableDragReorder READ EnableDragReorder WRITE setEnableDragReorder)
    Q_PROPERTY(bool RequiresSelection READ RequiresSelection WRITE setRequiresSelection)
    Q_PROPERTY(int SelectionType READ SelectionType WRITE setSelectionType)
    Q_PROPERTY(bool ColumnsResizable READ ColumnsResizable WRITE setColumnsResizable)
    Q_PROPERTY(bool AutoHideScrollbars READ AutoHideScrollbars WRITE setAutoHideScrollbars)
    Q_PROPERTY(QString DataSource READ DataSource WRITE setDataSource)
    Q_PROPERTY(QString DataField READ DataField WRITE setDataField)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)

public:
    // Grid-line styles of GridLinesHorizontal and GridLinesVertical.
    enum GridLines { kNoLines = 0, kThinDotted = 1, kThinSolid = 2, kThickSolid = 3 };
    // Cell alignments.
    enum CellAlign { kAlignDefault = 0, kAlignLeft = 1, kAlignCentre = 2, kAlignRight = 3 };

    Listbox();
    ~Listbox() override;

    // 1 to 256 columns; OutOfBoundsException outside. Changing it rebuilds the rows.
    int ColumnCount() const { return columnCount_; }
    void setColumnCount(int count);
    // Pixel widths separated by commas ("20,20,20"); "n%" takes a share of the
    // list's width; an empty or "*" entry, and every column not listed, share what
    // is left evenly.
    QString ColumnWidths() const { return columnWidths_; }
    void setColumnWidths(const QString& widths);
    bool HasHeading() const { return hasHeading_; }
    void setHasHeading(bool has);
    // The list's frame takes the highlight colour while it has the focus.
    bool UseFocusRing() const { return useFocusRing_; }
    void setUseFocusRing(bool use);
    // Setting it replaces every row (and the heading); the selection is dropped
    // without Change, as nothing of the program sees the rows before.
    QString InitialValue() const { return initialValue_; }
    void setInitialValue(const QString& rows);
    // The column that the rows are sorted by; kept only, since rows never sort.
    int HeadingIndex() const { return headingIndex_; }
    void setHeadingIndex(int column) { headingIndex_ = column; }
    bool ScrollbarHorizontal() const { return scrollbarHorizontal_; }
    void setScrollbarHorizontal(bool shown);
    bool ScrollBarVertical() const { return scrollBarVertical_; }
    void setScrollBarVertical(bool shown);
    // 0 none, 1 thin dotted, 2 thin solid, 3 thick solid; OutOfBoundsException
    // for other values.
    int GridLinesHorizontal() const { return gridLinesHorizontal_; }
    void setGridLinesHorizontal(int style);
    int GridLinesVertical() const { return gridLinesVertical_; }
    void setGridLinesVertical(int style);
    // Pixels; -1 (or any value below 1): the height that the list's font needs.
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultRowHeight(int pixels);
    // Kept for the records: the scrolled width and offset of the list's content
    // (-1 and 0: the columns' own width, no offset).
    int _ScrollWidth() const { return scrollWidth_; }
    void set_ScrollWidth(int width) { scrollWidth_ = width; }
    int _ScrollOffset() const { return scrollOffset_; }
    void set_ScrollOffset(int offset) { scrollOffset_ = offset; }
    // Kept for the records: lists here are flat and offer no dragging.
    bool Hierarchical() const { return hierarchical_; }
    void setHierarchical(bool value) { hierarchical_ = value; }
    bool EnableDrag() const { return enableDrag_; }
    void setEnableDrag(bool value) { enableDrag_ = value; }
    bool EnableDragReorder() const { return enableDragReorder_; }
    void setEnableDragReorder(bool value) { enableDragReorder_ = value; }
    // The user cannot clear a selection once there is one (code still can).
    bool RequiresSelection() const { return requiresSelection_; }
    void setRequiresSelection(bool value) { requiresSelection_ = value; }
    // 0 one row at a time, 1 several rows (ListIndex is then the first selected);
    // OutOfBoundsException for other values.
    int SelectionType() const { return selectionType_; }
    void setSelectionType(int type);
    bool ColumnsResizable() const { return columnsResizable_; }
    void setColumnsResizable(bool value);
    // Scroll bars that the two scroll-bar keys allow are shown only when needed.
    bool AutoHideScrollbars() const { return autoHideScrollbars_; }
    void setAutoHideScrollbars(bool value);
    // Kept for the records: no database is bound.
    QString DataSource() const { return dataSource_; }
    void setDataSource(const QString& source) { dataSource_ = source; }
    QString DataField() const { return dataField_; }
    void setDataField(const QString& field) { dataField_ = field; }

    // The selected row, -1 for none. Assigning a different row (-1 .. ListCount - 1,
    // OutOfBoundsException outside) raises Change before returning; the same row
    // raises nothing.
    int ListIndex() const { return listIndex_; }
    void setListIndex(int row);
    int ListCount() const;
    // OutOfBoundsException for a row or column outside the list.
    QString Cell(int row, int column) const;
    int CellAlignment(int row, int column) const;
    void setCellAlignment(int row, int column, int alignment);
    // The heading's text of a column ("" without heading).
    QString Heading(int column) const;

    Event<void()> Change{this, "Change"};
    // Before the list acts on a click in a cell (x, y relative to the cell); True:
    // the list ignores the click.
    Event<bool(int, int, int, int)> CellClick{this, "CellClick"};
    // The user moved the current cell (a click, the arrow keys).
    Event<void(int, int)> CellGotFocus{this, "CellGotFocus"};
    // A click on the heading; the result does not matter, rows never sort.
    Event<bool(int)> HeaderPressed{this, "HeaderPressed"};
    // Before each cell is painted, with a Graphics of the cell's size; True: the
    // list paints no background (and no selection) for that cell.
    Event<bool(fw::Graphics&, int, int)> CellBackgroundPaint{this, "CellBackgroundPaint"};
    // A key pressed in the list (arrows as Chr(28) to Chr(31), Return Chr(13));
    // True: the key is consumed.
    Event<bool(QString)> KeyDown{this, "KeyDown"};

protected:
    void applyFont() override;

private:
    friend class ListTable;
    friend class ListCellDelegate;

    ListTable* table() const;
    QStandardItem* cellItem(int row, int column) const;
    void checkCell(int row, int column) const;
    void rebuildRows();
    void layoutColumns();
    void applyRowHeight();
    void applyScrollbars();
    int selectedRow() const;
    void selectQuietly(int row);
    // Around Qt's own handling of one key press or click: Qt may select the row it
    // moved to once more after a Change handler has set ListIndex elsewhere; that
    // second selection is undone instead of raising Change again.
    void beginUserInput();
    void endUserInput();
    void selectionChangedByUser();
    void currentChangedByUser(int row, int column);

    // Calls from the table widget and its delegate.
    bool cellClicked(int row, int column, int x, int y);
    bool keyPressed(const QString& key);
    bool paintCellBackground(QPainter& painter, const QRect& cell, int row, int column);

    int columnCount_ = 1;
    QString columnWidths_;
    bool hasHeading_ = false;
    // The heading's height was not measured: the list showed no heading then.
    bool headingHeightStale_ = false;
    bool useFocusRing_ = false;
    QString initialValue_;
    int headingIndex_ = -1;
    bool scrollbarHorizontal_ = false;
    bool scrollBarVertical_ = true;
    int gridLinesHorizontal_ = kNoLines;
    int gridLinesVertical_ = kNoLines;
    int defaultRowHeight_ = -1;
    int scrollWidth_ = -1;
    int scrollOffset_ = 0;
    bool hierarchical_ = false;
    bool enableDrag_ = false;
    bool enableDragReorder_ = false;
    bool requiresSelection_ = false;
    int selectionType_ = 0;
    bool columnsResizable_ = false;
    bool autoHideScrollbars_ = true;
    QString dataSource_;
    QString dataField_;

    int listIndex_ = -1;
    // Set while code changes the selection: Qt's signals then raise nothing.
    bool assigning_ = false;
    int userInputDepth_ = 0;
    // Code set ListIndex while Qt handled the user's input.
    bool setByCodeDuringInput_ = false;
};

} // namespace fw
