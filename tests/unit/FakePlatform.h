// Fakes of the operating-system operations for the unit tests: they record every call in order and
// answer with what the test scripted.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

struct PlatformCall {
    enum class Kind { ListProcesses, RunCommandLine, ShowMessageBox };
    Kind kind;
    Text text;  // the command line, or the message of a box
    std::uint32_t style = 0;
    std::optional<Text> title;
};

struct FakePlatform {
    std::vector<Text> processes;
    std::deque<bool> runResults;  // answered in turn; true once they run out
    std::vector<PlatformCall> calls;

    std::vector<Text> CommandLines() const;
};

// The fake every operation uses; tests reset it through PlatformTest.
FakePlatform& Fake();
