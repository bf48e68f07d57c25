#include "runtime.h"

#include "application.h"
#include "canvas.h"
#include "classes.h"
#include "control.h"
#include "edit_field.h"
#include "events.h"
#include "listbox.h"
#include "little_arrows.h"
#include "menus.h"
#include "popup_menu.h"
#include "push_button.h"
#include "rectangle.h"
#include "separator.h"
#include "static_text.h"
#include "system.h"
#include "tab_panel.h"
#include "window.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

namespace fw {

namespace {

bool runtimeExists = false;

// Bases before the classes derived from them, so that each finds its base's name.
void registerFrameworkClasses()
{
    registerClass(QStringLiteral("Control"), &Control::staticMetaObject);
    registerClass(QStringLiteral("RectControl"), &RectControl::staticMetaObject);
    registerClass(QStringLiteral("TextControl"), &TextControl::staticMetaObject);
    registerClass(QStringLiteral("TabPanel"), &TabPanel::staticMetaObject);
    registerClass(QStringLiteral("PopupMenu"), &PopupMenu::staticMetaObject);
    registerClass(QStringLiteral("LittleArrows"), &LittleArrows::staticMetaObject);
    registerClass(QStringLiteral("StaticText"), &StaticText::staticMetaObject);
    registerClass(QStringLiteral("Listbox"), &Listbox::staticMetaObject);
    registerClass(QStringLiteral("PushButton"), &PushButton::staticMetaObject);
    registerClass(QStringLiteral("EditField"), &EditField::staticMetaObject);
    registerClass(QStringLiteral("Separator"), &Separator::staticMetaObject);
    registerClass(QStringLiteral("Rectangle"), &Rectangle::staticMetaObject);
    registerClass(QStringLiteral("Canvas"), &Canvas::staticMetaObject);
    registerClass(QStringLiteral("Window"), &Window::staticMetaObject);
    registerClass(QStringLiteral("MenuItem"), &MenuItem::staticMetaObject);
    registerClass(QStringLiteral("MenuBar"), &MenuBar::staticMetaObject);
    registerClass(QStringLiteral("QuitMenuItem"), &QuitMenuItem::staticMetaObject);
    registerClass(QStringLiteral("AppleMenuItem"), &AppleMenuItem::staticMetaObject);
    registerClass(QStringLiteral("Application"), &Application::staticMetaObject);
}

// An exception that escaped a handler goes to the application object, which tells
// the user and quits; one that escapes while that runs, or with no application
// object, is written to stderr.
void unhandledExceptionRoad(std::exception_ptr error)
{
    static bool reporting = false;
    Application* app = Application::current();
    if (!app || reporting) {
        std::fprintf(stderr, "Unhandled exception: %s\n", qPrintable(describeException(error)));
        return;
    }
    reporting = true;
    struct Done {
        ~Done() { reporting = false; }
    } done;
    app->_UnhandledException(error);
}

} // namespace

void layUnhandledExceptionRoad()
{
    setUnhandledExceptionRoad(unhandledExceptionRoad);
}

Runtime::Runtime(int& argc, char** argv)
{
    if (runtimeExists)
        throw RuntimeException("the framework runtime exists already");
    if (!QCoreApplication::instance())
        ownApplication_ = std::make_unique<QApplication>(argc, argv);
    else if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw RuntimeException("the framework runtime needs a QApplication, not a plainer Qt application");
    runtimeExists = true;
    // Windows closing never ends the program by themselves: Quit does.
    QApplication::setQuitOnLastWindowClosed(false);
    registerFrameworkClasses();
    layUnhandledExceptionRoad();
    // The user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), when a translation ships:
    // the program's own, and Qt's for the texts of its standard widgets.
    installTranslation(QLocale());
    installQtTranslation(QLocale());
}

Runtime::~Runtime()
{
    // What shutdown did not release goes now, while Qt still exists.
    releaseImplicitWindowList();
    releaseDirtyWindows();
    releaseWindows();
    releaseApplication();
    setUnhandledExceptionRoad(nullptr);
    clearClassRegistry();
    ownApplication_.reset();
    runtimeExists = false;
}

int Runtime::exitStep()
{
    const Application* app = Application::current();
    return app ? app->quitCode() : 0;
}

} // namespace fw
