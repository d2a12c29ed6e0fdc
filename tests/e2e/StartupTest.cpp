// Start-up seen from outside: the working directory, and what the user sees when the window cannot
// be built.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Harness.h"

namespace {

// "加载启动窗口失败，程序无法运行。" and the window title, in code page 936.
constexpr char kFailureText[] = "加载启动窗口失败，程序无法运行。";
constexpr char kTitle[] = "Varnholt 美端防偷拍程序";

TEST(StartupTest, WindowThatCannotBeBuiltShowsAStopBoxAndEndsWithMinusOne) {
    for (const char* failing : {"FailMainWindow", "FailHyperlink"}) {
        SCOPED_TRACE(failing);
        TestFolder folder(false);
        std::unique_ptr<ProgramHook> failure;
        std::unique_ptr<ProgramHook> probe;
        Program program(folder, [&](DWORD threadId) {
            failure = std::make_unique<ProgramHook>(WH_CBT, failing, threadId);
            probe = std::make_unique<ProgramHook>(WH_GETMESSAGE, "Probe", threadId);
        });
        const HWND box = WaitForMessageBox(program);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(TextOf(box), kTitle);
        EXPECT_EQ(BoxText(box), kFailureText);
        EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
        for (const HWND main : program.TopLevelWindows("PortguardMain")) {
            EXPECT_FALSE(IsWindowVisible(main)) << "the main window was shown";
        }
        // The box's icon, read from inside the program.
        DeleteFileA(folder.File("probe-report.txt").c_str());
        PostMessageA(box, RegisterWindowMessageA("PortguardProbe"), 0, 0);
        ASSERT_TRUE(WaitUntil(
            [&] { return GetFileAttributesA(folder.File("probe-report.txt").c_str()) != INVALID_FILE_ATTRIBUTES; }));
        EXPECT_NE(ReadFileBytes(folder.File("probe-report.txt")).find("icon=hand"), std::string::npos)
            << ReadFileBytes(folder.File("probe-report.txt"));

        CloseMessageBox(box);
        EXPECT_EQ(program.WaitForExit(), static_cast<DWORD>(-1));
    }
}

}  // namespace
