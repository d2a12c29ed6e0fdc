// The keys the main window answers to whichever control has the focus: Tab and Shift+Tab move the
// focus along the focus order, Esc closes the window.
#pragma once

#include <windows.h>

#include "app/MainWindow.h"

// The first control of the focus order that can take the focus now.
HWND FirstFocusStop(const MainWindow& main);

// True when the message was one of those keys and has been handled; the loop then drops it.
bool HandleWindowKey(const MainWindow& main, const MSG& message);
