// File > Close follows the front window: the main, Info and Help windows enable it,
// the About window does not; each window that comes to the front updates the menus in
// exactly one pass.
#include "windows_fixture.h"

#include "app/shell/menu_items.h"
#include "main_window/oruvel.h"
#include "windows/about_box.h"
#include "windows/help.h"
#include "windows/info.h"

#include "framework/menus.h"

#include <QObject>

namespace {

class FileCloseEnabling : public windowtests::WindowsTest {};

TEST_F(FileCloseEnabling, FollowsTheWindowThatComesToTheFrontInOnePass)
{
    class Oruvel* main = Oruvel();
    class Info* info = Info();
    class Help* help = Help();
    class AboutBox* about = AboutBox();

    // The activations of the windows just built are over once one of them is in front.
    ASSERT_TRUE(windowtests::bringToFront(about));
    // A pass first disables Close (it does not enable itself), then the front window's
    // EnableMenuItems enables it again: one enabling per pass that reached the window.
    int enablings = 0;
    QObject::connect(FileClose(), &fw::MenuItem::changed, FileClose(), [&] { enablings += FileClose()->Enabled(); });
    const struct {
        fw::Window* window;
        const char* name;
        int enablings;
    } steps[] = {{help, "Help", 1}, {about, "About", 0}, {info, "Info", 1}, {about, "About", 0}, {main, "main", 1}};
    for (const auto& step : steps) {
        enablings = 0;
        ASSERT_TRUE(windowtests::bringToFront(step.window)) << step.name;
        EXPECT_EQ(FileClose()->Enabled(), step.enablings > 0) << step.name;
        EXPECT_EQ(enablings, step.enablings) << step.name << " window's EnableMenuItems runs once per activation";
    }
}

} // namespace
