#pragma once

// What the About, Info and Help windows stand on in a test: the program's window
// classes registered, an application object with the shared menu bar and a known short
// version, and the trigram table that the main window's Open event fills.

#include "framework/runtime.h"
#include "framework/window.h"

#include <gtest/gtest.h>

#include <QString>

namespace windowtests {

inline const QString kTestVersion = QStringLiteral("7.3b");

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Closes every window but the main one and destroys what was closed.
    void TearDown() override;
};

// Closes the window by its close box, as the user does.
void clickCloseBox(fw::Window* window);

// Destroys the closed windows now, as returning to the event loop would.
void destroyClosedWindows();

// The open windows whose class is T.
template <typename T>
int openWindowsOf();

// Brings the window to the front and waits until the platform has made it active.
bool bringToFront(fw::Window* window);

} // namespace windowtests

template <typename T>
int windowtests::openWindowsOf()
{
    int count = 0;
    for (fw::Window* window : fw::Windows()) {
        if (qobject_cast<T*>(window))
            ++count;
    }
    return count;
}
