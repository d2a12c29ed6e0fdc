// What the end-to-end tests need to start the real portguard.exe under Wine and look at its window
// from outside: a fresh folder per test, the running program, its controls, real key and mouse input.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Paths handed to the driver on its command line.
struct DriverPaths {
    std::string product;   // portguard.exe
    std::string fixtures;  // folder holding cmd.exe (recording), browser.exe, failhook.dll
    std::string standin;   // folder of the stand-in netsh in the Wine prefix
};
const DriverPaths& Paths();
void SetPaths(const DriverPaths& paths);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// A record written by a recording fixture: the command line, working directory and start
// information it ran with.
struct FixtureRecord {
    std::string commandLine;
    std::string directory;
    unsigned long startupFlags = 0;
    unsigned long showWindow = 0;
};
std::vector<FixtureRecord> ReadRecords(const std::string& logPath);

// A folder of its own for one test, holding a copy of portguard.exe and, on request, the recording
// cmd.exe beside it.
class TestFolder {
  public:
    explicit TestFolder(bool withRecordingCmd);
    const std::string& Path() const { return path_; }
    std::string File(const char* name) const { return path_ + "\\" + name; }
    std::string Exe() const { return File("portguard.exe"); }
    std::vector<FixtureRecord> CmdRecords() const { return ReadRecords(File("cmd-log.txt")); }

  private:
    std::string path_;
};

// portguard.exe started from another working directory, as from a shortcut.
class Program {
  public:
    // Starts the program and waits for its main window to be shown.
    explicit Program(const TestFolder& folder);
    // Starts the program with its main thread held, so that a hook can be set on it first.
    Program(const TestFolder& folder, const std::function<void(DWORD threadId)>& beforeRun);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    HWND Main() const { return main_; }
    DWORD ThreadId() const { return threadId_; }
    DWORD ProcessId() const { return processId_; }
    // The exit code once the process has ended, or STILL_ACTIVE after the time-out.
    DWORD WaitForExit(DWORD timeoutMs = 10000);
    // Top-level windows of the process with the given class, visible or not.
    std::vector<HWND> TopLevelWindows(const char* className) const;

  private:
    void Start(const TestFolder& folder, const std::function<void(DWORD)>& beforeRun);

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND main_ = nullptr;
};

std::string ClassOf(HWND window);
std::string TextOf(HWND window);  // WM_GETTEXT: works across processes, unlike GetWindowTextA
RECT RectInParent(HWND window);
std::vector<HWND> ChildrenInStackingOrder(HWND parent);
HWND FocusOf(const Program& program);
HWND CaptureOf(const Program& program);

// The group box and the controls, found by where they stand; fails the test when one is missing.
HWND GroupBox(HWND main);
HWND FindControl(HWND main, const char* name);

// Real input, as the user gives it.
void BringToFront(HWND window);
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
POINT CentreOf(HWND window);

// Sets a hook procedure of probehook.dll on the program's GUI thread; removed again on destruction.
class ProgramHook {
  public:
    ProgramHook(int hookType, const char* procedure, DWORD threadId);
    ProgramHook(const ProgramHook&) = delete;
    ProgramHook& operator=(const ProgramHook&) = delete;
    ~ProgramHook();

  private:
    HMODULE module_ = nullptr;
    HHOOK hook_ = nullptr;
};

// What the probe hook reads inside the program: one line per window, "main", "main/0", "main/4/2" ...
// by stacking order, plus the window's background and icons.
std::string ProbeReport(const Program& program, const TestFolder& folder);
// The value between "key=[" and "]" (or up to the next blank) on the report line that starts with path.
std::string ReportValue(const std::string& report, const std::string& path, const std::string& key);

// A sleeper copied to Tarnwick.exe in the test's folder and started, standing in for the game client;
// ended on destruction.
class FakeGame {
  public:
    explicit FakeGame(const TestFolder& folder);
    FakeGame(const FakeGame&) = delete;
    FakeGame& operator=(const FakeGame&) = delete;
    ~FakeGame() { End(); }
    void End();

  private:
    PROCESS_INFORMATION info_{};
};

// The program's visible message box, once one is open (nullptr after the time-out).
HWND WaitForMessageBox(const Program& program, DWORD timeoutMs = 10000);
// The message text of a message box.
std::string BoxText(HWND box);
// Closes a message box with Enter, as the user would.
void CloseMessageBox(HWND box);

// What a program holds of the system, for leak checks: kernel handles (counted in the system's handle
// list, since GetProcessHandleCount answers 0 under Wine), GDI objects (counted by the probe inside
// the program) and USER objects as its windows, the only USER objects a click makes.
struct ResourceCounts {
    int kernelHandles = -1;
    int gdiObjects = -1;
    int windows = -1;
};
ResourceCounts CountResources(const Program& program, const TestFolder& folder);
