#pragma once

#include "framework/application.h"

namespace testsupport {

// An application object that stands in for the program's App in the tests of the
// libraries that cannot link it: its class is registered under the name "App", so the
// class check that those libraries make accepts it. The framework holds it once
// registered.
class StandInApp : public fw::Application {
    Q_OBJECT
};

StandInApp* newStandInApp();

} // namespace testsupport
