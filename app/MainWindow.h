// The main window: its class, its construction from the control table, and what it does with messages.
#pragma once

#include <windows.h>

#include <array>

#include "app/Controls.h"
#include "app/ScopedGdi.h"

struct MainWindow {
    HWND window = nullptr;
    std::array<HWND, kControlCount> controls{};
    HFONT font = nullptr;  // the window's own font, a stock object
    ScopedFont controlFont;
    ScopedIcon bigIcon;
    ScopedIcon smallIcon;
    HWND lastFocus = nullptr;
    // Set once the message loop runs, so that a window torn down during a failed start posts no quit
    // message that would close the error box at once.
    bool quitOnDestroy = false;

    HWND operator[](Control control) const { return controls[static_cast<std::size_t>(control)]; }
};

bool RegisterMainWindowClass(HINSTANCE instance);

// Builds the window with all its controls and shows it, with the focus on 按钮1. On failure nothing of
// it is left and false is returned.
bool BuildMainWindow(HINSTANCE instance, MainWindow& main);
