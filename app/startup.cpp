#include "startup.h"

#include "app/app.h"
#include "app/desktop_identity.h"
#include "app/menu_commands.h"
#include "app/shell/file_types.h"
#include "app/shell/menu_bar1.h"
#include "app/shell/pictures.h"
#include "main_window/oruvel.h"
#include "trigrams/trigrams.h"
#include "windows/about_box.h"
#include "windows/help.h"
#include "windows/info.h"

#include "framework/application.h"
#include "framework/classes.h"
#include "framework/events.h"
#include "framework/runtime.h"
#include "framework/exceptions.h"


#ifndef ORUVEL_SHORT_VERSION
#error "ORUVEL_SHORT_VERSION must be defined by the build"
#endif

void registerProgramClasses()
{
    fw::registerClass(QStringLiteral("App"), &App::staticMetaObject);
    fw::registerClass(QStringLiteral("MenuBar1"), &MenuBar1::staticMetaObject);
    trigrams::createTable();
    trigrams::registerTrigramClass();
    registerOruvelClass();
    registerAboutBoxClass();
    registerInfoClass();
    registerHelpClass();
}

void _InitFileTypes()
{
    FileTypes::_Initialize();
}

// The framework holds the new application object from its registration on.
void _NewAppInstance()
{
    auto* app = fw::nonNil(new class App, "App");
    app->setMenuBar(MenuBar1());
    app->setShortVersion(QStringLiteral(ORUVEL_SHORT_VERSION));
    // The desktop and the framework (its unhandled-exception dialog) name the program
    // by what this sets.
    presentToDesktop();
    app->registerAsApplication();
}

// The window stays open without a reference of ours.
void _MakeDefaultView()
{
    fw::nonNil(Oruvel(), "main window");
}

void runEventLoop()
{
    App()->runEventLoop();
}

// The framework's own start work (external classes, plug-in entry points) is done by
// the runtime before any of these.
const std::vector<ProgramStep>& mainSteps()
{
    static const std::vector<ProgramStep> steps{
        {"_InitFileTypes", &_InitFileTypes},
        {"_NewAppInstance", &_NewAppInstance},
        {"_ApplicationAddMenuHandlers", &_ApplicationAddMenuHandlers},
        {"_MakeDefaultView", &_MakeDefaultView},
        {"event loop", &runEventLoop},
    };
    return steps;
}

void handUnhandled(std::exception_ptr error) noexcept
{
    try {
        if (fw::Application* application = fw::Application::current())
            application->_UnhandledException(error);
        else
            fw::reportUnhandled(error);
    } catch (...) {
        // The handler itself failed: the framework's road still tells about the first error.
        fw::reportUnhandled(error);
    }
}

void runSteps(const std::vector<ProgramStep>& steps)
{
    try {
        for (const ProgramStep& step : steps)
            step.run();
    } catch (...) {
        handUnhandled(std::current_exception());
    }
}

void _Main()
{
    runSteps(mainSteps());
}

const std::vector<ProgramStep>& shutdownSteps()
{
    static const std::vector<ProgramStep> steps{
        {"ElementConstructive", [] { Pictures::elementConstructive().release(); }},
        {"ElementReductive", [] { Pictures::elementReductive().release(); }},
        {"ControlDestruction", [] { Pictures::controlDestruction().release(); }},
        {"OruvIconAbout", [] { Pictures::oruvIconAbout().release(); }},
        {"_mImplicitWindowList", &fw::releaseImplicitWindowList},
        {"mDirtyWindows", &fw::releaseDirtyWindows},
        {"Windows", &fw::releaseWindows},
        {"FileTypes.pText", &FileTypes::release},
        {"MenuBar1", &releaseMenuBar1},
        {"trigrams", &trigrams::releaseRecords}, // kan, kun, zhen, xun, taiji, qian, dui, gen, li
        {"tri", &trigrams::releaseTable},
    };
    return steps;
}

void shutdown()
{
    for (const ProgramStep& step : shutdownSteps())
        step.run();
}

void runProgram(const std::vector<ProgramStep>& steps)
{
    registerProgramClasses();
    runSteps(steps);
    shutdown();
}
