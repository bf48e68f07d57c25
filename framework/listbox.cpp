#include "listbox.h"

#include "graphics.h"
#include "listbox_columns.h"
#include "listbox_table.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>
#include <string>
#include <utility>

namespace fw {

namespace {

constexpr int kMaxColumns = 256;
// Where a cell keeps its CellAlignment code (0 and 1 both look left-aligned).
constexpr int kAlignmentRole = Qt::UserRole + 1;

// Marks a selection change made by code for as long as it lasts.
class Assigning {
public:
    explicit Assigning(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Assigning() { flag_ = was_; }
    Assigning(const Assigning&) = delete;
    Assigning& operator=(const Assigning&) = delete;

private:
    bool& flag_;
    bool was_;
};

Qt::Alignment alignmentFlags(int alignment)
{
    switch (alignment) {
    case Listbox::kAlignCentre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Listbox::kAlignRight: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

Qt::ScrollBarPolicy scrollPolicy(bool allowed, bool autoHide)
{
    if (!allowed)
        return Qt::ScrollBarAlwaysOff;
    return autoHide ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
}

QStandardItem* newCell(const QString& text)
{
    auto* item = new QStandardItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setData(int(Listbox::kAlignDefault), kAlignmentRole);
    item->setTextAlignment(alignmentFlags(Listbox::kAlignDefault));
    return item;
}

} // namespace

Listbox::Listbox() : TextControl(new ListTable(this))
{
    ListTable* t = table();
    t->setItemDelegate(new ListCellDelegate(this, t));
    watch(t->viewport());

    // What the user does reaches the program through these; changes made by code
    // set assigning_ and raise their events themselves.
    connect(t->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { guardedCall([this] { selectionChangedByUser(); }); });
    connect(t->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (!assigning_ && current.isValid())
                    guardedCall([&] { currentChangedByUser(current.row(), current.column()); });
            });
    connect(t->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { guardedCall([&] { HeaderPressed(column); }); });

    applyScrollbars();
    applyFont();
    rebuildRows();
}

Listbox::~Listbox()
{
    if (auto* t = static_cast<ListTable*>(widget())) {
        t->release();
        if (auto* delegate = qobject_cast<ListCellDelegate*>(t->itemDelegate()))
            delegate->release();
    }
}

ListTable* Listbox::table() const
{
    return static_cast<ListTable*>(nonNil(widget(), "list widget"));
}

// ---------------------------------------------------------------- keys

void Listbox::setColumnCount(int count)
{
    checkRange(count, 1, kMaxColumns, "ColumnCount");
    columnCount_ = count;
    rebuildRows();
}

void Listbox::setColumnWidths(const QString& widths)
{
    columnWidths_ = widths;
    layoutColumns();
}

void Listbox::setHasHeading(bool has)
{
    hasHeading_ = has;
    if (has && headingHeightStale_)
        applyRowHeight();
    rebuildRows();
}

void Listbox::setUseFocusRing(bool use)
{
    useFocusRing_ = use;
    table()->update();
}

void Listbox::setInitialValue(const QString& rows)
{
    initialValue_ = rows;
    rebuildRows();
}

void Listbox::setScrollbarHorizontal(bool shown)
{
    scrollbarHorizontal_ = shown;
    applyScrollbars();
}

void Listbox::setScrollBarVertical(bool shown)
{
    scrollBarVertical_ = shown;
    applyScrollbars();
}

void Listbox::setAutoHideScrollbars(bool value)
{
    autoHideScrollbars_ = value;
    applyScrollbars();
}

void Listbox::setGridLinesHorizontal(int style)
{
    checkRange(style, kNoLines, kThickSolid, "GridLinesHorizontal");
    gridLinesHorizontal_ = style;
    table()->viewport()->update();
}

void Listbox::setGridLinesVertical(int style)
{
    checkRange(style, kNoLines, kThickSolid, "GridLinesVertical");
    gridLinesVertical_ = style;
    table()->viewport()->update();
}

void Listbox::setDefaultRowHeight(int pixels)
{
    defaultRowHeight_ = pixels;
    applyRowHeight();
}

void Listbox::setSelectionType(int type)
{
    checkRange(type, 0, 1, "SelectionType");
    selectionType_ = type;
    table()->setSelectionMode(type == 0 ? QAbstractItemView::SingleSelection : QAbstractItemView::ExtendedSelection);
}

void Listbox::setColumnsResizable(bool value)
{
    columnsResizable_ = value;
    table()->horizontalHeader()->setSectionResizeMode(value ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void Listbox::applyFont()
{
    TextControl::applyFont();
    applyRowHeight();
}

// ---------------------------------------------------------------- rows and cells

void Listbox::rebuildRows()
{
    QStringList rows;
    if (!initialValue_.isEmpty())
        rows = QString(initialValue_)
                   .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                   .replace(QLatin1Char('\r'), QLatin1Char('\n'))
                   .split(QLatin1Char('\n'));
    QStringList heading;
    if (hasHeading_ && !rows.isEmpty())
        heading = rows.takeFirst().split(QLatin1Char('\t'));

    ListTable* t = table();
    QStandardItemModel* model = t->cells();
    {
        Assigning quietly(assigning_);
        model->setRowCount(0);
        model->setColumnCount(columnCount_);
        QStringList labels;
        for (int column = 0; column < columnCount_; ++column)
            labels << heading.value(column);
        model->setHorizontalHeaderLabels(labels);
        model->setRowCount(static_cast<int>(rows.size()));
        for (int row = 0; row < rows.size(); ++row) {
            const QStringList cells = rows[row].split(QLatin1Char('\t'));
            for (int column = 0; column < columnCount_; ++column)
                model->setItem(row, column, newCell(cells.value(column)));
        }
        t->selectionModel()->clearCurrentIndex();
    }
    listIndex_ = -1;
    t->horizontalHeader()->setVisible(hasHeading_);
    setColumnsResizable(columnsResizable_);
    layoutColumns();
}

int Listbox::ListCount() const
{
    return table()->cells()->rowCount();
}

void Listbox::checkCell(int row, int column) const
{
    checkRange(row, 0, ListCount() - 1, "row");
    checkRange(column, 0, columnCount_ - 1, "column");
}

QStandardItem* Listbox::cellItem(int row, int column) const
{
    checkCell(row, column);
    return nonNil(table()->cells()->item(row, column), "list cell");
}

QString Listbox::Cell(int row, int column) const
{
    return cellItem(row, column)->text();
}

int Listbox::CellAlignment(int row, int column) const
{
    return cellItem(row, column)->data(kAlignmentRole).toInt();
}

void Listbox::setCellAlignment(int row, int column, int alignment)
{
    QStandardItem* item = cellItem(row, column);
    checkRange(alignment, kAlignDefault, kAlignRight, "CellAlignment");
    item->setData(alignment, kAlignmentRole);
    item->setTextAlignment(alignmentFlags(alignment));
}

QString Listbox::Heading(int column) const
{
    checkRange(column, 0, columnCount_ - 1, "column");
    if (!hasHeading_)
        return QString();
    const QStandardItem* item = table()->cells()->horizontalHeaderItem(column);
    return item ? item->text() : QString();
}

// ---------------------------------------------------------------- look

void Listbox::layoutColumns()
{
    ListTable* t = table();
    const std::vector<int> widths = columnWidths(columnWidths_, columnCount_, t->availableWidth());
    for (int column = 0; column < t->cells()->columnCount() && column < static_cast<int>(widths.size()); ++column)
        t->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
}

// Rows take DefaultRowHeight, or what the font needs; the heading what the font needs.
// Measuring a font loads it, so a list whose rows have their own height and that shows
// no heading does not measure; its heading gets its height when it is shown.
void Listbox::applyRowHeight()
{
    ListTable* t = table();
    const bool measure = defaultRowHeight_ <= 0 || hasHeading_;
    const int fontHeight = measure ? QFontMetrics(t->font()).height() : 0;
    const int height = defaultRowHeight_ > 0 ? defaultRowHeight_ : fontHeight + 4;
    t->verticalHeader()->setDefaultSectionSize(height);
    for (int row = 0; row < t->cells()->rowCount(); ++row)
        t->setRowHeight(row, height);
    headingHeightStale_ = !measure;
    if (measure)
        t->heading()->setHeight(fontHeight + 3);
}

void Listbox::applyScrollbars()
{
    ListTable* t = table();
    t->setHorizontalScrollBarPolicy(scrollPolicy(scrollbarHorizontal_, autoHideScrollbars_));
    t->setVerticalScrollBarPolicy(scrollPolicy(scrollBarVertical_, autoHideScrollbars_));
    // Without a scroll bar a list never scrolls on its own to show the current row.
    t->setAutoScroll(scrollBarVertical_);
    layoutColumns();
}

// ---------------------------------------------------------------- selection

int Listbox::selectedRow() const
{
    const QModelIndexList rows = table()->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : rows) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

void Listbox::selectQuietly(int row)
{
    Assigning quietly(assigning_);
    ListTable* t = table();
    QItemSelectionModel* selection = t->selectionModel();
    if (row < 0) {
        selection->clearSelection();
        selection->clearCurrentIndex();
    } else {
        selection->setCurrentIndex(t->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void Listbox::setListIndex(int row)
{
    checkRange(row, -1, ListCount() - 1, "ListIndex");
    if (row == listIndex_)
        return;
    selectQuietly(row);
    listIndex_ = row;
    if (userInputDepth_ > 0)
        setByCodeDuringInput_ = true;
    Change();
}

void Listbox::beginUserInput()
{
    ++userInputDepth_;
}

void Listbox::endUserInput()
{
    if (--userInputDepth_ > 0 || !std::exchange(setByCodeDuringInput_, false))
        return;
    if (selectedRow() != listIndex_)
        selectQuietly(listIndex_);
}

void Listbox::selectionChangedByUser()
{
    if (assigning_ || setByCodeDuringInput_)
        return;
    const int row = selectedRow();
    if (row < 0 && requiresSelection_ && listIndex_ >= 0) {
        selectQuietly(listIndex_);
        return;
    }
    if (row == listIndex_)
        return;
    listIndex_ = row;
    Change();
}

void Listbox::currentChangedByUser(int row, int column)
{
    CellGotFocus(row, column);
}

// ---------------------------------------------------------------- from the widget

bool Listbox::cellClicked(int row, int column, int x, int y)
{
    return guardedCall([&] { return CellClick(row, column, x, y); });
}

bool Listbox::keyPressed(const QString& key)
{
    return guardedCall([&] { return KeyDown(key); });
}

bool Listbox::paintCellBackground(QPainter& painter, const QRect& cell, int row, int column)
{
    if (!CellBackgroundPaint.isHandled())
        return false;
    painter.save();
    painter.translate(cell.topLeft());
    fw::Graphics g(painter, cell.size(), table()->palette().color(QPalette::Base));
    const bool handled = guardedCall([&] { return CellBackgroundPaint(g, row, column); });
    painter.restore();
    return handled;
}

} // namespace fw
