#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

class QKeyEvent;
class QStandardItemModel;

namespace fw {

class Listbox;

// The key text that KeyDown carries: the typed text, or the classic control
// characters for keys that type none (arrows Chr(28) to Chr(31), Return Chr(13),
// Enter Chr(3), Tab Chr(9), Backspace Chr(8), Delete Chr(127), Escape Chr(27),
// Home Chr(1), End Chr(4), Page Up Chr(11), Page Down Chr(12)); empty for a key
// that stands for no text (a modifier alone).
QString keyDownText(const QKeyEvent& event);

// The heading row, as high as the list asks (Qt's own would not fit the rows of a
// short list under it).
class ListHeading : public QHeaderView {
    Q_OBJECT

public:
    explicit ListHeading(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
    void setHeight(int height);
    QSize sizeHint() const override;

protected:
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

private:
    int height_ = -1;
};

// The table view that shows a Listbox, with its cells in a model of its own: it hands
// clicks on cells, key presses and focus changes to the list before acting on them
// itself.
class ListTable : public QTableView {
    Q_OBJECT

public:
    explicit ListTable(Listbox* owner);
    // The list goes first: from then on the widget calls nothing.
    void release() { owner_ = nullptr; }
    // The width that the columns may share: the inside of the frame, less the
    // vertical scroll bar while it is shown. Known even before the list is shown.
    int availableWidth() const;
    ListHeading* heading() const { return heading_; }
    QStandardItemModel* cells() const { return cells_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Runs Qt's handling of one input of the user inside the list's user-input scope.
    template <typename F>
    void asUserInput(F&& qtHandling);

    Listbox* owner_;
    ListHeading* heading_;
    QStandardItemModel* cells_;
};

// Paints one cell: the program's background first (CellBackgroundPaint), then the
// cell as the style draws it, then the cell's grid lines on its bottom and right.
class ListCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit ListCellDelegate(Listbox* owner, QObject* parent);
    void release() { owner_ = nullptr; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintGridLines(QPainter& painter, const QRect& cell) const;
    Listbox* owner_;
};

} // namespace fw
