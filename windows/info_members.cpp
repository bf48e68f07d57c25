// The Info window's accessors: the items of its menu bar and its controls, by name.
#include "info.h"

#include "framework/edit_field.h"
#include "framework/listbox.h"
#include "framework/menus.h"
#include "framework/rectangle.h"
#include "framework/separator.h"
#include "framework/static_text.h"

fw::MenuItem* Info::menuItem(const char* name) const
{
    fw::MenuBar* bar = fw::nonNil(MenuBar(), "Info window's menu bar");
    return fw::menuItemCast<fw::MenuItem>(bar->_Lookup(QString::fromLatin1(name)));
}

fw::MenuItem* Info::HelpMenu() const { return menuItem("HelpMenu"); }
fw::AppleMenuItem* Info::AppleAboutOruvel() const
{
    return fw::menuItemCast<fw::AppleMenuItem>(menuItem("AppleAboutOruvel"));
}
fw::MenuItem* Info::HelpHelp() const { return menuItem("HelpHelp"); }
fw::MenuItem* Info::WindowMenu() const { return menuItem("WindowMenu"); }
fw::MenuItem* Info::WindowShowInfo() const { return menuItem("WindowShowInfo"); }
fw::MenuItem* Info::EditMenu() const { return menuItem("EditMenu"); }
fw::MenuItem* Info::EditClear() const { return menuItem("EditClear"); }
fw::MenuItem* Info::EditPaste() const { return menuItem("EditPaste"); }
fw::MenuItem* Info::EditCopy() const { return menuItem("EditCopy"); }
fw::MenuItem* Info::EditCut() const { return menuItem("EditCut"); }
fw::MenuItem* Info::UntitledMenu0() const { return menuItem("UntitledMenu0"); }
fw::MenuItem* Info::EditUndo() const { return menuItem("EditUndo"); }
fw::MenuItem* Info::FileMenu() const { return menuItem("FileMenu"); }
fw::QuitMenuItem* Info::FileQuit() const { return fw::menuItemCast<fw::QuitMenuItem>(menuItem("FileQuit")); }
fw::MenuItem* Info::FileClose() const { return menuItem("FileClose"); }
fw::MenuItem* Info::UntitledMenu1() const { return menuItem("UntitledMenu1"); }

fw::StaticText* Info::StaticText3() const { return control<fw::StaticText>(QStringLiteral("StaticText3")); }
fw::Separator* Info::Separator1() const { return control<fw::Separator>(QStringLiteral("Separator1")); }
fw::Rectangle* Info::Rectangle4() const { return control<fw::Rectangle>(QStringLiteral("Rectangle4")); }
fw::Rectangle* Info::Rectangle5() const { return control<fw::Rectangle>(QStringLiteral("Rectangle5")); }
fw::Rectangle* Info::Rectangle6() const { return control<fw::Rectangle>(QStringLiteral("Rectangle6")); }
fw::Listbox* Info::ListBox1() const { return control<fw::Listbox>(QStringLiteral("ListBox1")); }
fw::EditField* Info::EditField1() const { return control<fw::EditField>(QStringLiteral("EditField1")); }
