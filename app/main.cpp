// Start of the program: the folder of the executable becomes the working directory (every command the
// program starts inherits it), then the main window is built and the message loop runs.
#include <windows.h>

#include <string>

#include "app/Controls.h"
#include "app/Hooks.h"
#include "app/MainWindow.h"
#include "app/MessageLoop.h"
#include "app/Startup.h"
#include "platform/Platform.h"

namespace {

constexpr char kStartFailedMessage[] = "加载启动窗口失败，程序无法运行。";

// The wide path is used so that a folder whose name holds a byte 0x5C inside a double-byte character,
// or characters outside code page 936, is still entered as it is.
void EnterProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return;
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::wstring::size_type lastBackslash = path.rfind(L'\\');
    if (lastBackslash == std::wstring::npos) {
        return;
    }
    // "C:" alone would name the drive's current directory, not its root.
    const bool driveRoot = lastBackslash == 2 && path[1] == L':';
    path.resize(driveRoot ? lastBackslash + 1 : lastBackslash);
    SetCurrentDirectoryW(path.c_str());
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    MainWindow main;
    const StartupSteps steps{
        .enterProgramFolder = EnterProgramFolder,
        .startupHook = OnProgramStart,
        .exitHook = OnProgramExit,
        .buildMainWindow = [&] { return RegisterMainWindowClass(instance) && BuildMainWindow(instance, main); },
        .reportStartFailure = [] { ShowMessageBox(kStartFailedMessage, kMbIconHand, Text(kMainWindowTitle)); },
        .runMessageLoop = [&] { return RunMessageLoop(main); },
    };
    return RunStartup(steps);
}
