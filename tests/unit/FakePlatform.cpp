#include "FakePlatform.h"

FakePlatform& Fake() {
    static FakePlatform fake;
    return fake;
}

std::vector<Text> FakePlatform::CommandLines() const {
    std::vector<Text> lines;
    for (const PlatformCall& call : calls) {
        if (call.kind == PlatformCall::Kind::RunCommandLine || call.kind == PlatformCall::Kind::RunCommandAndWait) {
            lines.push_back(call.text);
        }
    }
    return lines;
}

std::function<Text()> FakePlatform::EditBox(const char* name, const Text& text) {
    return [this, name, text] {
        calls.push_back({PlatformCall::Kind::ReadEditBox, name, 0, std::nullopt});
        return text;
    };
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

CommandOutcome RunCommandAndWait(const Text& commandLine, std::uint32_t /*timeoutMs*/) {
    Fake().calls.push_back({PlatformCall::Kind::RunCommandAndWait, commandLine, 0, std::nullopt});
    return Fake().waitOutcome;
}

int ShowMessageBox(const Text& message, std::uint32_t style, const std::optional<Text>& title) {
    Fake().calls.push_back({PlatformCall::Kind::ShowMessageBox, message, style, title});
    return 1;  // IDOK
}
