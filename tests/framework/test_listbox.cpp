// The list: rows and heading from InitialValue, selection and its events.
#include "framework/exceptions.h"
#include "framework/graphics.h"
#include "framework/listbox.h"
#include "framework/record.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

namespace {

const char* const kTrigrams = "Trigrams\rKan\rKun\rZhen\rXun\r\rQian\rDui\rGen\rLi";
const char* const kLuoShu = "4\t9\t2\r3\t5\t7\r8\t1\t6";

// The trigram list as the main window's record makes it, on a shown host widget.
struct ShownList {
    QWidget host;
    fw::Listbox list;
    std::vector<std::string> events;

    explicit ShownList(const QByteArray& record)
    {
        host.resize(300, 300);
        fw::_SetProperties(&list, record);
        list.widget()->setParent(&host);
        list.widget()->show();
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    QTableView* table() const { return qobject_cast<QTableView*>(list.widget()); }
    QWidget* viewport() const { return table()->viewport(); }
    QPoint cellCentre(int row, int column) const
    {
        return table()->visualRect(table()->model()->index(row, column)).center();
    }
    void clickCell(int row, int column, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, modifiers, cellCentre(row, column));
    }

    void recordEvents()
    {
        list.Change.install([this] { events.push_back("Change " + std::to_string(list.ListIndex())); });
        list.CellGotFocus.install(
            [this](int row, int column) { events.push_back("CellGotFocus " + std::to_string(row) + "," + std::to_string(column)); });
    }
};

QByteArray triBoxRecord()
{
    return fw::encodeRecord({{"Left", 10},
                             {"Top", 10},
                             {"Width", 74},
                             {"Height", 154},
                             {"ColumnCount", 1},
                             {"ColumnWidths", "74"},
                             {"HasHeading", true},
                             {"InitialValue", kTrigrams},
                             {"ScrollbarHorizontal", false},
                             {"ScrollBarVertical", false},
                             {"GridLinesHorizontal", 1},
                             {"GridLinesVertical", 1},
                             {"DefaultRowHeight", 15}});
}

QByteArray baguaRecord()
{
    return fw::encodeRecord({{"Left", 10},
                             {"Top", 10},
                             {"Width", 60},
                             {"Height", 60},
                             {"ColumnCount", 3},
                             {"ColumnWidths", "20,20,20"},
                             {"HasHeading", false},
                             {"InitialValue", kLuoShu},
                             {"ScrollbarHorizontal", false},
                             {"ScrollBarVertical", false},
                             {"GridLinesHorizontal", 3},
                             {"GridLinesVertical", 3},
                             {"DefaultRowHeight", 20}});
}

TEST(Listbox, RowsAndHeadingFromInitialValue)
{
    fw::Listbox list;
    fw::_SetProperties(&list, triBoxRecord());
    ASSERT_EQ(list.ListCount(), 9);
    EXPECT_EQ(list.Cell(0, 0), "Kan");
    EXPECT_EQ(list.Cell(4, 0), "");
    EXPECT_EQ(list.Cell(8, 0), "Li");
    EXPECT_EQ(list.Heading(0), "Trigrams");
    EXPECT_EQ(list.ListIndex(), -1);
    auto* table = qobject_cast<QTableView*>(list.widget());
    ASSERT_NE(table, nullptr);
    EXPECT_FALSE(table->horizontalHeader()->isHidden());
    EXPECT_TRUE(table->verticalHeader()->isHidden());
    EXPECT_EQ(table->rowHeight(3), 15);
    EXPECT_EQ(table->columnWidth(0), 74);
    EXPECT_EQ(table->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(Listbox, CellsWithoutHeading)
{
    fw::Listbox list;
    fw::_SetProperties(&list, baguaRecord());
    ASSERT_EQ(list.ListCount(), 3);
    EXPECT_EQ(list.Cell(0, 1), "9");
    EXPECT_EQ(list.Cell(1, 2), "7");
    EXPECT_EQ(list.Cell(2, 0), "8");
    EXPECT_EQ(list.Heading(1), "");
    auto* table = qobject_cast<QTableView*>(list.widget());
    EXPECT_TRUE(table->horizontalHeader()->isHidden());
    EXPECT_EQ(table->columnWidth(2), 20);
    EXPECT_EQ(table->rowHeight(2), 20);

    EXPECT_THROW(list.Cell(3, 0), fw::OutOfBoundsException);
    EXPECT_THROW(list.Cell(0, 3), fw::OutOfBoundsException);
    EXPECT_THROW(list.Cell(-1, 0), fw::OutOfBoundsException);
    EXPECT_THROW(list.Heading(3), fw::OutOfBoundsException);
}

TEST(Listbox, ExtraCellsAreDroppedAndMissingCellsAreEmpty)
{
    fw::Listbox list;
    list.setColumnCount(2);
    list.setHasHeading(true);
    list.setInitialValue("Yin\tYang\ta\tb\rFemale\rNight\tDay\tmore");
    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.Heading(1), "Yang");
    EXPECT_EQ(list.Cell(0, 1), "");
    EXPECT_EQ(list.Cell(1, 1), "Day");
    EXPECT_THROW(list.setColumnCount(0), fw::OutOfBoundsException);
    EXPECT_THROW(list.setColumnCount(257), fw::OutOfBoundsException);
}

TEST(Listbox, ListIndexByCodeRaisesChangeOnlyForADifferentValue)
{
    fw::Listbox list;
    fw::_SetProperties(&list, triBoxRecord());
    std::vector<int> seen;
    list.Change.install([&] { seen.push_back(list.ListIndex()); });

    list.setListIndex(3);
    EXPECT_EQ(seen, std::vector<int>{3});
    list.setListIndex(3);
    EXPECT_EQ(seen, std::vector<int>{3});
    list.setListIndex(8);
    list.setListIndex(-1);
    EXPECT_EQ(seen, (std::vector<int>{3, 8, -1}));
    list.setListIndex(-1);
    EXPECT_EQ(seen.size(), 3u);

    auto* table = qobject_cast<QTableView*>(list.widget());
    list.setListIndex(2);
    EXPECT_TRUE(table->selectionModel()->isRowSelected(2, QModelIndex()));
    list.setListIndex(-1);
    EXPECT_FALSE(table->selectionModel()->hasSelection());
}

TEST(Listbox, ListIndexOutOfRangeRaisesAndChangesNothing)
{
    fw::Listbox list;
    fw::_SetProperties(&list, triBoxRecord());
    list.setListIndex(1);
    int changes = 0;
    list.Change.install([&] { ++changes; });
    EXPECT_THROW(list.setListIndex(9), fw::OutOfBoundsException);
    EXPECT_THROW(list.setListIndex(-2), fw::OutOfBoundsException);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(changes, 0);
}

TEST(Listbox, ChangeRunsToItsEndBeforeTheAssignmentReturns)
{
    // The pop-up and the list mirror each other through their Change events.
    fw::Listbox list;
    fw::_SetProperties(&list, triBoxRecord());
    int mirror = -1;
    int changes = 0;
    list.Change.install([&] {
        ++changes;
        mirror = list.ListIndex();
        list.setListIndex(mirror); // the same value: no further Change
    });
    list.setListIndex(5);
    EXPECT_EQ(mirror, 5);
    EXPECT_EQ(changes, 1);
}

TEST(Listbox, UserClickRaisesCellClickThenChange)
{
    ShownList shown(triBoxRecord());
    shown.recordEvents();
    shown.list.CellClick.install([&](int row, int column, int x, int y) {
        shown.events.push_back("CellClick " + std::to_string(row) + "," + std::to_string(column));
        EXPECT_GE(x, 0);
        EXPECT_GE(y, 0);
        EXPECT_LT(y, 15);
        return false;
    });
    shown.clickCell(2, 0);
    EXPECT_EQ(shown.list.ListIndex(), 2);
    EXPECT_EQ(shown.events, (std::vector<std::string>{"CellClick 2,0", "CellGotFocus 2,0", "Change 2"}));

    // Clicking the selected row again changes nothing.
    shown.events.clear();
    shown.clickCell(2, 0);
    EXPECT_EQ(shown.events, std::vector<std::string>{"CellClick 2,0"});
}

TEST(Listbox, CellClickReturningTrueKeepsTheListFromActing)
{
    ShownList shown(triBoxRecord());
    shown.recordEvents();
    shown.list.CellClick.install([](int, int, int, int) { return true; });
    shown.clickCell(5, 0);
    EXPECT_EQ(shown.list.ListIndex(), -1);
    EXPECT_TRUE(shown.events.empty());
}

TEST(Listbox, ACellClickThatSelectsByCodeRaisesChangeOnce)
{
    // As the trigram list does: its CellClick moves the selection through code.
    ShownList shown(triBoxRecord());
    shown.recordEvents();
    shown.list.CellClick.install([&](int row, int, int, int) {
        shown.list.setListIndex(row);
        return false;
    });
    shown.clickCell(4, 0);
    EXPECT_EQ(shown.list.ListIndex(), 4);
    EXPECT_EQ(shown.events, std::vector<std::string>{"Change 4"});
}

TEST(Listbox, ClickingBelowTheRowsClearsTheSelection)
{
    auto record = fw::encodeRecord({{"Width", 100},
                                    {"Height", 120},
                                    {"InitialValue", "a\rb"},
                                    {"DefaultRowHeight", 15}});
    ShownList shown(record);
    shown.list.setListIndex(1);
    shown.recordEvents();
    QTest::mouseClick(shown.viewport(), Qt::LeftButton, {}, QPoint(20, 100));
    EXPECT_EQ(shown.list.ListIndex(), -1);
    EXPECT_EQ(shown.events, std::vector<std::string>{"Change -1"});

    // With RequiresSelection the user cannot clear it.
    shown.list.setRequiresSelection(true);
    shown.list.setListIndex(0);
    shown.events.clear();
    QTest::mouseClick(shown.viewport(), Qt::LeftButton, {}, QPoint(20, 100));
    EXPECT_EQ(shown.list.ListIndex(), 0);
    EXPECT_TRUE(shown.events.empty());
}

TEST(Listbox, HeaderPressedAndTheRowsStayInOrder)
{
    ShownList shown(triBoxRecord());
    std::vector<int> pressed;
    shown.list.HeaderPressed.install([&](int column) {
        pressed.push_back(column);
        return false; // even so, the list never sorts
    });
    QHeaderView* header = shown.table()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(10, header->height() / 2));
    EXPECT_EQ(pressed, std::vector<int>{0});
    const QStringList expected{"Kan", "Kun", "Zhen", "Xun", "", "Qian", "Dui", "Gen", "Li"};
    for (int row = 0; row < shown.list.ListCount(); ++row)
        EXPECT_EQ(shown.list.Cell(row, 0), expected[row]);
    EXPECT_EQ(shown.list.ListIndex(), -1);
}

TEST(Listbox, KeyDownCanConsumeAKey)
{
    ShownList shown(triBoxRecord());
    shown.list.setListIndex(0);
    shown.table()->setFocus();
    std::vector<QString> keys;
    bool consume = true;
    shown.list.KeyDown.install([&](QString key) {
        keys.push_back(key);
        return consume;
    });
    QTest::keyClick(shown.table(), Qt::Key_Down);
    EXPECT_EQ(keys, std::vector<QString>{QString(QChar(31))});
    EXPECT_EQ(shown.list.ListIndex(), 0);

    consume = false;
    QTest::keyClick(shown.table(), Qt::Key_Down);
    EXPECT_EQ(shown.list.ListIndex(), 1);
    QTest::keyClick(shown.table(), Qt::Key_A);
    EXPECT_EQ(keys.back(), "a");
}

// Qt selects the row that a key moved to once more after the selection's signal: a
// handler that has moved the selection meanwhile keeps its row, with one Change each.
TEST(Listbox, AChangeHandlerThatMovesTheUsersSelectionRaisesNoSecondRound)
{
    ShownList shown(triBoxRecord());
    shown.list.setListIndex(2);
    shown.table()->setFocus();
    std::vector<int> changes;
    shown.list.Change.install([&] {
        changes.push_back(shown.list.ListIndex());
        if (shown.list.ListIndex() == 3)
            shown.list.setListIndex(1);
    });

    QTest::keyClick(shown.table(), Qt::Key_Down);
    EXPECT_EQ(changes, (std::vector<int>{3, 1}));
    EXPECT_EQ(shown.list.ListIndex(), 1);
    const QModelIndexList selected = shown.table()->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), 1);
    EXPECT_EQ(shown.table()->currentIndex().row(), 1);

    // The next key moves on from where the handler left the selection.
    changes.clear();
    QTest::keyClick(shown.table(), Qt::Key_Down);
    EXPECT_EQ(changes, std::vector<int>{2});

    // A click on a row works the same way.
    changes.clear();
    shown.clickCell(3, 0);
    EXPECT_EQ(changes, (std::vector<int>{3, 1}));
    EXPECT_TRUE(shown.table()->selectionModel()->isRowSelected(1, QModelIndex()));
}

TEST(Listbox, CellAlignmentPerCell)
{
    fw::Listbox list;
    fw::_SetProperties(&list, baguaRecord());
    auto* table = qobject_cast<QTableView*>(list.widget());
    EXPECT_EQ(list.CellAlignment(1, 1), 0);
    list.setCellAlignment(1, 1, 2);
    list.setCellAlignment(0, 2, 3);
    list.setCellAlignment(2, 0, 1);
    EXPECT_EQ(list.CellAlignment(1, 1), 2);
    EXPECT_EQ(list.CellAlignment(0, 2), 3);
    EXPECT_EQ(list.CellAlignment(2, 0), 1);
    EXPECT_EQ(list.CellAlignment(1, 0), 0);
    const auto shownAlignment = [table](int row, int column) {
        return Qt::Alignment(table->model()->index(row, column).data(Qt::TextAlignmentRole).toInt());
    };
    EXPECT_TRUE(shownAlignment(1, 1) & Qt::AlignHCenter);
    EXPECT_TRUE(shownAlignment(0, 2) & Qt::AlignRight);
    EXPECT_TRUE(shownAlignment(1, 0) & Qt::AlignLeft);

    EXPECT_THROW(list.setCellAlignment(3, 0, 2), fw::OutOfBoundsException);
    EXPECT_THROW(list.setCellAlignment(0, -1, 2), fw::OutOfBoundsException);
    EXPECT_THROW(list.setCellAlignment(0, 0, 4), fw::OutOfBoundsException);
    EXPECT_THROW(list.CellAlignment(0, 3), fw::OutOfBoundsException);
    EXPECT_EQ(list.CellAlignment(0, 0), 0);
}

TEST(Listbox, CentredCellsDrawTheirTextInTheMiddle)
{
    ShownList shown(baguaRecord());
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            shown.list.setCellAlignment(row, column, 2);
    const QImage image = shown.viewport()->grab().toImage();
    const QRect cell = shown.table()->visualRect(shown.table()->model()->index(1, 1));
    // The dark pixels of the "5" lie around the cell's middle column.
    int darkLeft = cell.right();
    int darkRight = cell.left();
    for (int y = cell.top(); y < cell.bottom() - 2; ++y) {
        for (int x = cell.left(); x < cell.right() - 2; ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                darkLeft = std::min(darkLeft, x);
                darkRight = std::max(darkRight, x);
            }
        }
    }
    ASSERT_LE(darkLeft, darkRight);
    const int middle = (darkLeft + darkRight) / 2;
    EXPECT_NEAR(middle, cell.left() + cell.width() / 2, 3);
}

TEST(Listbox, GridLineStylesAndTheirChecks)
{
    ShownList shown(baguaRecord());
    const QImage image = shown.viewport()->grab().toImage();
    const QRect cell = shown.table()->visualRect(shown.table()->model()->index(0, 0));
    // Thick lines on the right and bottom edges of each cell, none inside it.
    EXPECT_LT(qGray(image.pixel(cell.right(), cell.center().y())), 200);
    EXPECT_LT(qGray(image.pixel(cell.right() - 1, cell.center().y())), 200);
    EXPECT_LT(qGray(image.pixel(cell.center().x() + 6, cell.bottom())), 200);
    EXPECT_GT(qGray(image.pixel(cell.left() + 1, cell.top() + 1)), 200);

    EXPECT_THROW(shown.list.setGridLinesHorizontal(4), fw::OutOfBoundsException);
    EXPECT_THROW(shown.list.setGridLinesVertical(-1), fw::OutOfBoundsException);
    EXPECT_EQ(shown.list.GridLinesVertical(), 3);
}

TEST(Listbox, CellBackgroundPaintRunsForEachCellAndCanTakeOver)
{
    ShownList shown(baguaRecord());
    int calls = 0;
    shown.list.CellBackgroundPaint.install([&](fw::Graphics& g, int row, int column) {
        ++calls;
        EXPECT_EQ(g.Width(), 20);
        if (row == 1 && column == 1) {
            g.setForeColor(QColor(255, 0, 0));
            g.FillRect(0, 0, g.Width(), g.Height());
            return true;
        }
        return false;
    });
    shown.list.setListIndex(1); // the selection would colour the row
    const QImage image = shown.viewport()->grab().toImage();
    EXPECT_GE(calls, 9);
    const QRect centre = shown.table()->visualRect(shown.table()->model()->index(1, 1));
    EXPECT_EQ(QColor(image.pixel(centre.left() + 1, centre.top() + 1)), QColor(255, 0, 0));
    const QRect left = shown.table()->visualRect(shown.table()->model()->index(1, 0));
    EXPECT_NE(QColor(image.pixel(left.left() + 1, left.top() + 1)), QColor(255, 0, 0));
}

TEST(Listbox, ColumnWidthsShareTheRestEvenly)
{
    auto record = fw::encodeRecord({{"Width", 235},
                                    {"Height", 203},
                                    {"ColumnCount", 2},
                                    {"ColumnWidths", ""},
                                    {"HasHeading", true},
                                    {"InitialValue", "Yin\tYang\rFemale\tMale"},
                                    {"ScrollBarVertical", true},
                                    {"AutoHideScrollbars", true}});
    ShownList shown(record);
    const int inside = shown.viewport()->width();
    EXPECT_LE(std::abs(shown.table()->columnWidth(0) - shown.table()->columnWidth(1)), 1);
    EXPECT_EQ(shown.table()->columnWidth(0) + shown.table()->columnWidth(1), inside);
    EXPECT_EQ(shown.table()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_FALSE(shown.table()->verticalScrollBar()->isVisible()); // one row: no need

    shown.list.setAutoHideScrollbars(false);
    EXPECT_EQ(shown.table()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST(Listbox, SelectionTypeAndOtherKeysKeepTheirChecks)
{
    fw::Listbox list;
    EXPECT_THROW(list.setSelectionType(2), fw::OutOfBoundsException);
    list.setSelectionType(1);
    auto* table = qobject_cast<QTableView*>(list.widget());
    EXPECT_EQ(table->selectionMode(), QAbstractItemView::ExtendedSelection);
    fw::_SetProperties(&list, fw::encodeRecord({{"HeadingIndex", -1},
                                                {"_ScrollWidth", -1},
                                                {"_ScrollOffset", 0},
                                                {"Hierarchical", false},
                                                {"EnableDrag", false},
                                                {"EnableDragReorder", false},
                                                {"ColumnsResizable", true},
                                                {"DataSource", ""},
                                                {"DataField", ""}}));
    EXPECT_EQ(list.HeadingIndex(), -1);
    EXPECT_EQ(list._ScrollWidth(), -1);
    EXPECT_EQ(table->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
}

} // namespace

// The heading is as tall as the list's font needs, at any size and whatever its label,
// and the rows start right below it.
TEST(Listbox, TheHeadingIsAsTallAsItsFontNeeds)
{
    for (const int textSize : {9, 12, 20}) {
        for (const char* heading : {"T", "A much longer heading than the column"}) {
            SCOPED_TRACE(std::to_string(textSize) + " " + heading);
            QByteArray record = triBoxRecord();
            const std::string rows = std::string(heading) + "\rKan\rKun";
            record += fw::encodeRecord({{"TextSize", textSize}, {"InitialValue", std::string_view(rows)}});
            ShownList shown(record);
            QTableView* table = shown.table();
            const int height = QFontMetrics(table->font()).height() + 3;
            EXPECT_EQ(table->horizontalHeader()->sizeHint().height(), height);
            EXPECT_EQ(table->horizontalHeader()->height(), height);
            EXPECT_EQ(table->viewport()->geometry().top(), table->horizontalHeader()->geometry().bottom() + 1);
            EXPECT_EQ(table->columnWidth(0), 74);
        }
    }
}

// A list with rows of their own height and no heading measures no font; a heading
// turned on afterwards still gets the height of the font the list has by then.
TEST(Listbox, AHeadingTurnedOnLaterIsAsTallAsTheFontNeeds)
{
    for (const int textSize : {9, 11, 20}) {
        SCOPED_TRACE(textSize);
        QByteArray record = baguaRecord();
        record += fw::encodeRecord({{"TextSize", textSize}});
        ShownList shown(record);
        QTableView* table = shown.table();
        EXPECT_EQ(table->rowHeight(0), 20);
        shown.list.setHasHeading(true);
        QTest::qWait(0);
        const int height = QFontMetrics(table->font()).height() + 3;
        EXPECT_EQ(table->horizontalHeader()->sizeHint().height(), height);
        EXPECT_EQ(table->horizontalHeader()->height(), height);
        EXPECT_EQ(shown.list.Heading(0), "4");
        EXPECT_EQ(table->rowHeight(1), 20);
    }
}

// Rows are separated by CR, LF or CR LF, mixed as they come; an empty line is a row.
TEST(Listbox, RowsSplitAtEveryKindOfLineEnd)
{
    const struct {
        const char* text;
        std::vector<QString> rows;
    } cases[] = {
        {"A\r\nB\nC\rD", {"A", "B", "C", "D"}},
        {"A\r\rB", {"A", "", "B"}},
        {"A\n\r\nB", {"A", "", "B"}},
        {"A\r\n", {"A", ""}},
        {"\nA", {"", "A"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fw::Listbox list;
        list.setInitialValue(QString::fromLatin1(c.text));
        ASSERT_EQ(list.ListCount(), static_cast<int>(c.rows.size()));
        for (int row = 0; row < list.ListCount(); ++row)
            EXPECT_EQ(list.Cell(row, 0), c.rows[static_cast<std::size_t>(row)]);
    }
}
