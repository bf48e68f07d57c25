#include "menu_items.h"

#include "app/shell/app_object.h"

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/menus.h"

namespace {

fw::MenuItem* applicationItem(const char* name)
{
    fw::MenuBar* bar = fw::nonNil(AppObject()->MenuBar(), "application menu bar");
    return fw::menuItemCast<fw::MenuItem>(bar->_Lookup(QString::fromLatin1(name)));
}

} // namespace

fw::MenuItem* WindowShowInfo()
{
    return applicationItem("WindowShowInfo");
}

fw::MenuItem* FileClose()
{
    return applicationItem("FileClose");
}
