#pragma once

#include "app/MainWindow.h"

// Runs until the quit message arrives and returns its code.
int RunMessageLoop(MainWindow& main);
