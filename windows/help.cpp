#include "help.h"

#include "windows/help_records.h"
#include "windows/window_controls.h"

#include "app/shell/menu_items.h"

#include "framework/classes.h"
#include "framework/edit_field.h"
#include "framework/members.h"
#include "framework/menus.h"
#include "framework/record.h"

namespace {

const QString kClassName = QStringLiteral("Help.Help");

} // namespace

void registerHelpClass()
{
    fw::registerClass(kClassName, &Help::staticMetaObject, mainwindow::controlMembers(help::controlLayouts()));
}

class Help* Help()
{
    if (fw::Window* open = fw::_GetImplicitWindow(kClassName))
        return fw::windowCast<class Help>(open);
    return fw::Window::create<class Help>();
}

void Help::Layout()
{
    fw::_SetProperties(this, help::windowRecord());
}

void Help::CreateControls()
{
    fw::callMember(this, u"_CreateControls0");
}

void Help::_CreateControls0()
{
    windowcontrols::createAll(*this, help::controlLayouts());
}

fw::EditField* Help::EditField1() const
{
    return control<fw::EditField>(QStringLiteral("EditField1"));
}

void Help::AddMenuHandlers(fw::Window* window)
{
    class Help* help = fw::windowCast<class Help>(window);
    help->_AddMenuHandler(QStringLiteral("FileClose"), fw::menuHandlerDelegate(help, QStringLiteral("FileClose")));
}

// The window has no bar of its own: it enables the application's FileClose item, which
// does not enable itself.
void Help::Event_EnableMenuItems()
{
    fw::nonNil(::FileClose(), "FileClose item")->setEnabled(true);
}

// The window is already closing; nothing more to do.
void Help::Event_Close() {}

// Closes without a question.
bool Help::_FileClose_Action()
{
    fw::nonNil(::Help(), "Help window")->Close();
    return false;
}
