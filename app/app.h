#pragma once

#include "framework/application.h"

// The application object: one instance, made at start-up and held by the framework.
class App : public fw::Application {
    Q_OBJECT

public:
    // The Open event: enables the shared menu bar.
    void Event_Open() override;

    // The application's menu commands (menu_commands.cpp); each returns False.
    bool _AppleAboutOruvel_Action();
    bool _WindowShowInfo_Action();
    bool _HelpHelp_Action();
};

// The registered application object as an App: NilObjectException before start-up
// has made it, IllegalCastException if another class was registered.
class App* App();
