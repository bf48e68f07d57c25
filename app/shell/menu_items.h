#pragma once

namespace fw {
class MenuItem;
}

// Items of the application's menu bar, found by name. Each reaches the application
// object as App does (AppObject), raises NilObjectException when it has no menu bar,
// and returns nil when the bar holds no item of that name.
fw::MenuItem* WindowShowInfo();
fw::MenuItem* FileClose();
