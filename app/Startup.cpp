#include "app/Startup.h"

int RunStartup(const StartupSteps& steps) {
    steps.enterProgramFolder();
    steps.startupHook();
    if (!steps.buildMainWindow()) {
        // A start that failed is not a normal end: the exit hook stays out of it.
        steps.reportStartFailure();
        return kStartFailedExitCode;
    }
    const int exitCode = steps.runMessageLoop();
    steps.exitHook();
    return exitCode;
}
