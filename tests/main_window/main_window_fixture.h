#pragma once

#include "main_window/oruvel.h"

#include "framework/window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

namespace fw {
class Application;
}

// A main window opened as start-up opens it, on a fresh application object that holds
// the shared menu bar. The window is destroyed after each test.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <typename T>
    T* control(const char* name) const
    {
        return window->control<T>(QString::fromLatin1(name));
    }

    // Selects a trigram number (1 to 9) in the number selector.
    void showTrigram(int number);

    class Oruvel* window = nullptr;
    fw::Application* application = nullptr;
};

// Destroys every window that is left, open or closed, without Close events.
void destroyAllWindows();

// Whether the image holds a pixel that is not (nearly) white and not transparent.
bool hasInk(const QImage& image);
