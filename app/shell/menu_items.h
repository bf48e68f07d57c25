#pragma once

namespace fw {
class MenuItem;
}

// Items of the application's menu bar, found by name. Each raises NilObjectException
// when there is no application object or it has no menu bar, and returns nil when the
// bar holds no item of that name.
fw::MenuItem* WindowShowInfo();
fw::MenuItem* FileClose();
