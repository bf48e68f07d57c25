#include "windows_fixture.h"

#include "app/shell/menu_bar1.h"
#include "support/stand_in_app.h"
#include "main_window/oruvel.h"
#include "trigrams/trigrams.h"
#include "windows/about_box.h"
#include "windows/help.h"
#include "windows/info.h"

#include "framework/application.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QTest>

#include <vector>

namespace windowtests {

namespace {

void registerOnce()
{
    static const bool done = [] {
        trigrams::createTable();
        registerOruvelClass();
        registerAboutBoxClass();
        registerInfoClass();
        registerHelpClass();
        return true;
    }();
    (void)done;
}

} // namespace

void WindowsTest::SetUp()
{
    registerOnce();
    fw::Application* application = fw::Application::current();
    if (!application) {
        application = testsupport::newStandInApp();
        application->registerAsApplication(); // the framework holds it from now on
    }
    application->setMenuBar(MenuBar1());
    application->setShortVersion(kTestVersion);
}

void WindowsTest::TearDown()
{
    const std::vector<fw::Window*> open = fw::Windows();
    for (fw::Window* window : open) {
        if (!qobject_cast<class Oruvel*>(window))
            window->Close();
    }
    destroyClosedWindows();
}

void clickCloseBox(fw::Window* window)
{
    window->widget()->close();
}

void destroyClosedWindows()
{
    fw::releaseDirtyWindows();
}

bool bringToFront(fw::Window* window)
{
    window->Show();
    return QTest::qWaitForWindowActive(window->widget());
}

} // namespace windowtests
