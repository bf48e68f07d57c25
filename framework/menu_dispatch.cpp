#include "menu_dispatch.h"

#include "application.h"
#include "members.h"
#include "menus.h"
#include "runtime.h"
#include "text.h"
#include "window.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <vector>

namespace fw {

namespace {

bool passRunning = false;
std::uint64_t passesRun = 0;

void autoEnable(MenuItem* item)
{
    for (int i = 0; i < item->Count(); ++i) {
        MenuItem* child = item->Item(i);
        child->setEnabled(child->AutoEnable());
        autoEnable(child);
    }
}

// The line edit inside a spin box or an editable combo box stands for its owner.
QLineEdit* innerLineEdit(QWidget* widget)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->lineEdit();
    if (widget && qobject_cast<QAbstractSpinBox*>(widget))
        return widget->findChild<QLineEdit*>();
    return nullptr;
}

enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear };

EditCommand editCommandOf(const QString& name)
{
    if (StrEquals(name, QStringLiteral("EditUndo")))
        return EditCommand::Undo;
    if (StrEquals(name, QStringLiteral("EditCut")))
        return EditCommand::Cut;
    if (StrEquals(name, QStringLiteral("EditCopy")))
        return EditCommand::Copy;
    if (StrEquals(name, QStringLiteral("EditPaste")))
        return EditCommand::Paste;
    if (StrEquals(name, QStringLiteral("EditClear")))
        return EditCommand::Clear;
    return EditCommand::None;
}

// A read-only field only lets its text be copied: QLineEdit's undo, cut, paste and
// del change even a read-only line. Clear takes the selection only, as Cut does.
void editLine(QLineEdit* edit, EditCommand command)
{
    if (edit->isReadOnly() && command != EditCommand::Copy)
        return;
    switch (command) {
    case EditCommand::Undo: edit->undo(); break;
    case EditCommand::Cut: edit->cut(); break;
    case EditCommand::Copy: edit->copy(); break;
    case EditCommand::Paste: edit->paste(); break;
    case EditCommand::Clear:
        if (edit->hasSelectedText())
            edit->del();
        break;
    case EditCommand::None: break;
    }
}

// QTextEdit and QPlainTextEdit share these members but no base that has them.
template <typename TextWidget>
void editText(TextWidget* edit, EditCommand command)
{
    if (edit->isReadOnly() && command != EditCommand::Copy)
        return;
    switch (command) {
    case EditCommand::Undo: edit->undo(); break;
    case EditCommand::Cut: edit->cut(); break;
    case EditCommand::Copy: edit->copy(); break;
    case EditCommand::Paste: edit->paste(); break;
    case EditCommand::Clear: edit->textCursor().removeSelectedText(); break;
    case EditCommand::None: break;
    }
}

// The Edit items act on the focused text widget, as in any native program.
void runEditCommand(EditCommand command)
{
    QWidget* focus = QApplication::focusWidget();
    if (QLineEdit* line = innerLineEdit(focus))
        editLine(line, command);
    else if (auto* text = qobject_cast<QTextEdit*>(focus))
        editText(text, command);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
        editText(plain, command);
}

void quitApplication()
{
    if (Application* app = Application::current())
        app->Quit(0);
    else
        QCoreApplication::exit(0);
}

bool handledBy(const MenuHandler& handler)
{
    return handler && handler();
}

} // namespace

Window* frontWindow()
{
    for (Window* window : Windows()) {
        if (window->Visible())
            return window;
    }
    return nullptr;
}

void runMenuUpdatePass(Window* front)
{
    if (passRunning)
        return;
    passRunning = true;
    ++passesRun;
    struct Done {
        ~Done() { passRunning = false; }
    } done;

    std::vector<MenuBar*> bars;
    if (front && front->MenuBar())
        bars.push_back(front->MenuBar());
    if (Application* app = Application::current(); app && app->MenuBar() && (bars.empty() || bars[0] != app->MenuBar()))
        bars.push_back(app->MenuBar());
    for (MenuBar* bar : bars)
        autoEnable(bar);
    if (front && !front->isClosed())
        raiseOwnEvent<void()>(*front, "EnableMenuItems");
}

std::uint64_t menuUpdatePassCount()
{
    return passesRun;
}

void runMenuCommand(MenuItem* item, Window* window)
{
    if (!item || !item->Enabled())
        return;
    const QString name = item->Name();
    if (window && !window->isClosed() && handledBy(window->menuHandler(name)))
        return;
    if (Application* app = Application::current(); app && handledBy(app->menuHandler(name)))
        return;
    if (qobject_cast<QuitMenuItem*>(item))
        quitApplication();
    else if (const EditCommand command = editCommandOf(name); command != EditCommand::None)
        runEditCommand(command);
}

} // namespace fw
