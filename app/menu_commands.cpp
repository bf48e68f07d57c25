#include "menu_commands.h"

#include "app/app.h"
#include "app/shell/menu_items.h"
#include "windows/about_box.h"
#include "windows/help.h"
#include "windows/info.h"

#include "framework/members.h"
#include "framework/exceptions.h"
#include "framework/menus.h"
#include "framework/text.h"

namespace {

const QString kHideInfo = QStringLiteral("Hide Info");
const QString kShowInfo = QStringLiteral("Show Info");

} // namespace

// Each registration fetches the application object anew through its accessor and
// binds the item to its operation "_<item>_Action", found by name.
void _ApplicationAddMenuHandlers()
{
    for (const char* itemName : {"AppleAboutOruvel", "WindowShowInfo", "HelpHelp"}) {
        class App* app = fw::nonNil(App(), "application");
        const QString item = QString::fromLatin1(itemName);
        app->_AddMenuHandler(item, fw::menuHandlerDelegate(app, item));
    }
}

// Shows the About window, the same one again if a click has only hidden it.
bool App::_AppleAboutOruvel_Action()
{
    fw::nonNil(::AboutBox(), "About window")->Show();
    return false;
}

// The caption is the only record of whether the Info window is open; it changes before
// the window does, and the window's own Open and Close set it again.
bool App::_WindowShowInfo_Action()
{
    fw::MenuItem* item = fw::nonNil(::WindowShowInfo(), "WindowShowInfo item");
    if (fw::StrEquals(item->Text(), kHideInfo)) {
        item->setText(kShowInfo);
        fw::nonNil(::Info(), "Info window")->Close();
    } else {
        item->setText(kHideInfo);
        fw::nonNil(::Info(), "Info window")->Show();
    }
    return false;
}

// Makes the Help window visible, building it first when none is open.
bool App::_HelpHelp_Action()
{
    fw::nonNil(::Help(), "Help window")->setVisible(true);
    return false;
}
