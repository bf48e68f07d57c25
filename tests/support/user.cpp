#include "user.h"

#include "framework/control.h"
#include "framework/edit_field.h"
#include "framework/listbox.h"
#include "framework/popup_menu.h"
#include "framework/tab_panel.h"
#include "framework/window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

namespace testsupport::user {

namespace {

std::string quoted(const QString& text)
{
    return '"' + text.toStdString() + '"';
}

// The control whose widget holds the widget, by name, else the widget's class.
std::string describe(const fw::RectControl* control, QWidget* widget)
{
    if (fw::Window* window = control->window()) {
        for (const fw::RectControl* other : window->controls()) {
            if (other->widget() && (other->widget() == widget || other->widget()->isAncestorOf(widget)))
                return "the control " + quoted(other->Name());
        }
    }
    return std::string("a ") + widget->metaObject()->className();
}

// Fails the test with the reason when the control cannot be clicked there.
bool usableOrFail(const fw::RectControl* control, QWidget* part, QPoint at)
{
    const ::testing::AssertionResult result = usable(control, part, at);
    if (!result)
        ADD_FAILURE() << result.message();
    return bool(result);
}

} // namespace

::testing::AssertionResult usable(const fw::RectControl* control, QWidget* part, QPoint at)
{
    QWidget* widget = part ? part : control->widget();
    const auto cannot = [&](const std::string& why) {
        return ::testing::AssertionFailure() << "a person cannot use the control " << quoted(control->Name()) << ": "
                                             << why;
    };
    if (!widget)
        return cannot("it has no widget");
    if (at.isNull())
        at = widget->rect().center();
    if (!widget->isVisible())
        return cannot("it is not shown (hidden, or on a page or in a window that is not shown)");
    if (!widget->isEnabled())
        return cannot("it is disabled");
    QWidget* window = widget->window();
    const QPoint inWindow = widget->mapTo(window, at);
    if (!widget->rect().contains(at) || !window->rect().contains(inWindow))
        return cannot("the point is outside it or outside its window");
    QWidget* hit = window->childAt(inWindow);
    if (hit && hit != widget && !widget->isAncestorOf(hit))
        return cannot("it is covered by " + describe(control, hit));
    return ::testing::AssertionSuccess();
}

bool click(const fw::RectControl* control, QWidget* part, QPoint at)
{
    QWidget* widget = part ? part : control->widget();
    if (!usableOrFail(control, widget, at))
        return false;
    // As the window manager does, a click brings its window to the front.
    if (!widget->isActiveWindow()) {
        widget->activateWindow();
        if (!QTest::qWaitForWindowActive(widget->window(), 2000))
            ADD_FAILURE() << "the window of the control " << quoted(control->Name()) << " does not come to the front";
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
    return true;
}

void choose(const fw::PopupMenu* menu, int row)
{
    auto* combo = qobject_cast<QComboBox*>(menu->widget());
    if (!click(menu, combo))
        return;
    QAbstractItemView* view = combo->view();
    if (!view->isVisible()) {
        ADD_FAILURE() << "the pop-up menu " << quoted(menu->Name()) << " did not open on a click";
        return;
    }
    if (view->currentIndex().row() < 0)
        QTest::keyClick(view, Qt::Key_Home);
    for (int steps = 0; view->currentIndex().row() != row && steps < combo->count(); ++steps)
        QTest::keyClick(view, view->currentIndex().row() < row ? Qt::Key_Down : Qt::Key_Up);
    if (view->currentIndex().row() != row) {
        ADD_FAILURE() << "the pop-up menu " << quoted(menu->Name()) << " has no row " << row << " to pick";
        QTest::keyClick(view, Qt::Key_Escape);
        return;
    }
    QTest::keyClick(view, Qt::Key_Return);
}

void typeInto(const fw::EditField* field, const QString& text)
{
    QWidget* editor = field->lineEdit();
    if (!editor && field->textEdit())
        editor = field->textEdit()->viewport();
    if (!click(field, editor))
        return;
    if (!editor->hasFocus()) {
        ADD_FAILURE() << "the field " << quoted(field->Name()) << " did not take the focus on a click";
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_Delete);
    // QTest types Latin-1 only: other characters come as key events with their text.
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(focus, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void showPage(const fw::TabPanel* panel, int page)
{
    QTabBar* bar = qobject_cast<QTabWidget*>(panel->widget())->tabBar();
    click(panel, bar, bar->tabRect(page).center());
}

void clickRow(const fw::Listbox* list, int row)
{
    auto* table = qobject_cast<QTableView*>(list->widget());
    click(list, table->viewport(), table->visualRect(table->model()->index(row, 0)).center());
}

void clickHeading(const fw::Listbox* list)
{
    QHeaderView* heading = qobject_cast<QTableView*>(list->widget())->horizontalHeader();
    click(list, heading->viewport(), QPoint(heading->sectionViewportPosition(0) + 3, heading->height() / 2));
}

} // namespace testsupport::user
