#include "FakePlatform.h"


FakePlatform& Fake() {
    static FakePlatform fake;
    return fake;
}

std::vector<Text> FakePlatform::CommandLines() const {
    std::vector<Text> lines;
    for (const PlatformCall& call : calls) {
        if (call.kind == PlatformCall::Kind::RunCommandLine) {
            lines.push_back(call.text);
        }
    }
    return lines;
}

std::vector<Text> ListProcesses() {
    Fake().calls.push_back({PlatformCall::Kind::ListProcesses, {}, 0, std::nullopt});
    return Fake().processes;
}

bool RunCommandLine(const Text& commandLine) {
    Fake().calls.push_back({PlatformCall::Kind::RunCommandLine, commandLine, 0, std::nullopt});
    if (Fake().runResults.empty()) {
        return true;
    }
    const bool result = Fake().runResults.front();
    Fake().runResults.pop_front();
    return result;
}

int ShowMessageBox(const Text& message, std::uint32_t style, const std::optional<Text>& title) {
    Fake().calls.push_back({PlatformCall::Kind::ShowMessageBox, message, style, title});
    return 1;  // IDOK
}
