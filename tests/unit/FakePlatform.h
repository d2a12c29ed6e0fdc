// Fakes of the operating-system operations for the unit tests: they record every call in order and
// answer with what the test scripted.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

struct PlatformCall {
    enum class Kind { ReadEditBox, ListProcesses, RunCommandLine, RunCommandAndWait, ShowMessageBox };
    Kind kind;
    Text text;  // the command line, the message of a box, or the name of the edit box read
    std::uint32_t style = 0;
    std::optional<Text> title;
};

struct FakePlatform {
    std::vector<Text> processes;
    std::deque<bool> runResults;  // answered in turn; true once they run out
    CommandOutcome waitOutcome{CommandOutcome::Status::Exited, 0};
    std::vector<PlatformCall> calls;

    // Both kinds of command, in the order they were started.
    std::vector<Text> CommandLines() const;
    // A reader for an edit box that records the read and answers with the given text.
    std::function<Text()> EditBox(const char* name, const Text& text);
};

// The fake every operation uses; tests reset it through PlatformTest.
FakePlatform& Fake();
