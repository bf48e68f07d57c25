#pragma once

#include "framework/application.h"

// The application object: one instance, made at start-up and held by the framework.
// Its operations are found by name (the menu commands are bound by it); its event
// table handles the application's Open event only.
class App : public fw::Application {
    Q_OBJECT
    Q_CLASSINFO("Event:Open", "Event_Open")

public:
    // The Open event: enables the shared menu bar.
    Q_INVOKABLE void Event_Open();

    // The application's menu commands (menu_commands.cpp); each returns False.
    Q_INVOKABLE bool _AppleAboutOruvel_Action();
    Q_INVOKABLE bool _WindowShowInfo_Action();
    Q_INVOKABLE bool _HelpHelp_Action();
};

// The registered application object as an App: NilObjectException before start-up
// has made it, IllegalCastException if another class was registered.
class App* App();
