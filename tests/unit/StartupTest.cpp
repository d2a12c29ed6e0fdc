#include "app/Startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Recorder {
    std::vector<std::string> steps;
    bool windowBuilt = true;

    StartupSteps Steps() {
        return StartupSteps{
            .enterProgramFolder = [this] { steps.push_back("folder"); },
            .startupHook = [this] { steps.push_back("startup hook"); },
            .exitHook = [this] { steps.push_back("exit hook"); },
            .buildMainWindow =
                [this] {
                    steps.push_back("build window");
                    return windowBuilt;
                },
            .reportStartFailure = [this] { steps.push_back("error box"); },
            .runMessageLoop =
                [this] {
                    steps.push_back("message loop");
                    return 0;
                },
        };
    }
};

TEST(StartupTest, NormalRunEndsWithTheExitHookAndCodeZero) {
    Recorder recorder;
    EXPECT_EQ(RunStartup(recorder.Steps()), 0);
    EXPECT_EQ(recorder.steps,
              (std::vector<std::string>{"folder", "startup hook", "build window", "message loop", "exit hook"}));
}

TEST(StartupTest, WindowThatCannotBeBuiltShowsTheErrorAndEndsWithMinusOneWithoutTheExitHook) {
    Recorder recorder;
    recorder.windowBuilt = false;
    EXPECT_EQ(RunStartup(recorder.Steps()), -1);
    EXPECT_EQ(recorder.steps, (std::vector<std::string>{"folder", "startup hook", "build window", "error box"}));
}

}  // namespace
