#include "info.h"

#include "windows/info_placement.h"
#include "windows/info_records.h"
#include "windows/window_controls.h"

#include "app/shell/menu_bar1.h"
#include "main_window/oruvel.h"

#include "framework/classes.h"
#include "framework/members.h"
#include "framework/menus.h"
#include "framework/record.h"
#include "framework/system.h"

namespace {

const QString kClassName = QStringLiteral("Info.Info");

} // namespace

void registerInfoClass()
{
    fw::registerClass(kClassName, &Info::staticMetaObject, mainwindow::controlMembers(info::controlLayouts()));
}

class Info* Info()
{
    if (fw::Window* open = fw::_GetImplicitWindow(kClassName))
        return fw::windowCast<class Info>(open);
    return fw::Window::create<class Info>();
}

void Info::Layout()
{
    setMenuBar(::MenuBar1());
    fw::_SetProperties(this, info::windowRecord());
}

void Info::CreateControls()
{
    fw::callMember(this, u"_CreateControls0");
}

// Built afresh from the records at each opening: edits of the text do not survive.
void Info::_CreateControls0()
{
    windowcontrols::createAll(*this, info::controlLayouts());
}

void Info::AddMenuHandlers(fw::Window* window)
{
    class Info* info = fw::windowCast<class Info>(window);
    info->_AddMenuHandler(QStringLiteral("FileClose"), fw::menuHandlerDelegate(info, QStringLiteral("FileClose")));
}

// FileClose does not enable itself: this window serves it.
void Info::Event_EnableMenuItems()
{
    fw::nonNil(FileClose(), "FileClose item")->setEnabled(true);
}

// However the window closes, the Window menu offers to show it again.
void Info::Event_Close()
{
    fw::nonNil(WindowShowInfo(), "WindowShowInfo item")->setText(QStringLiteral("Show Info"));
}

// Beside the main window when there is room on the first screen; otherwise where the
// window's placement put it.
void Info::Event_Open()
{
    const class Oruvel* main = fw::nonNil(::Oruvel(), "main window");
    const double screenWidth = fw::Screen(0).Width();
    if (const auto place = infoplacement::besideMainWindow(main->Left(), main->Top(), main->Width(), Width(),
                                                           screenWidth)) {
        setLeft(place->x());
        setTop(place->y());
    }
    fw::nonNil(WindowShowInfo(), "WindowShowInfo item")->setText(QStringLiteral("Hide Info"));
}

// Closes without a question.
bool Info::_FileClose_Action()
{
    Close();
    return false;
}
