#pragma once

namespace fw {
class Application;
}

// The application object as the accessor App gives it: NilObjectException before
// start-up has made it, IllegalCastException when it is not of the class registered as
// "App". The check goes through the class description, so that the libraries below the
// application's own need not know its class.
fw::Application* AppObject();
