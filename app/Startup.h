// The order in which the program starts and ends, apart from the Win32 calls that carry out each step,
// so that the order and the failed start are tested without a window.
#pragma once

#include <functional>

inline constexpr int kStartFailedExitCode = -1;

struct StartupSteps {
    std::function<void()> enterProgramFolder;
    std::function<void()> startupHook;
    std::function<void()> exitHook;
    std::function<bool()> buildMainWindow;  // false when the window or one of its controls could not be made
    std::function<void()> reportStartFailure;
    std::function<int()> runMessageLoop;  // returns the code of the quit message
};

int RunStartup(const StartupSteps& steps);
