#include "listbox_table.h"

#include "listbox.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>

namespace fw {

QString keyDownText(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left: return QString(QChar(28));
    case Qt::Key_Right: return QString(QChar(29));
    case Qt::Key_Up: return QString(QChar(30));
    case Qt::Key_Down: return QString(QChar(31));
    case Qt::Key_Return: return QString(QChar(13));
    case Qt::Key_Enter: return QString(QChar(3));
    case Qt::Key_Tab: return QString(QChar(9));
    case Qt::Key_Backspace: return QString(QChar(8));
    case Qt::Key_Delete: return QString(QChar(127));
    case Qt::Key_Escape: return QString(QChar(27));
    case Qt::Key_Home: return QString(QChar(1));
    case Qt::Key_End: return QString(QChar(4));
    case Qt::Key_PageUp: return QString(QChar(11));
    case Qt::Key_PageDown: return QString(QChar(12));
    default: return event.text();
    }
}

void ListHeading::setHeight(int height)
{
    height_ = height;
    updateGeometry();
}

// With its height set the heading measures nothing: Qt's own hint measures the labels
// in bold, which loads a font of its own only to find a height that is not used. The
// table asks for the height alone; the sections' widths are the list's.
QSize ListHeading::sizeHint() const
{
    if (height_ > 0)
        return {length(), height_};
    return QHeaderView::sizeHint();
}

// Qt repaints a heading's sections over a selection so that it can highlight them; a
// heading that highlights nothing looks the same whatever is selected.
QRegion ListHeading::visualRegionForSelection(const QItemSelection& selection) const
{
    return highlightSections() ? QHeaderView::visualRegionForSelection(selection) : QRegion();
}

// The heading is in place before the model: Qt's default heading, which it replaces,
// never connects to the model.
ListTable::ListTable(Listbox* owner)
    : owner_(owner), heading_(new ListHeading(this)), cells_(new QStandardItemModel(this))
{
    setHorizontalHeader(heading_);
    setModel(cells_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSectionsMovable(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

int ListTable::availableWidth() const
{
    int width = maximumViewportSize().width();
    if (verticalScrollBar()->isVisibleTo(this))
        width -= verticalScrollBar()->sizeHint().width();
    return std::max(width, 0);
}

template <typename F>
void ListTable::asUserInput(F&& qtHandling)
{
    // The list outlives this call: a window closed by a handler goes only later.
    Listbox* list = owner_;
    if (list)
        list->beginUserInput();
    qtHandling();
    if (list)
        list->endUserInput();
}

// A click on a cell goes to CellClick first; True keeps the list from acting on it.
void ListTable::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (owner_ && index.isValid() && event->button() == Qt::LeftButton) {
        const QPoint inCell = at - visualRect(index).topLeft();
        if (owner_->cellClicked(index.row(), index.column(), inCell.x(), inCell.y())) {
            event->accept();
            return;
        }
    }
    asUserInput([&] { QTableView::mousePressEvent(event); });
}

void ListTable::mouseMoveEvent(QMouseEvent* event)
{
    asUserInput([&] { QTableView::mouseMoveEvent(event); });
}

void ListTable::mouseReleaseEvent(QMouseEvent* event)
{
    asUserInput([&] { QTableView::mouseReleaseEvent(event); });
}

void ListTable::keyPressEvent(QKeyEvent* event)
{
    if (owner_) {
        const QString key = keyDownText(*event);
        if (!key.isEmpty() && owner_->keyPressed(key)) {
            event->accept();
            return;
        }
    }
    asUserInput([&] { QTableView::keyPressEvent(event); });
}

// Called for the viewport's size: shared column widths follow it.
void ListTable::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (owner_)
        owner_->layoutColumns();
}

// The frame shows the focus ring: repaint it when the focus comes and goes.
void ListTable::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    update();
}

void ListTable::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    update();
}

// The frame is painted by the scroll area's own paint event; the focus ring goes
// over it.
bool ListTable::event(QEvent* event)
{
    const bool result = QTableView::event(event);
    if (event->type() == QEvent::Paint && owner_ && owner_->UseFocusRing() && hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    return result;
}

ListCellDelegate::ListCellDelegate(Listbox* owner, QObject* parent) : QStyledItemDelegate(parent), owner_(owner)
{
}

void ListCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    // The selected row is the cursor; no dotted frame around the current cell.
    cell.state &= ~QStyle::State_HasFocus;
    if (owner_ && owner_->paintCellBackground(*painter, cell.rect, index.row(), index.column())) {
        cell.backgroundBrush = Qt::NoBrush;
        cell.state &= ~QStyle::State_Selected;
    }
    const QWidget* widget = cell.widget;
    QStyle* style = widget ? widget->style() : nullptr;
    if (style)
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    paintGridLines(*painter, cell.rect);
}

namespace {

// One grid-line style: its colour, its thickness in pixels and whether it is dotted.
struct Rule {
    QColor color;
    int width = 0;
    bool dotted = false;
};

Rule ruleFor(int style, const QPalette& palette)
{
    switch (style) {
    case Listbox::kThinDotted: return {palette.color(QPalette::Mid), 1, true};
    case Listbox::kThinSolid: return {palette.color(QPalette::Mid), 1, false};
    case Listbox::kThickSolid: return {palette.color(QPalette::Dark), 2, false};
    default: return {};
    }
}

// Draws a rule along the strip; a dotted rule is one pixel thick.
void drawRule(QPainter& painter, const Rule& rule, const QRect& strip)
{
    if (rule.width <= 0)
        return;
    if (!rule.dotted) {
        painter.fillRect(strip, rule.color);
        return;
    }
    painter.setPen(QPen(rule.color, 1, Qt::DotLine));
    painter.drawLine(strip.topLeft(), strip.bottomRight());
}

} // namespace

// Each cell draws its bottom and right edges inside its own rectangle, so the lines
// of neighbouring cells meet without overlapping.
void ListCellDelegate::paintGridLines(QPainter& painter, const QRect& cell) const
{
    if (!owner_ || !owner_->widget())
        return;
    const QPalette& palette = owner_->widget()->palette();
    const Rule horizontal = ruleFor(owner_->GridLinesHorizontal(), palette);
    const Rule vertical = ruleFor(owner_->GridLinesVertical(), palette);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawRule(painter, horizontal,
             QRect(cell.left(), cell.bottom() - horizontal.width + 1, cell.width(), horizontal.width));
    drawRule(painter, vertical, QRect(cell.right() - vertical.width + 1, cell.top(), vertical.width, cell.height()));
    painter.restore();
}

} // namespace fw
