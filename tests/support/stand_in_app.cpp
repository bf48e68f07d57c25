#include "stand_in_app.h"

#include "framework/classes.h"

namespace testsupport {

StandInApp* newStandInApp()
{
    fw::registerClass(QStringLiteral("App"), &StandInApp::staticMetaObject);
    return new StandInApp;
}

} // namespace testsupport
