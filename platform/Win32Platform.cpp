// The Win32 implementation of the operations in Platform.h.
#include "platform/Platform.h"

#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include "platform/MessageBoxArgs.h"
#include "platform/ScopedHandle.h"

namespace {

constexpr DWORD kInputIdleTimeoutMs = 1000;

// The ANSI entry, whose szExeFile holds code page 936 bytes like every other text of the program.
static_assert(sizeof(PROCESSENTRY32) == 296, "PROCESSENTRY32 must be the 32-bit ANSI entry");

}  // namespace

std::vector<Text> ListProcesses() {
    std::vector<Text> names;
    const ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.IsValid()) {
        return names;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    // Every entry is kept: a list cut at some count could miss a running game on a busy machine.
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        names.emplace_back(entry.szExeFile);
    }
    return names;
}

bool RunCommandLine(const Text& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;

    // CreateProcessA may write into the command line, so it gets a copy of its own.
    Text mutableLine = commandLine;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    const ScopedProcessInformation process(info);
    WaitForInputIdle(process.process.Get(), kInputIdleTimeoutMs);
    return true;
}

int ShowMessageBox(const Text& message, std::uint32_t style, const std::optional<Text>& title) {
    return MessageBoxA(nullptr, message.c_str(), MessageBoxTitle(title).c_str(), MessageBoxStyle(style));
}
