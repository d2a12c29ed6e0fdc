// The two firewall switches: the command lines they start, where they start them, and what the
// stand-in firewall ends up with.
#include <gtest/gtest.h>

#include <string>

#include "Harness.h"

namespace {

TEST(SwitchesTest, EachSwitchStartsItsCommandLineInTheProgramFolderAndShowsNothing) {
    TestFolder folder(true);
    Program program(folder);
    // Whatever the boxes hold has no influence on the switches.
    SendMessageA(FindControl(program.Main(), "编辑框1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x & y"));
    SendMessageA(FindControl(program.Main(), "编辑框2"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    BringToFront(program.Main());

    ClickAt(CentreOf(FindControl(program.Main(), "按钮2")));
    ASSERT_TRUE(WaitUntil([&] { return folder.CmdRecords().size() == 1; }));
    ClickAt(CentreOf(FindControl(program.Main(), "按钮3")));
    ASSERT_TRUE(WaitUntil([&] { return folder.CmdRecords().size() == 2; }));

    const std::vector<FixtureRecord> records = folder.CmdRecords();
    EXPECT_EQ(records[0].commandLine, "cmd /c netsh advfirewall set allprofiles state on");
    EXPECT_EQ(records[1].commandLine, "cmd /c netsh advfirewall set allprofiles state off");
    for (const FixtureRecord& record : records) {
        EXPECT_EQ(record.directory, folder.Path()) << "the command runs in the program's folder";
        EXPECT_EQ(record.startupFlags, static_cast<unsigned long>(STARTF_USESHOWWINDOW));
        EXPECT_EQ(record.showWindow, static_cast<unsigned long>(SW_SHOWNORMAL));
    }
    Sleep(500);
    EXPECT_TRUE(program.TopLevelWindows("#32770").empty()) << "a switch showed a message box";
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(program.Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0);
}

TEST(SwitchesTest, ASwitchThatCannotStartItsCommandLeavesTheWindowUsable) {
    // An empty file named cmd.exe beside the program is found first and cannot be started.
    TestFolder folder(false);
    WriteFileBytes(folder.File("cmd.exe"), "");
    Program program(folder);
    BringToFront(program.Main());
    ClickAt(CentreOf(FindControl(program.Main(), "按钮3")));
    Sleep(500);
    EXPECT_TRUE(program.TopLevelWindows("#32770").empty());
    // The click left the focus on 按钮3; the window still takes keys.
    PressKey(VK_TAB);
    EXPECT_EQ(FocusOf(program), FindControl(program.Main(), "编辑框2"));
}

// The switch waits for the command to be ready for input, at most a second, never for it to end.
TEST(SwitchesTest, ASlowCommandDoesNotHoldTheWindowBeyondTheIdleWait) {
    TestFolder folder(true);
    WriteFileBytes(folder.File("cmd-sleep-ms.txt"), "5000");
    Program program(folder);
    const DWORD start = GetTickCount();
    SendMessageA(FindControl(program.Main(), "按钮3"), BM_CLICK, 0, 0);
    const DWORD held = GetTickCount() - start;
    EXPECT_LT(held, 2500u) << "the click held the window for " << held << " ms";
    EXPECT_TRUE(WaitUntil([&] { return folder.CmdRecords().size() == 1; })) << "the command did not start";
}

// Through the system's cmd and the stand-in netsh on the PATH of the test prefix.
TEST(SwitchesTest, SwitchesTurnTheStandInFirewallOffAndOn) {
    const std::string state = Paths().standin + "\\firewall-state.txt";
    WriteFileBytes(state, "state\ton\n");
    DeleteFileA((Paths().standin + "\\not-admin").c_str());
    TestFolder folder(false);
    Program program(folder);
    BringToFront(program.Main());

    ClickAt(CentreOf(FindControl(program.Main(), "按钮3")));
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(state) == "state\toff\n"; }, 20000)) << ReadFileBytes(state);
    ClickAt(CentreOf(FindControl(program.Main(), "按钮2")));
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(state) == "state\ton\n"; }, 20000)) << ReadFileBytes(state);
}

}  // namespace
