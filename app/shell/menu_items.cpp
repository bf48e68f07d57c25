#include "menu_items.h"

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/menus.h"

namespace {

fw::MenuItem* applicationItem(const char* name)
{
    auto* application = fw::nonNil(fw::Application::current(), "application");
    fw::MenuBar* bar = fw::nonNil(application->MenuBar(), "application menu bar");
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
