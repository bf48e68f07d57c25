#include "app.h"

#include "app/shell/app_object.h"

#include "framework/exceptions.h"
#include "framework/menus.h"

#include <string>

void App::Event_Open()
{
    fw::nonNil(MenuBar(), "application menu bar")->Enable();
}

class App* App()
{
    fw::Application* current = AppObject();
    auto* app = qobject_cast<class App*>(current);
    if (!app)
        throw fw::IllegalCastException(std::string("the application object is not an App but a ")
                                       + current->metaObject()->className());
    return app;
}
