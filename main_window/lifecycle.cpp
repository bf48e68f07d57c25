// The main window's life: opening, the File menu's Close item, and quitting.
#include "oruvel.h"

#include "trigrams/trigrams.h"

#include "framework/application.h"
#include "framework/dialogs.h"
#include "framework/listbox.h"
#include "framework/members.h"
#include "framework/menus.h"
#include "framework/popup_menu.h"

namespace {

void quitApplication()
{
    fw::nonNil(fw::Application::current(), "application")->Quit(0);
}

} // namespace

void Oruvel::AddMenuHandlers(fw::Window* window)
{
    auto* self = fw::windowCast<class Oruvel>(window);
    self->_AddMenuHandler(QStringLiteral("FileClose"), fw::menuHandlerDelegate(self, QStringLiteral("FileClose")));
}

// Builds the trigrams, shows the first, then the gua of the default birth data.
void Oruvel::Event_Open()
{
    trigrams::InitTrigrams();
    GetValues();
    control<fw::Listbox>("TriBox")->setListIndex(control<fw::PopupMenu>("trigramNum")->ListIndex());
    ProcessGua();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            control<fw::Listbox>("baguaBox")->setCellAlignment(row, column, 2); // centred
    }
}

// The menus follow this window as soon as it comes to the front.
void Oruvel::Event_Activate()
{
    EnableMenuItems();
}

// Close does not enable itself; the windows that answer it do.
void Oruvel::Event_EnableMenuItems()
{
    fw::nonNil(FileClose(), "FileClose")->setEnabled(true);
}

// Closing the main window ends the application.
void Oruvel::Event_Close()
{
    quitApplication();
}

// File > Close asks before quitting.
bool Oruvel::_FileClose_Action()
{
    fw::MessageDialog dialog;
    dialog.setMessage(QStringLiteral("Are you sure you want to quit the program?"));
    dialog.ActionButton()->setCaption(QStringLiteral("Quit"));
    dialog.CancelButton()->setCaption(QStringLiteral("Cancel"));
    dialog.CancelButton()->setVisible(true);
    dialog.setIcon(1);
    if (dialog.ShowModal() == dialog.ActionButton())
        quitApplication();
    return false;
}

fw::MenuItem* Oruvel::menuItem(const char* name) const
{
    fw::MenuBar* bar = fw::nonNil(MenuBar(), "window menu bar");
    return bar->_Lookup(QString::fromLatin1(name));
}

fw::MenuItem* Oruvel::HelpMenu() { return fw::menuItemCast<fw::MenuItem>(menuItem("HelpMenu")); }
fw::AppleMenuItem* Oruvel::AppleAboutOruvel()
{
    return fw::menuItemCast<fw::AppleMenuItem>(menuItem("AppleAboutOruvel"));
}
fw::MenuItem* Oruvel::HelpHelp() { return fw::menuItemCast<fw::MenuItem>(menuItem("HelpHelp")); }
fw::MenuItem* Oruvel::WindowMenu() { return fw::menuItemCast<fw::MenuItem>(menuItem("WindowMenu")); }
fw::MenuItem* Oruvel::WindowShowInfo() { return fw::menuItemCast<fw::MenuItem>(menuItem("WindowShowInfo")); }
fw::MenuItem* Oruvel::EditMenu() { return fw::menuItemCast<fw::MenuItem>(menuItem("EditMenu")); }
fw::MenuItem* Oruvel::EditClear() { return fw::menuItemCast<fw::MenuItem>(menuItem("EditClear")); }
fw::MenuItem* Oruvel::EditPaste() { return fw::menuItemCast<fw::MenuItem>(menuItem("EditPaste")); }
fw::MenuItem* Oruvel::EditCopy() { return fw::menuItemCast<fw::MenuItem>(menuItem("EditCopy")); }
fw::MenuItem* Oruvel::EditCut() { return fw::menuItemCast<fw::MenuItem>(menuItem("EditCut")); }
fw::MenuItem* Oruvel::UntitledMenu0() { return fw::menuItemCast<fw::MenuItem>(menuItem("UntitledMenu0")); }
fw::MenuItem* Oruvel::EditUndo() { return fw::menuItemCast<fw::MenuItem>(menuItem("EditUndo")); }
fw::MenuItem* Oruvel::FileMenu() { return fw::menuItemCast<fw::MenuItem>(menuItem("FileMenu")); }
fw::QuitMenuItem* Oruvel::FileQuit() { return fw::menuItemCast<fw::QuitMenuItem>(menuItem("FileQuit")); }
fw::MenuItem* Oruvel::FileClose() { return fw::menuItemCast<fw::MenuItem>(menuItem("FileClose")); }
// Names no item of the bar: nil.
fw::MenuItem* Oruvel::UntitledMenu1() { return fw::menuItemCast<fw::MenuItem>(menuItem("UntitledMenu1")); }
