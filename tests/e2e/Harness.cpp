#include "Harness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "ExpectedWindow.h"

namespace {

DriverPaths gPaths;
std::atomic<int> gFolderCount{0};

std::string Unhex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

std::string TempFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string path(temp);
    if (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

void DeleteTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string path = folder + "\\" + name;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                DeleteTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

const DriverPaths& Paths() {
    return gPaths;
}

void SetPaths(const DriverPaths& paths) {
    gPaths = paths;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

std::vector<FixtureRecord> ReadRecords(const std::string& logPath) {
    std::vector<FixtureRecord> records;
    std::istringstream lines(ReadFileBytes(logPath));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string commandLine, directory;
        FixtureRecord record;
        fields >> commandLine >> directory >> record.startupFlags >> record.showWindow;
        record.commandLine = Unhex(commandLine);
        record.directory = Unhex(directory);
        records.push_back(record);
    }
    return records;
}

TestFolder::TestFolder(bool withRecordingCmd) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string root = TempFolder() + "\\portguard-e2e";
    CreateDirectoryA(root.c_str(), nullptr);
    path_ = root + "\\" + test->test_suite_name() + "." + test->name() + "." + std::to_string(++gFolderCount);
    DeleteTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
    EXPECT_TRUE(CopyFileA(Paths().product.c_str(), Exe().c_str(), FALSE)) << "copy " << Paths().product;
    if (withRecordingCmd) {
        EXPECT_TRUE(CopyFileA((Paths().fixtures + "\\cmd.exe").c_str(), File("cmd.exe").c_str(), FALSE));
    }
}

Program::Program(const TestFolder& folder) {
    Start(folder, nullptr);
}

Program::Program(const TestFolder& folder, const std::function<void(DWORD)>& beforeRun) {
    Start(folder, beforeRun);
}

void Program::Start(const TestFolder& folder, const std::function<void(DWORD)>& beforeRun) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + folder.Exe() + "\"";
    // Started from the temp folder, not its own: the program must move to its own folder itself.
    const std::string elsewhere = TempFolder();
    const DWORD flags = beforeRun ? CREATE_SUSPENDED : 0;
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, elsewhere.c_str(),
                               &startup, &info))
        << "CreateProcess " << commandLine << " failed: " << GetLastError();
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    threadId_ = info.dwThreadId;
    if (beforeRun) {
        beforeRun(threadId_);
        ResumeThread(info.hThread);
        CloseHandle(info.hThread);
        return;
    }
    CloseHandle(info.hThread);
    const bool shown = WaitUntil([&] {
        for (const HWND window : TopLevelWindows("PortguardMain")) {
            if (IsWindowVisible(window)) {
                main_ = window;
                return true;
            }
        }
        return false;
    });
    ASSERT_TRUE(shown) << "the main window did not appear";
    // Let it finish painting and settle the focus.
    WaitForInputIdle(process_, 5000);
    Sleep(200);
}

Program::~Program() {
    if (process_ == nullptr) {
        return;
    }
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

DWORD Program::WaitForExit(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process_, &code);
    }
    return code;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ClassOf(window) == search->className) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> Program::TopLevelWindows(const char* className) const {
    WindowSearch search{processId_, className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string TextOf(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> ChildrenInStackingOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

HWND FocusOf(const Program& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(program.ThreadId(), &info) ? info.hwndFocus : nullptr;
}

HWND CaptureOf(const Program& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(program.ThreadId(), &info) ? info.hwndCapture : nullptr;
}

HWND GroupBox(HWND main) {
    for (const HWND child : ChildrenInStackingOrder(main)) {
        if (ClassOf(child) == "Button" && (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) {
            return child;
        }
    }
    ADD_FAILURE() << "no group box in the main window";
    return nullptr;
}

HWND FindControl(HWND main, const char* name) {
    const ExpectedControl* expected = ExpectedByName(name);
    if (expected == nullptr) {
        ADD_FAILURE() << "no such control in the expectations: " << name;
        return nullptr;
    }
    const HWND parent = expected->inGroupBox ? GroupBox(main) : main;
    for (const HWND child : ChildrenInStackingOrder(parent)) {
        const RECT actual = RectInParent(child);
        if (ClassOf(child) == expected->className && EqualRect(&expected->rect, &actual)) {
            return child;
        }
    }
    ADD_FAILURE() << "control not found: " << name;
    return nullptr;
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

namespace {

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(150);  // the program reads its input asynchronously
}

}  // namespace

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : modifiers) {
        inputs.push_back(KeyInput(modifier, false));
    }
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        inputs.push_back(KeyInput(*it, true));
    }
    Send(inputs);
}

void MoveMouseTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Send({MouseInput(MOUSEEVENTF_MOVE)});
}

void ClickAt(POINT screen) {
    MoveMouseTo(screen);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

ProgramHook::ProgramHook(int hookType, const char* procedure, DWORD threadId) {
    module_ = LoadLibraryA((Paths().fixtures + "\\probehook.dll").c_str());
    EXPECT_NE(module_, nullptr) << "probehook.dll";
    const auto proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module_, procedure)));
    EXPECT_NE(proc, nullptr) << procedure;
    hook_ = SetWindowsHookExA(hookType, proc, module_, threadId);
    EXPECT_NE(hook_, nullptr) << "SetWindowsHookEx " << procedure << ": " << GetLastError();
}

ProgramHook::~ProgramHook() {
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
    }
    if (module_ != nullptr) {
        FreeLibrary(module_);
    }
}

std::string ProbeReport(const Program& program, const TestFolder& folder) {
    const std::string reportPath = folder.File("probe-report.txt");
    DeleteFileA(reportPath.c_str());
    ProgramHook hook(WH_GETMESSAGE, "Probe", program.ThreadId());
    PostMessageA(program.Main(), RegisterWindowMessageA("PortguardProbe"), 0, 0);
    const bool written = WaitUntil([&] { return GetFileAttributesA(reportPath.c_str()) != INVALID_FILE_ATTRIBUTES; });
    EXPECT_TRUE(written) << "the probe wrote no report";
    return ReadFileBytes(reportPath);
}

std::string ReportValue(const std::string& report, const std::string& path, const std::string& key) {
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(path + " ", 0) != 0 && line.rfind(path + "=", 0) != 0 && path != "") {
            continue;
        }
        const auto start = line.find(key + "=");
        if (start == std::string::npos) {
            continue;
        }
        const auto valueStart = start + key.size() + 1;
        if (line[valueStart] == '[') {
            return line.substr(valueStart + 1, line.find(']', valueStart) - valueStart - 1);
        }
        return line.substr(valueStart, line.find(' ', valueStart) - valueStart);
    }
    ADD_FAILURE() << "no " << key << " for " << path << " in the probe report:\n" << report;
    return {};
}

FakeGame::FakeGame(const TestFolder& folder) {
    const std::string exe = folder.File("Tarnwick.exe");
    EXPECT_TRUE(CopyFileA((Paths().fixtures + "\\sleeper.exe").c_str(), exe.c_str(), FALSE));
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + exe + "\"";
    EXPECT_TRUE(
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_));
}

void FakeGame::End() {
    if (info_.hProcess == nullptr) {
        return;
    }
    TerminateProcess(info_.hProcess, 0);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = {};
}

HWND WaitForMessageBox(const Program& program, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            for (const HWND window : program.TopLevelWindows("#32770")) {
                if (IsWindowVisible(window)) {
                    box = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return box;
}

std::string BoxText(HWND box) {
    for (const HWND child : ChildrenInStackingOrder(box)) {
        if (ClassOf(child) == "Static" && !TextOf(child).empty()) {
            return TextOf(child);
        }
    }
    ADD_FAILURE() << "the message box has no text";
    return {};
}

void CloseMessageBox(HWND box) {
    BringToFront(box);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000)) << "the box stayed open";
}

namespace {

// SystemHandleInformation, as ntdll returns it.
struct SystemHandleEntry {
    ULONG processId;
    UCHAR objectType;
    UCHAR flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};
struct SystemHandleList {
    ULONG count;
    SystemHandleEntry entries[1];
};

int KernelHandleCount(DWORD processId) {
    using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    constexpr ULONG kSystemHandleInformation = 16;
    const auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    while (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) != 0) {
        if (buffer.size() > (1u << 28)) {
            return -1;
        }
        buffer.resize(buffer.size() * 2);
    }
    const auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
    int count = 0;
    for (ULONG i = 0; i < list->count; ++i) {
        count += list->entries[i].processId == processId ? 1 : 0;
    }
    return count;
}

BOOL CALLBACK CountWindow(HWND, LPARAM param) {
    ++*reinterpret_cast<int*>(param);
    return TRUE;
}

}  // namespace

ResourceCounts CountResources(const Program& program, const TestFolder& folder) {
    ResourceCounts counts;
    counts.kernelHandles = KernelHandleCount(program.ProcessId());
    counts.gdiObjects = std::stoi(ReportValue(ProbeReport(program, folder), "gdiobjects", "gdiobjects"));
    counts.windows = 0;
    EnumThreadWindows(program.ThreadId(), CountWindow, reinterpret_cast<LPARAM>(&counts.windows));
    for (const HWND main : program.TopLevelWindows("PortguardMain")) {
        EnumChildWindows(main, CountWindow, reinterpret_cast<LPARAM>(&counts.windows));
    }
    return counts;
}
