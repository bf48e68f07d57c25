#include "app_object.h"

#include "framework/application.h"
#include "framework/members.h"

fw::Application* AppObject()
{
    return fw::classCast(fw::Application::current(), QStringLiteral("App"));
}
