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

// The command's window is shown normally; it inherits the program's environment and working
// directory. CreateProcessA may write into the command line, so it gets a copy of its own.
std::optional<ScopedProcessInformation> StartCommand(const Text& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    Text mutableLine = commandLine;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return std::nullopt;
    }
    return std::optional<ScopedProcessInformation>(std::in_place, info);
}

// Paints what needs painting and drops the user's clicks and keys, so that the window neither turns
// into a "not responding" ghost nor replays a click once the wait is over. Other posted messages stay
// queued for the message loop; sent messages are answered inside PeekMessage.
void PaintAndDropInput() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
    const UINT inputRanges[][2] = {
        {WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST}, {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}};
    for (const auto& range : inputRanges) {
        while (PeekMessageA(&message, nullptr, range[0], range[1], PM_REMOVE)) {
        }
    }
}

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
    const std::optional<ScopedProcessInformation> process = StartCommand(commandLine);
    if (!process) {
        return false;
    }
    WaitForInputIdle(process->process.Get(), kInputIdleTimeoutMs);
    return true;
}

CommandOutcome RunCommandAndWait(const Text& commandLine, std::uint32_t timeoutMs) {
    const std::optional<ScopedProcessInformation> process = StartCommand(commandLine);
    if (!process) {
        return {CommandOutcome::Status::NotStarted, 0};
    }
    const HANDLE handle = process->process.Get();
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs) {
            return {CommandOutcome::Status::TimedOut, 0};
        }
        const DWORD wake = MsgWaitForMultipleObjectsEx(1, &handle, timeoutMs - waited,
                                                       QS_PAINT | QS_INPUT | QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
        if (wake == WAIT_OBJECT_0) {
            break;
        }
        if (wake == WAIT_FAILED) {
            return {CommandOutcome::Status::TimedOut, 0};
        }
        PaintAndDropInput();
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(handle, &exitCode);
    return {CommandOutcome::Status::Exited, exitCode};
}

int ShowMessageBox(const Text& message, std::uint32_t style, const std::optional<Text>& title) {
    return MessageBoxA(nullptr, message.c_str(), MessageBoxTitle(title).c_str(), MessageBoxStyle(style));
}
