#pragma once

#include "framework/menus.h"

// The program's one menu bar: File, Edit, Window and Help. One shared instance serves
// the application object, the main window and the Info window.
class MenuBar1 : public fw::MenuBar {
    Q_OBJECT

public:
    // Builds the four menus in order.
    MenuBar1();

    void Untitled1(); // File
    void Untitled2(); // Edit
    void Untitled3(); // Window
    void Untitled4(); // Help

private:
    // Appends a new item to the menu of that name, found among the bar's children.
    void appendTo(const char* menuName, fw::MenuItem* item);
};

// The shared instance: made on the first call, the same object on every later one.
class MenuBar1* MenuBar1();

// Shutdown: releases the shared instance (nothing happens when there is none).
void releaseMenuBar1();
