#include "desktop_identity.h"

#include "app/shell/pictures.h"

#include "framework/system.h"

#include <QApplication>
#include <QIcon>

#ifndef ORUVEL_APP_ID
#error "ORUVEL_APP_ID must be defined by the build"
#endif

void presentToDesktop()
{
    QCoreApplication::setApplicationName(QStringLiteral("Oruvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Fellmark Software"));
    // The name of the installed desktop entry, without ".desktop".
    QGuiApplication::setDesktopFileName(QStringLiteral(ORUVEL_APP_ID));
    QApplication::setWindowIcon(fw::ResourceFork().GetIcon(Pictures::oruvIconAbout().resourceId()));
}
