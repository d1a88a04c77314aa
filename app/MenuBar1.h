#pragma once
// The application's one menu bar: File, Edit and Window. It holds no logic; windows
// find its items by name and bind their handlers to them.
#include "framework/Menu.h"

class MenuBar1 : public fw::MenuBar {
public:
    MenuBar1();  // runs Constructor()
    void Constructor();
    void Untitled0();  // File
    void Untitled1();  // Edit
    void Untitled2();  // Window
};

// The shared instance, built on the first call.
class MenuBar1& MenuBar1();
