// File > Close follows the front window: the main, Info and Help windows enable it,
// the About window does not.
#include "windows_fixture.h"

#include "app/shell/menu_items.h"
#include "main_window/oruvel.h"
#include "windows/about_box.h"
#include "windows/help.h"
#include "windows/info.h"

#include "framework/menus.h"

namespace {

class FileCloseEnabling : public windowtests::WindowsTest {};

TEST_F(FileCloseEnabling, FollowsTheWindowThatComesToTheFront)
{
    class Oruvel* main = Oruvel();
    class Info* info = Info();
    class Help* help = Help();
    class AboutBox* about = AboutBox();

    ASSERT_TRUE(windowtests::bringToFront(about));
    EXPECT_FALSE(FileClose()->Enabled());
    ASSERT_TRUE(windowtests::bringToFront(help));
    EXPECT_TRUE(FileClose()->Enabled());
    ASSERT_TRUE(windowtests::bringToFront(about));
    EXPECT_FALSE(FileClose()->Enabled());
    ASSERT_TRUE(windowtests::bringToFront(info));
    EXPECT_TRUE(FileClose()->Enabled());
    ASSERT_TRUE(windowtests::bringToFront(about));
    EXPECT_FALSE(FileClose()->Enabled());
    ASSERT_TRUE(windowtests::bringToFront(main));
    EXPECT_TRUE(FileClose()->Enabled());
}

} // namespace
